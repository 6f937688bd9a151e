#pragma once

#include "platform/automation/Status.h"
#include "platform/automation/Variant.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// Late binding: members found by name, then invoked by dispatch identifier with
// QVariant arguments.
namespace automation {

using DispId = qint32;
constexpr DispId DISPID_UNKNOWN = -1;

// What a call asks of a member; a get may be combined with Method, as late-bound
// callers that do not know whether a name is a property or a method do.
using InvokeKind = int;
constexpr InvokeKind DISPATCH_METHOD = 1;
constexpr InvokeKind DISPATCH_PROPERTYGET = 2;
constexpr InvokeKind DISPATCH_PROPERTYPUT = 4;

class Dispatch
{
public:
    virtual ~Dispatch() = default;

    // names[0] is a member, the rest are parameter names of it; matching ignores
    // letter case. Unknown names give DISPID_UNKNOWN and DISP_E_UNKNOWNNAME.
    virtual Status getIDsOfNames(const QStringList &names, QList<DispId> *ids) = 0;

    // A put takes the value as its only argument. `result` may be null.
    virtual Status invoke(DispId id, InvokeKind kind, const QVariantList &args,
                          QVariant *result) = 0;
};

struct Param
{
    QString name;
    VarType type = VarType::Int16;
};

struct Member
{
    DispId id = DISPID_UNKNOWN;
    QString name;
    bool isProperty = false;
    VarType type = VarType::Void; // a property's type, or a method's result
    QList<Param> params;          // methods only
    QString helpString;
};

// A dispatch interface's member table: finds members by name (ignoring case), and
// checks a call before an object carries it out: the kind of call, the argument
// count, and the arguments coerced to the declared types.
class MemberTable
{
public:
    explicit MemberTable(QList<Member> members);

    Status getIDsOfNames(const QStringList &names, QList<DispId> *ids) const;

    // On success *member is the member called, *call exactly one of DISPATCH_METHOD,
    // DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, and *coerced the arguments in
    // their declared types.
    Status prepare(DispId id, InvokeKind kind, const QVariantList &args, const Member **member,
                   InvokeKind *call, QVariantList *coerced) const;

    const Member *find(DispId id) const;
    const QList<Member> &members() const { return m_members; }

private:
    QList<Member> m_members;
};

} // namespace automation
