#include "VogHost.h"

#include "platform/automation/TypeLibrary.h"

#include <QFile>
#include <QFont>
#include <QImage>

using namespace automation;
using namespace Qt::StringLiterals;

namespace {

using VogDispatch = VogFixture;

TEST_F(VogDispatch, DefaultsThenPutsLimitTheirValues)
{
    const std::pair<const char *, QVariant> defaults[] = {
        {"SizeX", 32},    {"SizeY", 32},     {"DotSize", 16}, {"DotGap", 4},   {"FromX", 0},
        {"FromY", 0},     {"SelSet", false}, {"Mode", false}, {"DrawMode", 0}, {"TextAlignment", 0},
        {"UndoDepth", 8}, {"SelPosX1", 0},   {"SelPosY1", 0}, {"SelPosX2", 0}, {"SelPosY2", 0}};
    for (const auto &[name, value] : defaults)
        EXPECT_EQ(vog.get(QLatin1String(name)), value) << name;
    EXPECT_EQ(vog.call(u"GetData"_s).toString(), u"032,004"_s + u",000"_s.repeated(128));

    move(vog, 37, 12); // MouseX follows the mouse, a put of it is ignored
    const struct
    {
        const char *name;
        QVariant value;
        int expected;
    } cases[] = {
        {"SizeX", 200, 128},      {"SizeX", 0, 1},         {"SizeY", -4, 1},
        {"DotSize", 51, 50},      {"DotSize", 0, 1},       {"DotGap", 11, 10},
        {"DotGap", 0, 1},         {"FromX", 129, 128},     {"FromY", -1, 0},
        {"DrawMode", 3, 2},       {"DrawMode", 32767, 2},  {"DrawMode", -32768, 0},
        {"TextAlignment", -1, 0}, {"TextAlignment", 7, 2}, {"SizeX", 32, 32},
        {"SelPosX1", -3, 0},      {"SelPosX2", 40, 31},    {"SizeY", u"16"_s, 16},
        {"SelPosY2", 2.5, 2},     {"SelPosY1", 3.5, 4},    {"SelPosY2", 99, 15},
        {"MouseX", 5, 37},        {"UndoDepth", 7, 8},     {"UndoDepth", 257, 256},
        {"UndoDepth", 8, 8},      {"UndoDepth", 256, 256},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(vog.put(QLatin1String(c.name), c.value), S_OK) << c.name;
        EXPECT_EQ(vog.get(QLatin1String(c.name)).toInt(), c.expected)
            << c.name << " " << c.value.toString();
    }

    EXPECT_EQ(vog.put(u"SizeX"_s, 40000), DISP_E_OVERFLOW);
    EXPECT_EQ(vog.put(u"SizeX"_s, u"wide"_s), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(vog.get(u"SizeX"_s).toInt(), 32);
    EXPECT_EQ(vog.put(u"Font"_s, 12), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(vog.put(u"Colour"_s, 1), DISP_E_UNKNOWNNAME);
}

// The 16-bit codes of PaintSelection and RotateSelection, at both ends
// of their range and beyond, on a floating "#." at (0, 0).
TEST_F(VogDispatch, CodesKeepTheirMeaningsAcrossTheWholeRange)
{
    const std::pair<int, const char *> paints[] = {
        {0, "002,001,000,000"},     {1, "002,001,001,001"},  {2, "002,001,000,001"},
        {3, "002,001,000,001"},     {-1, "002,001,000,001"}, {32767, "002,001,000,001"},
        {-32768, "002,001,000,001"}};
    for (const auto &[code, after] : paints) {
        ASSERT_TRUE(vog.call(u"SetOvl"_s, {u"002,001,001,000"_s}).toBool());
        vog.call(u"PaintSelection"_s, {code});
        EXPECT_EQ(vog.call(u"GetOvl"_s).toString(), QLatin1String(after)) << code;
    }
    const std::pair<int, const char *> turns[] = {
        {0, "001,002,002"},  {1, "002,001,000,001"}, {2, "001,002,001"},     {3, "001,002,001"},
        {-1, "001,002,001"}, {32767, "001,002,001"}, {-32768, "001,002,001"}};
    for (const auto &[code, after] : turns) {
        ASSERT_TRUE(vog.call(u"SetOvl"_s, {u"002,001,001,000"_s}).toBool());
        EXPECT_TRUE(vog.call(u"RotateSelection"_s, {code}).toBool()) << code;
        EXPECT_EQ(vog.call(u"GetOvl"_s).toString(), QLatin1String(after)) << code;
    }
}

// Every member of _DVog in the type library answers by name with its identifier,
// and takes exactly the arguments of the declared types.
TEST_F(VogDispatch, MembersMatchTheTypeLibrary)
{
    QFile file(QStringLiteral(VOG_TYPELIB));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TypeLibrary library;
    ASSERT_EQ(readTypeLibrary(file.readAll(), &library), S_OK);
    EXPECT_EQ(library.name, u"VogLib"_s);
    const InterfaceInfo *dispatch = library.findInterface(u"_DVog"_s);
    ASSERT_NE(dispatch, nullptr);
    ASSERT_EQ(dispatch->members.size(), 46);

    ComponentObject *object = vog.get();
    for (const Member &member : dispatch->members) {
        const std::string name = member.name.toStdString();
        QList<DispId> ids;
        QStringList names{member.name.toUpper()};
        for (const Param &param : member.params)
            names.append(param.name);
        ASSERT_EQ(object->getIDsOfNames(names, &ids), S_OK) << name;
        EXPECT_EQ(ids.first(), member.id) << name;

        if (member.isProperty) {
            QVariant value, same;
            ASSERT_EQ(object->invoke(member.id, DISPATCH_PROPERTYGET, {}, &value), S_OK) << name;
            EXPECT_EQ(coerce(value, member.type, &same), S_OK) << name;
            EXPECT_EQ(same.typeId(), value.typeId()) << name;
            EXPECT_EQ(object->invoke(member.id, DISPATCH_PROPERTYPUT, {}, nullptr),
                      DISP_E_BADPARAMCOUNT)
                << name;
            // The undo flags, the pointer's dot and the dragged size are
            // read-only, as a property without a put.
            const bool readOnly = QStringList{u"CanUndo"_s,   u"CanRedo"_s,   u"HoverDotX"_s,
                                              u"HoverDotY"_s, u"DragWidth"_s, u"DragHeight"_s}
                                      .contains(member.name);
            EXPECT_EQ(object->invoke(member.id, DISPATCH_PROPERTYPUT, {value}, nullptr),
                      readOnly ? DISP_E_MEMBERNOTFOUND : S_OK)
                << name;
            continue;
        }
        // One argument too many is refused before anything runs.
        QVariantList tooMany(member.params.size() + 1, QVariant(0));
        EXPECT_EQ(object->invoke(member.id, DISPATCH_METHOD, tooMany, nullptr),
                  DISP_E_BADPARAMCOUNT)
            << name;
        EXPECT_EQ(object->invoke(member.id, DISPATCH_PROPERTYPUT, {0}, nullptr),
                  DISP_E_MEMBERNOTFOUND)
            << name;
        for (qsizetype i = 0; i < member.params.size(); ++i) {
            // A picture is taken only by a picture argument.
            QVariantList args(member.params.size(), QVariant(0));
            args[i] = QVariant::fromValue(QImage());
            if (member.params[i].type != VarType::Picture) {
                EXPECT_EQ(object->invoke(member.id, DISPATCH_METHOD, args, nullptr),
                          DISP_E_TYPEMISMATCH)
                    << name;
            }
        }
    }

    const InterfaceInfo *events = library.findInterface(u"_DVogEvents"_s);
    ASSERT_NE(events, nullptr);
    EXPECT_TRUE(events->isEventSource);
    ASSERT_EQ(events->members.size(), 1);
    EXPECT_EQ(events->members[0].name, u"MouseBtnUp"_s);
    EXPECT_EQ(events->members[0].id, 1);
}

// Mode is what a host that knows no Tool sees: TRUE for every drawing tool,
// and put TRUE chooses the pen, FALSE the selection tool.
TEST_F(VogDispatch, ToolAndModeAgreeBothWays)
{
    const struct
    {
        int put, tool;
        bool mode;
    } tools[] = {{0, 0, false}, {1, 1, true}, {2, 2, true},   {3, 3, true},
                 {4, 4, true},  {5, 5, true}, {-4, 0, false}, {6, 5, true}};
    for (const auto &t : tools) {
        vog.put(u"Tool"_s, t.put);
        EXPECT_EQ(vog.get(u"Tool"_s).toInt(), t.tool) << t.put;
        EXPECT_EQ(vog.get(u"Mode"_s).toBool(), t.mode) << t.put;
    }
    vog.put(u"Tool"_s, 4);
    vog.put(u"Mode"_s, true);
    EXPECT_EQ(vog.get(u"Tool"_s).toInt(), 1);
    vog.put(u"Mode"_s, false);
    EXPECT_EQ(vog.get(u"Tool"_s).toInt(), 0);

    // A drawing tool places a floating selection, as one undo step.
    ASSERT_TRUE(vog.call(u"SetData"_s, {u"002,001,000,000"_s}).toBool());
    ASSERT_TRUE(vog.call(u"SetOvl"_s, {u"001,001,001"_s}).toBool());
    vog.put(u"Tool"_s, 3);
    EXPECT_FALSE(vog.get(u"SelSet"_s).toBool());
    EXPECT_EQ(vog.call(u"GetData"_s).toString(), u"002,001,001,000"_s);
    vog.call(u"UndoChange"_s);
    EXPECT_EQ(vog.call(u"GetData"_s).toString(), u"002,001,000,000"_s);
}

TEST_F(VogDispatch, PersistenceKeepsPropertiesButNeverDots)
{
    ASSERT_TRUE(vog.call(u"SetData"_s, {u"002,001,255,001"_s}).toBool());
    const std::pair<QString, int> puts[] = {{u"DotSize"_s, 7},
                                            {u"SelPosX2"_s, 1},
                                            {u"SelSet"_s, 1},
                                            {u"TextAlignment"_s, 2},
                                            {u"UndoDepth"_s, 100}};
    for (const auto &[name, value] : puts)
        vog.put(name, value);
    PropertyBag bag;
    ASSERT_EQ(vog.get()->save(&bag), S_OK);
    QStringList names;
    for (const auto &[name, value] : bag)
        names.append(name);
    EXPECT_EQ(names.join(u' '),
              u"_Version SizeX SizeY DotSize DotGap FromX FromY SelSet SelPosX1 "
              u"SelPosY1 SelPosX2 SelPosY2 Mode DrawMode TextAlignment Font UndoDepth"_s);
    // Saving is an exchange too: the plane is white afterwards.
    EXPECT_EQ(vog.call(u"GetData"_s).toString(), u"002,001,000,000"_s);

    Object other = host.create();
    ASSERT_TRUE(other.call(u"SetData"_s, {u"002,001,255,255"_s}).toBool());
    ASSERT_EQ(other.get()->load(bag), S_OK);
    EXPECT_EQ(other.call(u"GetData"_s).toString(), u"002,001,000,000"_s);
    EXPECT_EQ(other.get(u"SizeY"_s).toInt(), 8);
    for (const auto &[name, value] : puts)
        EXPECT_EQ(other.get(name).toInt(), value) << name;

    // Stored values outside the setters' ranges would index outside the planes or
    // divide by a zero pitch: a load keeps them in range.
    const struct
    {
        QString name;
        int stored, expected;
    } stored[] = {{u"SizeX"_s, 500, 128}, {u"SizeY"_s, -2, 1},       {u"DotSize"_s, 0, 1},
                  {u"DotGap"_s, 0, 1},    {u"SelPosX2"_s, 900, 127}, {u"FromX"_s, -7, 0},
                  {u"UndoDepth"_s, 3, 8}, {u"dotsize"_s, 9, 1}}; // a name is matched exactly: this
                                                                 // one is no DotSize
    PropertyBag bad;
    for (const auto &s : stored)
        bad.append({s.name, s.stored});
    ASSERT_EQ(vog.get()->load(bad), S_OK);
    for (const auto &s : stored)
        EXPECT_EQ(vog.get(s.name).toInt(), s.expected) << s.name;
    grabPaintArea(vog); // paints without fault
}

} // namespace
