#pragma once

#include "platform/automation/Object.h"

#include <QString>

// Creating a registered control for a window that hosts it. The program knows
// the control only by its ProgID; a failure is explained so the user can
// register the control and try again.
namespace controlhost {

inline QString vogProgId()
{
    return QStringLiteral("Vog.VogCtrl.1");
}

// The message for a control that could not be created: what went wrong and how
// to register the control. libraryPath is the registered library, when known.
QString cannotCreateMessage(const QString &progId, automation::Status status,
                            const QString &libraryPath);

// Creates the control from the given registry. Returns the empty text on
// success, otherwise the message to show.
QString create(automation::Object &object, const QString &progId,
               const automation::ClassRegistry &registry);

} // namespace controlhost
