#include "platform/automation/TypeLibrary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace automation {
namespace {

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

bool readMember(const QJsonObject &object, bool isProperty, Member *member)
{
    member->id = object.value(QLatin1String("id")).toInt(DISPID_UNKNOWN);
    member->name = text(object, "name");
    member->isProperty = isProperty;
    member->helpString = text(object, "helpString");
    if (!typeFromName(text(object, isProperty ? "type" : "result"), &member->type))
        return false;
    for (const QJsonValue &value : object.value(QLatin1String("params")).toArray()) {
        Param param;
        param.name = text(value.toObject(), "name");
        if (!typeFromName(text(value.toObject(), "type"), &param.type))
            return false;
        member->params.append(param);
    }
    return member->id != DISPID_UNKNOWN && !member->name.isEmpty();
}

bool readInterface(const QJsonObject &object, InterfaceInfo *info)
{
    info->name = text(object, "name");
    info->id = QUuid::fromString(text(object, "id"));
    info->helpString = text(object, "helpString");
    info->isEventSource = object.value(QLatin1String("events")).toBool();
    const std::pair<const char *, bool> groups[] = {{"properties", true}, {"methods", false}};
    for (const auto &[key, isProperty] : groups) {
        for (const QJsonValue &value : object.value(QLatin1String(key)).toArray()) {
            Member member;
            if (!readMember(value.toObject(), isProperty, &member))
                return false;
            info->members.append(member);
        }
    }
    return !info->name.isEmpty() && !info->id.isNull();
}

} // namespace

const InterfaceInfo *TypeLibrary::findInterface(const QString &interfaceName) const
{
    for (const InterfaceInfo &info : interfaces) {
        if (info.name == interfaceName)
            return &info;
    }
    return nullptr;
}

Status readTypeLibrary(const QByteArray &json, TypeLibrary *library)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return E_FAIL;
    const QJsonObject root = document.object();
    TypeLibrary read;
    read.name = text(root, "name");
    read.id = QUuid::fromString(text(root, "id"));
    read.version = text(root, "version");
    read.helpString = text(root, "helpString");
    read.helpFile = text(root, "helpFile");
    for (const QJsonValue &value : root.value(QLatin1String("interfaces")).toArray()) {
        InterfaceInfo info;
        if (!readInterface(value.toObject(), &info))
            return E_FAIL;
        read.interfaces.append(info);
    }
    for (const QJsonValue &value : root.value(QLatin1String("classes")).toArray()) {
        const QJsonObject object = value.toObject();
        CoClassInfo info{text(object, "name"), QUuid::fromString(text(object, "id")),
                         text(object, "helpString"), text(object, "defaultInterface"),
                         text(object, "defaultSource")};
        if (info.name.isEmpty() || info.id.isNull())
            return E_FAIL;
        read.classes.append(info);
    }
    if (read.name.isEmpty() || read.id.isNull() || read.version.isEmpty())
        return E_FAIL;
    *library = read;
    return S_OK;
}

} // namespace automation
