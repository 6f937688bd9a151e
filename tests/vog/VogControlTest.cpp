// The control's own tables, checked without a window: the member table against
// the type library it ships, and where a pixel meets the selection.
#include "platform/automation/TypeLibrary.h"
#include "vog/VogGeometry.h"
#include "vog/VogMembers.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <tuple>

using namespace automation;
using namespace Qt::StringLiterals;

namespace {

QByteArray typeLibraryData()
{
    QFile file(QStringLiteral(VOG_TYPELIB));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

std::string describe(const Member &m)
{
    QString text = QString::number(m.id) + u' ' + m.name + (m.isProperty ? u" get "_s : u" "_s) +
                   typeName(m.type) + u'(';
    for (const Param &p : m.params)
        text += p.name + u':' + typeName(p.type) + u' ';
    return (text + u')').toStdString();
}

TEST(VogMembers, TheTypeLibraryHoldsExactlyTheTable)
{
    TypeLibrary library;
    ASSERT_EQ(readTypeLibrary(typeLibraryData(), &library), S_OK);
    const InterfaceInfo *dispatch = library.findInterface(u"_DVog"_s);
    ASSERT_NE(dispatch, nullptr);
    const QList<vog::members::Entry> &table = vog::members::all();
    ASSERT_EQ(dispatch->members.size(), table.size());
    for (qsizetype i = 0; i < table.size(); ++i)
        EXPECT_EQ(describe(dispatch->members[i]), describe(table[i].member)) << i;

    // Read-only is written in the data as "readonly".
    const QJsonObject vogInterface =
        QJsonDocument::fromJson(typeLibraryData())[u"interfaces"_s][0].toObject();
    ASSERT_EQ(vogInterface[u"name"_s].toString(), u"_DVog"_s);
    QStringList readOnlyInData, readOnlyInTable;
    const QJsonArray properties = vogInterface[u"properties"_s].toArray();
    for (const auto &p : properties) {
        if (p[u"readonly"_s].toBool())
            readOnlyInData.append(p[u"name"_s].toString());
    }
    for (const vog::members::Entry &entry : table) {
        if (entry.readOnly)
            readOnlyInTable.append(entry.member.name);
    }
    EXPECT_EQ(readOnlyInData, readOnlyInTable);
    EXPECT_EQ(readOnlyInTable, QStringList({u"CanUndo"_s, u"CanRedo"_s, u"HoverDotX"_s,
                                            u"HoverDotY"_s, u"DragWidth"_s, u"DragHeight"_s}));
    EXPECT_EQ(vog::members::dispatchTable().members().size(), 46);
}

TEST(VogGeometry, EveryHandleAtBothEndsOfItsStrip)
{
    using enum vog::Handle;
    // DotSize 16, DotGap 4: the selection (5,5)-(8,8) covers pixels 100..179; a
    // handle strip is the gap and half a dot, 12 pixels, wide.
    const vog::View view{16, 4, 0, 0, 400, 300, 32, 32};
    const vog::Rect sel{5, 5, 8, 8};
    const std::tuple<int, int, vog::Handle> cases[] = {
        {99, 140, Outside},     {100, 140, Left},        {111, 140, Left},
        {112, 140, Inside},     {167, 140, Inside},      {168, 140, Right},
        {179, 140, Right},      {180, 140, Outside},     {140, 99, Outside},
        {140, 100, Top},        {140, 111, Top},         {140, 112, Inside},
        {140, 167, Inside},     {140, 168, Bottom},      {140, 179, Bottom},
        {140, 180, Outside},    {100, 100, TopLeft},     {179, 100, TopRight},
        {100, 179, BottomLeft}, {179, 179, BottomRight}, {111, 111, TopLeft},
        {168, 168, BottomRight}};
    for (const auto &[x, y, expected] : cases)
        EXPECT_EQ(vog::hitHandle(view, sel, x, y), expected) << x << "," << y;

    // One dot (5,5): pixels 100..119; left wins over right, top over bottom.
    const vog::Rect dot{5, 5, 5, 5};
    const std::tuple<int, int, vog::Handle> small[] = {
        {111, 111, TopLeft}, {112, 111, TopRight}, {111, 112, BottomLeft}, {119, 119, BottomRight}};
    for (const auto &[x, y, expected] : small)
        EXPECT_EQ(vog::hitHandle(view, dot, x, y), expected) << x << "," << y;

    // Beyond the paint area nothing is hit, even inside a larger selection.
    const vog::Rect all{0, 0, 31, 31};
    EXPECT_EQ(vog::hitHandle(view, all, 400, 150), Inside);
    EXPECT_EQ(vog::hitHandle(view, all, 401, 150), Outside);
    EXPECT_EQ(vog::hitHandle(view, all, 150, 301), Outside);
    EXPECT_EQ(vog::hitHandle(view, all, -1, 150), Outside);
}

// What a tool is told of a pixel: with DotSize 16 and DotGap 4, dot 0's square
// is pixels 4..19; the origin is (2, 1) and the graphic 6 x 5.
TEST(VogGeometry, PixelsAsTheToolsSeeThem)
{
    const vog::View view{16, 4, 2, 1, 400, 300, 6, 5};
    const struct
    {
        int x, y;
        vog::Dot dot, nearest;
        bool inside, onSquare;
    } cases[] = {
        {4, 4, {2, 1}, {2, 1}, true, true},    {3, 4, {2, 1}, {2, 1}, true, false},
        {19, 19, {2, 1}, {2, 1}, true, true},  {24, 24, {3, 2}, {3, 2}, true, true},
        {-1, 4, {1, 1}, {2, 1}, true, false},  {-21, -1, {0, 0}, {1, 1}, true, false},
        {84, 4, {6, 1}, {5, 1}, false, false}, {4, 84, {2, 5}, {2, 4}, false, false},
        {79, 79, {5, 4}, {5, 4}, true, true},
    };
    for (const auto &c : cases) {
        const vog::ToolPoint p = vog::toolPoint(view, vog::Rect{2, 1, 3, 2}, c.x, c.y);
        EXPECT_EQ(p.dot, c.dot) << c.x << "," << c.y;
        EXPECT_EQ(p.nearest, c.nearest) << c.x << "," << c.y;
        EXPECT_EQ(std::pair(p.inside, p.onSquare), std::pair(c.inside, c.onSquare))
            << c.x << "," << c.y;
    }
    EXPECT_EQ(vog::toolPoint(view, vog::Rect{2, 1, 3, 2}, 20, 20).handle, vog::Handle::Inside);
}

// DotSize 16 and DotGap 4 in 400 x 300 pixels: 19 columns and 14 rows fit; the
// graphic's far edge ends them sooner.
TEST(VogGeometry, ShownColumnsAndRowsEndAtTheGraphicOrTheWindow)
{
    const struct
    {
        int sizeX, sizeY, fromX, fromY, columns, rows;
    } cases[] = {
        {4, 8, 1, 2, 3, 6}, {32, 32, 0, 0, 19, 14}, {32, 32, 30, 29, 2, 3}, {32, 32, 32, 32, 0, 0}};
    for (const auto &c : cases) {
        const vog::View view{16, 4, c.fromX, c.fromY, 400, 300, c.sizeX, c.sizeY};
        EXPECT_EQ(std::pair(view.shownColumns(), view.shownRows()), std::pair(c.columns, c.rows))
            << c.sizeX << " from " << c.fromX;
    }
}

TEST(VogGeometry, EachHandleMovesItsEdges)
{
    using enum vog::Handle;
    const std::pair<vog::Handle, const char *> cases[] = {
        {Outside, "...."},     {Top, "T..."},     {Bottom, ".B.."},   {Left, "..L."},
        {Right, "...R"},       {TopLeft, "T.L."}, {TopRight, "T..R"}, {BottomLeft, ".BL."},
        {BottomRight, ".B.R"}, {Inside, "...."}};
    for (const auto &[handle, edges] : cases) {
        const std::string moved = {
            vog::movesTop(handle) ? 'T' : '.', vog::movesBottom(handle) ? 'B' : '.',
            vog::movesLeft(handle) ? 'L' : '.', vog::movesRight(handle) ? 'R' : '.'};
        EXPECT_EQ(moved, edges);
    }
}

} // namespace
