#include "Dispatch.h"
#include "Variant.h"

#include <QFont>
#include <QImage>
#include <gtest/gtest.h>

using namespace automation;

namespace {

struct CoercionCase
{
    const char *what;
    QVariant in;
    VarType type;
    Status status;
    QVariant out;
};

class Coercion : public ::testing::TestWithParam<CoercionCase>
{
};

TEST_P(Coercion, ConvertsAsLateBindingDoes)
{
    const CoercionCase &c = GetParam();
    QVariant out;
    EXPECT_EQ(coerce(c.in, c.type, &out), c.status) << c.what;
    if (c.status == S_OK) {
        EXPECT_EQ(out, c.out) << c.what;
        EXPECT_EQ(out.typeId(), c.out.typeId()) << c.what;
    }
}

QVariant i16(int v)
{
    return QVariant::fromValue<qint16>(static_cast<qint16>(v));
}
QVariant i32(qint32 v)
{
    return QVariant::fromValue<qint32>(v);
}
QVariant text(const char *s)
{
    return QVariant(QString::fromLatin1(s));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Coercion,
    ::testing::Values(
        CoercionCase{"int in range", 200, VarType::Int16, S_OK, i16(200)},
        CoercionCase{"lowest short", -32768, VarType::Int16, S_OK, i16(-32768)},
        CoercionCase{"above short", 32768, VarType::Int16, DISP_E_OVERFLOW, {}},
        CoercionCase{"below short", -32769, VarType::Int16, DISP_E_OVERFLOW, {}},
        CoercionCase{"half rounds to even down", 2.5, VarType::Int16, S_OK, i16(2)},
        CoercionCase{"half rounds to even up", 3.5, VarType::Int16, S_OK, i16(4)},
        CoercionCase{"negative half", -2.5, VarType::Int16, S_OK, i16(-2)},
        CoercionCase{"fraction rounds", 2.6, VarType::Int16, S_OK, i16(3)},
        CoercionCase{"fraction rounding past range", 32767.5, VarType::Int16, DISP_E_OVERFLOW, {}},
        CoercionCase{"fraction rounding into range", -32768.4, VarType::Int16, S_OK, i16(-32768)},
        CoercionCase{"infinity", qInf(), VarType::Int16, DISP_E_OVERFLOW, {}},
        CoercionCase{"true is -1", true, VarType::Int16, S_OK, i16(-1)},
        CoercionCase{"empty is 0", QVariant(), VarType::Int16, S_OK, i16(0)},
        CoercionCase{"numeric text", text(" 12 "), VarType::Int16, S_OK, i16(12)},
        CoercionCase{"words", text("twelve"), VarType::Int16, DISP_E_TYPEMISMATCH, {}},
        CoercionCase{"empty text", text(""), VarType::Int16, DISP_E_TYPEMISMATCH, {}},
        CoercionCase{"font into number", QFont(), VarType::Int16, DISP_E_TYPEMISMATCH, {}},
        CoercionCase{"long long into long", qint64(1) << 33, VarType::Int32, DISP_E_OVERFLOW, {}},
        CoercionCase{"huge unsigned", quint64(~0ull), VarType::Int32, DISP_E_OVERFLOW, {}},
        CoercionCase{"short into long", i16(-5), VarType::Int32, S_OK, i32(-5)},
        CoercionCase{"number into bool", 2, VarType::Bool, S_OK, QVariant(true)},
        CoercionCase{"zero into bool", 0.0, VarType::Bool, S_OK, QVariant(false)},
        CoercionCase{"True text", text("true"), VarType::Bool, S_OK, QVariant(true)},
        CoercionCase{"yes text", text("yes"), VarType::Bool, DISP_E_TYPEMISMATCH, {}},
        CoercionCase{"number into text", 42, VarType::String, S_OK, text("42")},
        CoercionCase{"bool into text", false, VarType::String, S_OK, text("False")},
        CoercionCase{"empty into text", QVariant(), VarType::String, S_OK, QVariant(QString())},
        CoercionCase{"image into font", QImage(), VarType::Font, DISP_E_TYPEMISMATCH, {}},
        CoercionCase{
            "text into picture", text("a.bmp"), VarType::Picture, DISP_E_TYPEMISMATCH, {}}));

MemberTable table()
{
    return MemberTable({
        {1, QStringLiteral("SizeX"), true, VarType::Int16, {}, {}},
        {7,
         QStringLiteral("SetData"),
         false,
         VarType::Bool,
         {{QStringLiteral("str"), VarType::String}},
         {}},
        {-552, QStringLiteral("AboutBox"), false, VarType::Void, {}, {}},
    });
}

TEST(MemberTable, FindsNamesWithoutRegardToCase)
{
    const MemberTable members = table();
    QList<DispId> ids;
    EXPECT_EQ(members.getIDsOfNames({QStringLiteral("sizex")}, &ids), S_OK);
    EXPECT_EQ(ids, QList<DispId>{1});
    EXPECT_EQ(members.getIDsOfNames({QStringLiteral("SETDATA"), QStringLiteral("Str")}, &ids),
              S_OK);
    EXPECT_EQ(ids, (QList<DispId>{7, 0}));
    EXPECT_EQ(members.getIDsOfNames({QStringLiteral("SetData"), QStringLiteral("x")}, &ids),
              DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids, (QList<DispId>{7, DISPID_UNKNOWN}));
    EXPECT_EQ(members.getIDsOfNames({QStringLiteral("Size")}, &ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids, QList<DispId>{DISPID_UNKNOWN});
}

struct PrepareCase
{
    const char *what;
    DispId id;
    InvokeKind kind;
    QVariantList args;
    Status status;
    InvokeKind call;
};

class Prepare : public ::testing::TestWithParam<PrepareCase>
{
};

TEST_P(Prepare, ChecksKindAndArguments)
{
    const PrepareCase &c = GetParam();
    const MemberTable members = table();
    const Member *member = nullptr;
    InvokeKind call = 0;
    QVariantList coerced;
    EXPECT_EQ(members.prepare(c.id, c.kind, c.args, &member, &call, &coerced), c.status) << c.what;
    if (c.status == S_OK) {
        EXPECT_EQ(member->id, c.id) << c.what;
        EXPECT_EQ(call, c.call) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Prepare,
    ::testing::Values(
        PrepareCase{"get", 1, DISPATCH_PROPERTYGET, {}, S_OK, DISPATCH_PROPERTYGET},
        PrepareCase{"get as method",
                    1,
                    DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                    {},
                    S_OK,
                    DISPATCH_PROPERTYGET},
        PrepareCase{"put", 1, DISPATCH_PROPERTYPUT, {5}, S_OK, DISPATCH_PROPERTYPUT},
        PrepareCase{"put without value", 1, DISPATCH_PROPERTYPUT, {}, DISP_E_BADPARAMCOUNT, 0},
        PrepareCase{"get with argument", 1, DISPATCH_PROPERTYGET, {1}, DISP_E_BADPARAMCOUNT, 0},
        PrepareCase{"put overflowing", 1, DISPATCH_PROPERTYPUT, {70000}, DISP_E_OVERFLOW, 0},
        PrepareCase{"method", 7, DISPATCH_METHOD, {QStringLiteral("001")}, S_OK, DISPATCH_METHOD},
        PrepareCase{"method missing argument", 7, DISPATCH_METHOD, {}, DISP_E_BADPARAMCOUNT, 0},
        PrepareCase{"put to a method", 7, DISPATCH_PROPERTYPUT, {1}, DISP_E_MEMBERNOTFOUND, 0},
        PrepareCase{"get of a method", -552, DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND, 0},
        PrepareCase{"negative identifier", -552, DISPATCH_METHOD, {}, S_OK, DISPATCH_METHOD},
        PrepareCase{"unknown identifier", 99, DISPATCH_METHOD, {}, DISP_E_MEMBERNOTFOUND, 0}));

} // namespace
