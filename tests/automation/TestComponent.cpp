// A minimal component library for the component model's own tests: one class
// "Fendrel.TestCounter.1" with a few members of every argument type.
#include "Component.h"
#include "Library.h"
#include "Registry.h"

using namespace automation;

namespace {

const QUuid counterClass =
    QUuid::fromString(QStringLiteral("{6A0B7C51-2F1E-4D3A-9C11-0E5B7A1D2C01}"));

MemberTable counterMembers()
{
    return MemberTable({
        {1, QStringLiteral("Value"), true, VarType::Int16, {}, {}},
        {2, QStringLiteral("Wide"), true, VarType::Int32, {}, {}},
        {3, QStringLiteral("Label"), true, VarType::String, {}, {}},
        {4, QStringLiteral("Flag"), true, VarType::Bool, {}, {}},
        {5,
         QStringLiteral("Add"),
         false,
         VarType::Int32,
         {{QStringLiteral("amount"), VarType::Int16}},
         {}},
    });
}

class Counter : public ComponentObject
{
public:
    Status getIDsOfNames(const QStringList &names, QList<DispId> *ids) override
    {
        return m_members.getIDsOfNames(names, ids);
    }

    Status invoke(DispId id, InvokeKind kind, const QVariantList &args, QVariant *result) override
    {
        const Member *member = nullptr;
        InvokeKind call = 0;
        QVariantList coerced;
        const Status status = m_members.prepare(id, kind, args, &member, &call, &coerced);
        if (failed(status))
            return status;
        QVariant ignored;
        QVariant &out = result ? *result : ignored;
        if (member->id == 5) {
            out = QVariant::fromValue<qint32>(m_values[0].toInt() + coerced[0].toInt());
            return S_OK;
        }
        QVariant &slot = m_values[member->id - 1];
        if (call == DISPATCH_PROPERTYPUT)
            slot = coerced[0];
        else
            out = slot;
        return S_OK;
    }

    Status initNew() override
    {
        m_values[0] = QVariant::fromValue<qint16>(7);
        return S_OK;
    }

private:
    MemberTable m_members = counterMembers();
    QVariantList m_values{QVariant::fromValue<qint16>(0), QVariant::fromValue<qint32>(0), QString(),
                          false};
};

class CounterFactory : public ClassFactory
{
public:
    Status createInstance(std::unique_ptr<ComponentObject> *object) override
    {
        *object = std::make_unique<Counter>();
        return S_OK;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT Status DllRegisterServer()
{
    ClassRegistration entry;
    entry.clsid = counterClass;
    entry.userTypeName = QStringLiteral("Test Counter");
    entry.serverPath = modulePath(reinterpret_cast<const void *>(&DllRegisterServer));
    entry.progId = QStringLiteral("Fendrel.TestCounter.1");
    return failed(ClassRegistry::user().registerClass(entry)) ? SELFREG_E_CLASS : S_OK;
}

extern "C" Q_DECL_EXPORT Status DllUnregisterServer()
{
    return failed(ClassRegistry::user().unregisterClass(counterClass)) ? SELFREG_E_CLASS : S_OK;
}

extern "C" Q_DECL_EXPORT Status DllGetClassObject(const QUuid *clsid, ClassFactory **factory)
{
    *factory = nullptr;
    if (!clsid || *clsid != counterClass)
        return CLASS_E_CLASSNOTAVAILABLE;
    *factory = new CounterFactory;
    return S_OK;
}

extern "C" Q_DECL_EXPORT Status DllCanUnloadNow()
{
    return S_FALSE;
}
