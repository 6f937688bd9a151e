#pragma once

#include "platform/automation/Component.h"
#include "platform/automation/Registry.h"

#include <QString>
#include <QUuid>
#include <memory>

// Component libraries loaded at run time: registration through their own entry
// points, and creation of objects by class or ProgID through the registry.
// Libraries stay loaded for the life of the process, since objects may outlive any
// one caller.
namespace automation {

// CO_E_DLLNOTFOUND when the file is missing, CO_E_ERRORINDLL when it is no
// component library; otherwise the library's own status.
Status registerServer(const QString &libraryPath);
Status unregisterServer(const QString &libraryPath);

// The absolute path of the loaded library (or program) that holds `address`: how a
// library finds itself to register its own path.
QString modulePath(const void *address);

Status createInstance(const ClassRegistry &registry, const QUuid &clsid,
                      std::unique_ptr<ComponentObject> *object);
Status createInstance(const ClassRegistry &registry, const QString &progId,
                      std::unique_ptr<ComponentObject> *object);

} // namespace automation
