#include "platform/automation/Object.h"

#include "platform/automation/Library.h"

#include <utility>

namespace automation {

Object::Object(std::unique_ptr<ComponentObject> object) : m_object(std::move(object)) {}

Status Object::create(const QString &progId, const ClassRegistry &registry)
{
    reset();
    std::unique_ptr<ComponentObject> created;
    Status status = createInstance(registry, progId, &created);
    if (failed(status))
        return status;
    status = created->initNew();
    if (failed(status) && status != E_NOTIMPL)
        return status;
    m_object = std::move(created);
    return S_OK;
}

QWidget *Object::widget() const
{
    return m_object ? m_object->widget() : nullptr;
}

Status Object::idOf(const QString &name, DispId *id)
{
    if (!m_object)
        return E_POINTER;
    const QString key = name.toLower();
    const auto cached = m_ids.constFind(key);
    if (cached != m_ids.constEnd()) {
        *id = *cached;
        return S_OK;
    }
    QList<DispId> ids;
    const Status status = m_object->getIDsOfNames({name}, &ids);
    if (failed(status))
        return status;
    *id = ids.value(0, DISPID_UNKNOWN);
    m_ids.insert(key, *id);
    return S_OK;
}

Status Object::invoke(DispId id, InvokeKind kind, const QVariantList &args, QVariant *result)
{
    if (!m_object)
        return E_POINTER;
    return m_object->invoke(id, kind, args, result);
}

Status Object::invoke(const QString &name, InvokeKind kind, const QVariantList &args,
                      QVariant *result)
{
    DispId id = DISPID_UNKNOWN;
    const Status status = idOf(name, &id);
    if (failed(status))
        return status;
    return invoke(id, kind, args, result);
}

namespace {

QVariant withStatus(Status outcome, QVariant result, Status *status)
{
    if (status)
        *status = outcome;
    return failed(outcome) ? QVariant() : std::move(result);
}

} // namespace

QVariant Object::call(const QString &name, const QVariantList &args, Status *status)
{
    QVariant result;
    const Status outcome = invoke(name, DISPATCH_METHOD, args, &result);
    return withStatus(outcome, std::move(result), status);
}

QVariant Object::get(const QString &name, Status *status)
{
    QVariant result;
    const Status outcome = invoke(name, DISPATCH_PROPERTYGET, {}, &result);
    return withStatus(outcome, std::move(result), status);
}

Status Object::put(const QString &name, const QVariant &value)
{
    return invoke(name, DISPATCH_PROPERTYPUT, {value}, nullptr);
}

QVariant Object::call(DispId id, const QVariantList &args, Status *status)
{
    QVariant result;
    const Status outcome = invoke(id, DISPATCH_METHOD, args, &result);
    return withStatus(outcome, std::move(result), status);
}

QVariant Object::get(DispId id, Status *status)
{
    QVariant result;
    const Status outcome = invoke(id, DISPATCH_PROPERTYGET, {}, &result);
    return withStatus(outcome, std::move(result), status);
}

Status Object::put(DispId id, const QVariant &value)
{
    return invoke(id, DISPATCH_PROPERTYPUT, {value}, nullptr);
}

void Object::reset()
{
    m_object.reset();
    m_ids.clear();
}

} // namespace automation
