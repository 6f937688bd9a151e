#include "platform/automation/Dispatch.h"
#include "platform/automation/Object.h"
#include "platform/automation/Registry.h"
#include "platform/automation/Variant.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace automation;

using namespace Qt::StringLiterals;

namespace {

QVariant i16(int v)
{
    return QVariant::fromValue<qint16>(static_cast<qint16>(v));
}
// Filled, so that two of them compare equal: a new image's pixels are whatever
// the memory held.
QImage blankDot()
{
    QImage image(1, 1, QImage::Format_Mono);
    image.fill(0);
    return image;
}

QVariant text(const char *s)
{
    return QVariant(QString::fromLatin1(s));
}

TEST(Coercion, ConvertsAsLateBindingDoes)
{
    const struct
    {
        const char *what;
        QVariant in;
        VarType type;
        Status status;
        QVariant out;
    } cases[] = {
        {"int in range", 200, VarType::Int16, S_OK, i16(200)},
        {"lowest short", -32768, VarType::Int16, S_OK, i16(-32768)},
        {"highest short", 32767, VarType::Int16, S_OK, i16(32767)},
        {"above short", 32768, VarType::Int16, DISP_E_OVERFLOW, {}},
        {"below short", -32769, VarType::Int16, DISP_E_OVERFLOW, {}},
        {"half rounds to even down", 2.5, VarType::Int16, S_OK, i16(2)},
        {"half rounds to even up", 3.5, VarType::Int16, S_OK, i16(4)},
        {"negative half", -2.5, VarType::Int16, S_OK, i16(-2)},
        {"fraction rounds", 2.6, VarType::Int16, S_OK, i16(3)},
        {"fraction rounding past range", 32767.5, VarType::Int16, DISP_E_OVERFLOW, {}},
        {"fraction rounding into range", -32768.4, VarType::Int16, S_OK, i16(-32768)},
        {"infinity", qInf(), VarType::Int16, DISP_E_OVERFLOW, {}},
        {"true is -1", true, VarType::Int16, S_OK, i16(-1)},
        {"empty is 0", QVariant(), VarType::Int16, S_OK, i16(0)},
        {"numeric text", text(" 12 "), VarType::Int16, S_OK, i16(12)},
        {"words", text("twelve"), VarType::Int16, DISP_E_TYPEMISMATCH, {}},
        {"empty text", text(""), VarType::Int16, DISP_E_TYPEMISMATCH, {}},
        {"font into number", QFont(), VarType::Int16, DISP_E_TYPEMISMATCH, {}},
        {"long long into long", qint64(1) << 33, VarType::Int32, DISP_E_OVERFLOW, {}},
        {"huge unsigned", quint64(~0ull), VarType::Int32, DISP_E_OVERFLOW, {}},
        {"short into long", i16(-5), VarType::Int32, S_OK, QVariant::fromValue<qint32>(-5)},
        {"number into bool", 2, VarType::Bool, S_OK, QVariant(true)},
        {"zero into bool", 0.0, VarType::Bool, S_OK, QVariant(false)},
        {"negative text into bool", text("-1"), VarType::Bool, S_OK, QVariant(true)},
        {"True text", text("true"), VarType::Bool, S_OK, QVariant(true)},
        {"yes text", text("yes"), VarType::Bool, DISP_E_TYPEMISMATCH, {}},
        {"number into text", 42, VarType::String, S_OK, text("42")},
        {"bool into text", false, VarType::String, S_OK, text("False")},
        {"fraction into text", 0.1234567890123, VarType::String, S_OK, text("0.1234567890123")},
        {"empty into text", QVariant(), VarType::String, S_OK, QVariant(QString())},
        {"image into font", QImage(), VarType::Font, DISP_E_TYPEMISMATCH, {}},
        {"image into picture", blankDot(), VarType::Picture, S_OK, blankDot()},
        {"text into picture", text("a.bmp"), VarType::Picture, DISP_E_TYPEMISMATCH, {}}};
    for (const auto &c : cases) {
        QVariant out;
        EXPECT_EQ(coerce(c.in, c.type, &out), c.status) << c.what;
        if (c.status == S_OK) {
            EXPECT_EQ(out, c.out) << c.what;
            EXPECT_EQ(out.typeId(), c.out.typeId()) << c.what;
        }
    }
    // A pixmap is a picture as well (it has no equality to compare by).
    QVariant out;
    EXPECT_EQ(coerce(QPixmap(2, 3), VarType::Picture, &out), S_OK);
    EXPECT_EQ(out.value<QPixmap>().size(), QSize(2, 3));
}

MemberTable table()
{
    return MemberTable({
        {1, u"SizeX"_s, true, VarType::Int16, {}, {}},
        {7, u"SetData"_s, false, VarType::Bool, {{u"str"_s, VarType::String}}, {}},
        {-552, u"AboutBox"_s, false, VarType::Void, {}, {}},
    });
}

TEST(MemberTable, NamesArgumentsAndMarksTheUnknown)
{
    const MemberTable members = table();
    QList<DispId> ids;
    EXPECT_EQ(members.getIDsOfNames({u"SETDATA"_s, u"Str"_s}, &ids), S_OK);
    EXPECT_EQ(ids, (QList<DispId>{7, 0}));
    EXPECT_EQ(members.getIDsOfNames({u"SetData"_s, u"x"_s}, &ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids, (QList<DispId>{7, DISPID_UNKNOWN}));
}

// The Vog control's member table test covers puts and method arguments.
TEST(MemberTable, PrepareChecksKindAndArguments)
{
    const InvokeKind get = DISPATCH_PROPERTYGET, put = DISPATCH_PROPERTYPUT,
                     method = DISPATCH_METHOD;
    const struct
    {
        const char *what;
        DispId id;
        InvokeKind kind;
        QVariantList args;
        Status status;
        InvokeKind call;
    } cases[] = {{"get", 1, get, {}, S_OK, get},
                 {"get as method", 1, method | get, {}, S_OK, get},
                 {"property called as a method", 1, method, {}, S_OK, get},
                 {"put", 1, put, {5}, S_OK, put},
                 {"put of words", 1, put, {u"five"_s}, DISP_E_TYPEMISMATCH, 0},
                 {"get with argument", 1, get, {1}, DISP_E_BADPARAMCOUNT, 0},
                 {"method", 7, method, {u"001"_s}, S_OK, method},
                 {"method without its argument", 7, method, {}, DISP_E_BADPARAMCOUNT, 0},
                 {"get of a method", -552, get, {}, DISP_E_MEMBERNOTFOUND, 0},
                 {"negative identifier", -552, method, {}, S_OK, method},
                 {"unknown identifier", 99, method, {}, DISP_E_MEMBERNOTFOUND, 0}};
    const MemberTable members = table();
    for (const auto &c : cases) {
        const Member *member = nullptr;
        InvokeKind call = 0;
        QVariantList coerced;
        EXPECT_EQ(members.prepare(c.id, c.kind, c.args, &member, &call, &coerced), c.status)
            << c.what;
        if (c.status == S_OK) {
            EXPECT_EQ(member->id, c.id) << c.what;
            EXPECT_EQ(call, c.call) << c.what;
        }
    }
}

// A member that writes its result and then fails; its look-ups are counted.
class FailingMember : public ComponentObject
{
public:
    explicit FailingMember(int *lookups) : m_lookups(lookups) {}
    Status getIDsOfNames(const QStringList &, QList<DispId> *ids) override
    {
        ++*m_lookups;
        *ids = {1};
        return S_OK;
    }
    Status invoke(DispId, InvokeKind, const QVariantList &, QVariant *result) override
    {
        if (result)
            *result = 7;
        return DISP_E_OVERFLOW;
    }

private:
    int *m_lookups;
};

// What a failed call or get hands back is empty, whatever the member wrote; a
// name is looked up once, in any letter case.
TEST(Object, AFailureReturnsNothingAndANameIsLookedUpOnce)
{
    int lookups = 0;
    Object object(std::make_unique<FailingMember>(&lookups));
    Status status = S_OK;
    EXPECT_EQ(object.call(u"Member"_s, {}, &status), QVariant());
    EXPECT_EQ(status, DISP_E_OVERFLOW);
    EXPECT_EQ(object.get(u"MEMBER"_s), QVariant());
    EXPECT_EQ(object.call(DispId(1), {}), QVariant());
    EXPECT_EQ(lookups, 1);
}

// An object without defaults to take (initNew not implemented) is created all the same.
TEST(Object, CreatesAnObjectWithoutDefaults)
{
    QTemporaryDir dir;
    ClassRegistry registry(dir.filePath(u"registry.ini"_s));
    ClassRegistration entry;
    entry.clsid = QUuid::fromString(u"{44444444-2222-3333-4444-555555555555}"_s);
    entry.serverPath = QStringLiteral(PLAIN_SERVER);
    entry.progId = u"Plain.Object.1"_s;
    ASSERT_EQ(registry.registerClass(entry), S_OK);
    Object object;
    EXPECT_EQ(object.create(u"Plain.Object.1"_s, registry), S_OK);
    EXPECT_FALSE(object.isNull());
}

} // namespace
