#include "platform/automation/Dispatch.h"

namespace automation {

MemberTable::MemberTable(QList<Member> members) : m_members(std::move(members)) {}

const Member *MemberTable::find(DispId id) const
{
    for (const Member &member : m_members) {
        if (member.id == id)
            return &member;
    }
    return nullptr;
}

Status MemberTable::getIDsOfNames(const QStringList &names, QList<DispId> *ids) const
{
    ids->clear();
    if (names.isEmpty())
        return E_INVALIDARG;
    const Member *found = nullptr;
    for (const Member &member : m_members) {
        if (member.name.compare(names.first(), Qt::CaseInsensitive) == 0)
            found = &member;
    }
    Status status = found ? S_OK : DISP_E_UNKNOWNNAME;
    ids->append(found ? found->id : DISPID_UNKNOWN);
    for (qsizetype i = 1; i < names.size(); ++i) {
        DispId paramId = DISPID_UNKNOWN;
        if (found) {
            for (qsizetype p = 0; p < found->params.size(); ++p) {
                if (found->params[p].name.compare(names[i], Qt::CaseInsensitive) == 0)
                    paramId = static_cast<DispId>(p);
            }
        }
        if (paramId == DISPID_UNKNOWN)
            status = DISP_E_UNKNOWNNAME;
        ids->append(paramId);
    }
    return status;
}

Status MemberTable::prepare(DispId id, InvokeKind kind, const QVariantList &args,
                            const Member **found, InvokeKind *called, QVariantList *coerced) const
{
    const Member *member = find(id);
    if (!member)
        return DISP_E_MEMBERNOTFOUND;

    InvokeKind call = 0;
    QList<VarType> types;
    if (member->isProperty) {
        if (kind & DISPATCH_PROPERTYPUT) {
            call = DISPATCH_PROPERTYPUT;
            types = {member->type};
        } else if (kind & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) {
            call = DISPATCH_PROPERTYGET;
        }
    } else if (kind & DISPATCH_METHOD) {
        call = DISPATCH_METHOD;
        for (const Param &param : member->params)
            types.append(param.type);
    }
    if (call == 0)
        return DISP_E_MEMBERNOTFOUND;
    if (args.size() != types.size())
        return DISP_E_BADPARAMCOUNT;

    coerced->clear();
    for (qsizetype i = 0; i < args.size(); ++i) {
        QVariant value;
        const Status status = coerce(args[i], types[i], &value);
        if (failed(status))
            return status;
        coerced->append(value);
    }
    *found = member;
    *called = call;
    return S_OK;
}

} // namespace automation
