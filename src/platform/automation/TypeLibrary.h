#pragma once

#include "platform/automation/Dispatch.h"
#include "platform/automation/Status.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUuid>

// A type library: the names, identifiers, members and help strings of a component
// library, read from the JSON data file the library carries as a resource.
namespace automation {

struct InterfaceInfo
{
    QString name;
    QUuid id;
    QString helpString;
    bool isEventSource = false;
    QList<Member> members;
};

struct CoClassInfo
{
    QString name;
    QUuid id;
    QString helpString;
    QString defaultInterface;
    QString defaultSource;
};

struct TypeLibrary
{
    QString name;
    QUuid id;
    QString version; // "1.0"
    QString helpString;
    QString helpFile;
    QList<InterfaceInfo> interfaces;
    QList<CoClassInfo> classes;

    const InterfaceInfo *findInterface(const QString &interfaceName) const;
};

// E_FAIL for data that is not a well-formed type library.
Status readTypeLibrary(const QByteArray &json, TypeLibrary *library);

} // namespace automation
