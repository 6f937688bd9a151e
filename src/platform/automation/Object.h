#pragma once

#include "platform/automation/Component.h"
#include "platform/automation/Registry.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>

class QWidget;

namespace automation {

// A host's handle on a created object: calls by name (the identifier is looked up
// once and kept) or by dispatch identifier, with the status of every call.
//
//     automation::Object vog;
//     if (automation::failed(vog.create(QStringLiteral("Vog.VogCtrl.1"), registry))) ...
//     vog.put(QStringLiteral("SizeX"), 64);
//     const QString data = vog.call(QStringLiteral("GetData")).toString();
class Object
{
public:
    Object() = default;
    explicit Object(std::unique_ptr<ComponentObject> object);

    // Creates by ProgID through the given registry and starts the object with its
    // defaults. On failure the handle stays empty.
    Status create(const QString &progId, const ClassRegistry &registry);

    bool isNull() const { return !m_object; }
    ComponentObject *get() const { return m_object.get(); }
    QWidget *widget() const;

    Status idOf(const QString &name, DispId *id);

    Status invoke(DispId id, InvokeKind kind, const QVariantList &args, QVariant *result);
    Status invoke(const QString &name, InvokeKind kind, const QVariantList &args, QVariant *result);

    // Conveniences: the result (or an invalid QVariant) and, when asked, the status.
    QVariant call(const QString &name, const QVariantList &args = {}, Status *status = nullptr);
    QVariant get(const QString &name, Status *status = nullptr);
    Status put(const QString &name, const QVariant &value);

    QVariant call(DispId id, const QVariantList &args = {}, Status *status = nullptr);
    QVariant get(DispId id, Status *status = nullptr);
    Status put(DispId id, const QVariant &value);

    // Releases the object (and with it a widget the host has not taken over).
    void reset();

private:
    std::unique_ptr<ComponentObject> m_object;
    QHash<QString, DispId> m_ids; // keyed by lower-case name
};

} // namespace automation
