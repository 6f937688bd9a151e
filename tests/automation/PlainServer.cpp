// A component library of one object that has no defaults to take: its initNew
// is the one every object inherits.
#include "platform/automation/Component.h"

using namespace automation;

namespace {

class Plain : public ComponentObject
{
public:
    Status getIDsOfNames(const QStringList &, QList<DispId> *) override
    {
        return DISP_E_UNKNOWNNAME;
    }
    Status invoke(DispId, InvokeKind, const QVariantList &, QVariant *) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }
};

class Factory : public ClassFactory
{
public:
    Status createInstance(std::unique_ptr<ComponentObject> *object) override
    {
        *object = std::make_unique<Plain>();
        return S_OK;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT Status DllGetClassObject(const QUuid *, ClassFactory **factory)
{
    *factory = new Factory;
    return S_OK;
}
