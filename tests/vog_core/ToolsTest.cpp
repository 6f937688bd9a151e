// The tools driven directly in dots, as the control's window forwards the
// mouse to them.
#include "vog/core/Tools.h"
#include "ModelFixtures.h"
#include "vog/core/Shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace vog;
using vogtest::graphic;
using vogtest::picture;

namespace {

ToolPoint at(const DotModel &m, Dot d, Handle handle = Handle::Outside)
{
    ToolPoint p;
    p.dot = d;
    p.nearest = Dot{std::clamp(d.x, 0, m.SizeX() - 1), std::clamp(d.y, 0, m.SizeY() - 1)};
    p.inside = d.x >= 0 && d.y >= 0 && d.x < m.SizeX() && d.y < m.SizeY();
    p.onSquare = p.inside;
    p.handle = handle;
    return p;
}

// Press on the first dot, move through the rest, release.
void gesture(DotModel &m, Tool &tool, const std::vector<Dot> &path, ToolOptions options = {},
             Modifiers keys = {})
{
    tool.begin(m, at(m, path.front()), keys, options);
    for (std::size_t i = 1; i < path.size(); ++i)
        tool.move(m, at(m, path[i]), keys);
    tool.end(m);
}

std::unique_ptr<DotModel> white(int w, int h)
{
    return graphic(std::vector<std::string>(static_cast<std::size_t>(h), std::string(w, '.')));
}

std::string drawn(ToolKind kind, int w, int h, Dot from, Dot to, bool filled = false,
                  Modifiers keys = {})
{
    auto m = white(w, h);
    ToolBox box;
    box.choose(kind);
    gesture(*m, box.tool(), {from, to}, ToolOptions{Pen::Black, filled}, keys);
    // Nothing lands beyond the graphic, where a hidden dot would come back.
    std::string shown = picture(*m, false, w, h);
    const std::string plane = picture(*m, false, 128, 128);
    EXPECT_EQ(std::count(plane.begin(), plane.end(), '#'),
              std::count(shown.begin(), shown.end(), '#'));
    return shown;
}

TEST(Lines, EveryOctantBothEndsAndTheEdges)
{
    struct Case
    {
        Dot from, to;
        const char *dots;
    };
    const Case cases[] = {
        {{2, 2}, {4, 1}, "...../...##/..#../...../....."}, // the eight octants from the middle
        {{2, 2}, {4, 3}, "...../...../..#../...##/....."},
        {{2, 2}, {0, 1}, "...../##.../..#../...../....."},
        {{2, 2}, {0, 3}, "...../...../..#../##.../....."},
        {{2, 2}, {1, 0}, ".#.../.#.../..#../...../....."},
        {{2, 2}, {3, 0}, "...#./...#./..#../...../....."},
        {{2, 2}, {1, 4}, "...../...../..#../.#.../.#..."},
        {{2, 2}, {3, 4}, "...../...../..#../...#./...#."},
        {{2, 2}, {2, 2}, "...../...../..#../...../....."}, // length 1
        {{0, 0}, {4, 0}, "#####/...../...../...../....."}, // along the edges
        {{4, 4}, {4, 0}, "....#/....#/....#/....#/....#"},
        {{0, 4}, {4, 0}, "....#/...#./..#../.#.../#...."},
        {{2, 2}, {9, 2}, "...../...../..###/...../....."}, // clipped, not wrapped
        {{2, 2}, {-5, 2}, "...../...../###../...../....."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(drawn(ToolKind::Line, 5, 5, c.from, c.to), c.dots)
            << c.from.x << "," << c.from.y << " " << c.to.x << "," << c.to.y;
}

TEST(Rectangles, OutlineFilledDegenerateAndClipped)
{
    struct Case
    {
        Dot from, to;
        bool filled;
        const char *dots;
    };
    const Case cases[] = {
        {{1, 1}, {4, 3}, false, "....../.####./.#..#./.####."},
        {{4, 3}, {1, 1}, true, "....../.####./.####./.####."},
        {{2, 1}, {2, 1}, false, "....../..#.../....../......"},  // 1 x 1
        {{2, 0}, {2, 3}, false, "..#.../..#.../..#.../..#..."},  // 1 x N
        {{0, 2}, {5, 2}, true, "....../....../######/......"},   // N x 1
        {{3, 1}, {9, 2}, false, "....../...###/...###/......"},  // past the right edge
        {{2, 2}, {-3, 9}, false, "....../....../###.../..#..."}, // past left and bottom
        {{2, 1}, {4, -6}, false, "..#.#./..###./....../......"}, // past the top
    };
    for (const Case &c : cases)
        EXPECT_EQ(drawn(ToolKind::Rectangle, 6, 4, c.from, c.to, c.filled), c.dots)
            << c.from.x << "," << c.from.y << " " << c.to.x << "," << c.to.y;
    // The whole largest graphic: its border, every cell of it when filled.
    const std::string all = drawn(ToolKind::Rectangle, 128, 128, {0, 0}, {127, 127}, true);
    EXPECT_EQ(std::count(all.begin(), all.end(), '#'), 128 * 128);
    const std::string border = drawn(ToolKind::Rectangle, 128, 128, {127, 127}, {0, 0});
    EXPECT_EQ(std::count(border.begin(), border.end(), '#'), 4 * 127);
}

TEST(Ellipses, SmallBoxesByHand)
{
    struct Case
    {
        int w, h;
        Dot from, to;
        bool filled;
        const char *dots;
    };
    const Case cases[] = {
        {5, 5, {0, 0}, {4, 4}, false, ".###./#...#/#...#/#...#/.###."},
        {5, 5, {0, 0}, {4, 4}, true, ".###./#####/#####/#####/.###."},
        {6, 4, {0, 0}, {5, 3}, false, ".####./#....#/#....#/.####."},
        {7, 5, {6, 4}, {0, 0}, false, "..###../.#...#./#.....#/.#...#./..###.."},
        {6, 4, {2, 1}, {2, 1}, false, "....../..#.../....../......"}, // 1 x 1
        {6, 4, {1, 0}, {1, 3}, false, ".#..../.#..../.#..../.#...."}, // 1 x N
        {6, 4, {0, 2}, {5, 2}, false, "....../....../######/......"}, // N x 1
        {6, 4, {0, 0}, {1, 1}, false, "##..../##..../....../......"}, // 2 x 2
        {6, 4, {3, 1}, {8, 2}, false, "....../...###/...###/......"}, // clipped at the right
    };
    for (const Case &c : cases)
        EXPECT_EQ(drawn(ToolKind::Ellipse, c.w, c.h, c.from, c.to, c.filled), c.dots)
            << c.from.x << "," << c.from.y << " " << c.to.x << "," << c.to.y;
}

TEST(Ellipses, EveryBoxTouchedOnEachSideSymmetricAndClosed)
{
    for (const int side : {1, 2, 3, 6, 11, 12, 128})
        for (const int other : {1, 2, 5, 12, 128}) {
            auto outline = white(128, 128);
            auto solid = white(128, 128);
            ShapeTool tool(ToolKind::Ellipse);
            gesture(*outline, tool, {{0, 0}, {side - 1, other - 1}});
            gesture(*solid, tool, {{side - 1, other - 1}, {0, 0}}, ToolOptions{Pen::Black, true});
            int left = 128, right = -1, top = 128, bottom = -1;
            for (int y = 0; y < 128; ++y)
                for (int x = 0; x < 128; ++x) {
                    const int c = outline->mainCell(x, y);
                    ASSERT_EQ(c, outline->mainCell(side - 1 - x < 0 ? x : side - 1 - x, y));
                    ASSERT_EQ(c, outline->mainCell(x, other - 1 - y < 0 ? y : other - 1 - y));
                    if (c) {
                        left = std::min(left, x), right = std::max(right, x);
                        top = std::min(top, y), bottom = std::max(bottom, y);
                    }
                }
            EXPECT_EQ(std::tuple(left, top, right, bottom), std::tuple(0, 0, side - 1, other - 1))
                << side << "x" << other;
            // Filling the outline from its middle gives the filled ellipse.
            shapes::FillStack stack;
            outline->FloodFill(side / 2, other / 2, 1, stack);
            EXPECT_EQ(outline->state().main, solid->state().main) << side << "x" << other;
        }
}

TEST(Fill, RegionsStopAtTheirBordersAndNeverCrossADiagonal)
{
    struct Case
    {
        std::vector<std::string> rows;
        Dot at;
        Pen pen;
        const char *dots;
    };
    const Case cases[] = {
        // inside a closed shape
        {{"......", ".####.", ".#..#.", ".####."},
         {2, 2},
         Pen::Black,
         "....../.####./.####./.####."},
        // outside it, up to the graphic's edges
        {{"......", ".####.", ".#..#.", ".####."},
         {0, 0},
         Pen::Black,
         "######/######/##..##/######"},
        // a diagonal wall holds a 4-connected fill
        {{"...#", "..#.", ".#..", "#..."}, {0, 0}, Pen::Black, "####/###./##../#..."},
        // invert: the region's colour turns over, the rest stays
        {{"##..", "##..", "....", "...#"}, {0, 0}, Pen::Invert, "..../..../..../...#"},
        {{"##..", "##..", "....", "...#"}, {3, 0}, Pen::Invert, "####/####/####/####"},
        // white on a black region
        {{"####", "#..#", "####", "...."}, {0, 0}, Pen::White, "..../..../..../...."},
    };
    for (const Case &c : cases) {
        auto m = graphic(c.rows);
        FillTool tool;
        gesture(*m, tool, {c.at}, ToolOptions{c.pen, false});
        EXPECT_EQ(
            picture(*m, false, static_cast<int>(c.rows[0].size()), static_cast<int>(c.rows.size())),
            c.dots)
            << c.rows[0];
    }
}

TEST(Fill, TheWholeLargestGraphicAndOnlyWithinTheSize)
{
    auto m = white(128, 128);
    shapes::FillStack stack;
    EXPECT_EQ(m->FloodFill(5, 5, 0, stack), 0); // white on white: nothing to do
    EXPECT_EQ(m->FloodFill(127, 127, 1, stack), 128 * 128);
    EXPECT_EQ(m->FloodFill(0, 0, 1, stack), 0);
    // Cells beyond a smaller size keep their value.
    auto small = white(128, 128);
    small->putSizeX(3);
    small->putSizeY(2);
    EXPECT_EQ(small->FloodFill(1, 1, 1, stack), 6);
    const std::string plane = picture(*small, false, 128, 128);
    EXPECT_EQ(std::count(plane.begin(), plane.end(), '#'), 6);
}

TEST(Pen, StrokesAreUnbrokenAndInvertEachDotOnce)
{
    auto m = white(128, 8);
    PenTool pen;
    // A jump of 100 dots between two pointer positions.
    gesture(*m, pen, {{10, 3}, {110, 3}});
    for (int x = 0; x < 128; ++x)
        EXPECT_EQ(m->mainCell(x, 3), x >= 10 && x <= 110 ? 1 : 0) << x;

    // An invert stroke that crosses itself turns the crossing dot once.
    auto inv = white(5, 5);
    gesture(*inv, pen, {{0, 2}, {4, 2}, {2, 0}, {2, 4}}, ToolOptions{Pen::Invert, false});
    EXPECT_EQ(picture(*inv, false, 5, 5), "..#../..##./#####/..#../..#..");

    // A press in a grid line starts nothing; the stroke starts on a square.
    auto late = white(5, 1);
    ToolPoint line = at(*late, {0, 0});
    line.onSquare = false;
    pen.begin(*late, line, {}, {});
    pen.move(*late, at(*late, {3, 0}), {});
    pen.move(*late, at(*late, {1, 0}), {});
    pen.end(*late);
    EXPECT_EQ(picture(*late, false, 5, 1), ".###.");
}

TEST(ShapeTool, ShiftConstrainsToAnglesSquaresAndCircles)
{
    struct Case
    {
        ToolKind kind;
        Dot to;
        Dot expected;
    };
    const Case cases[] = {
        {ToolKind::Line, {22, 14}, {22, 10}}, // shallow: level
        {ToolKind::Line, {14, 22}, {10, 22}}, // steep: upright
        {ToolKind::Line, {16, 15}, {16, 16}}, // near the diagonal
        {ToolKind::Line, {4, 14}, {4, 16}},   // the diagonal up and left
        {ToolKind::Line, {22, 15}, {22, 10}}, // 5/12 is still level
        {ToolKind::Line, {22, 16}, {22, 22}}, // past it, diagonal
        {ToolKind::Rectangle, {13, 18}, {18, 18}}, {ToolKind::Ellipse, {3, 8}, {3, 3}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ShapeTool::constrained(c.kind, {10, 10}, c.to), c.expected)
            << c.to.x << "," << c.to.y;
    EXPECT_EQ(drawn(ToolKind::Rectangle, 5, 5, {0, 0}, {2, 4}, true, {true, false}),
              "#####/#####/#####/#####/#####");
}

TEST(ShapeTool, PreviewShowsTheShapeCancelLeavesNoTrace)
{
    auto m = white(6, 4);
    m->SaveUndo();
    const DotState before = m->state();
    ShapeTool tool(ToolKind::Rectangle);
    tool.begin(*m, at(*m, {1, 1}), {}, ToolOptions{Pen::Black, false});
    const Damage grown = tool.move(*m, at(*m, {4, 3}), {});
    ASSERT_NE(tool.preview(), nullptr);
    EXPECT_TRUE(tool.preview()->covers(4, 3));
    EXPECT_FALSE(tool.preview()->covers(2, 2)); // an outline
    EXPECT_EQ(vogtest::corners(grown.dots), std::tuple(1, 1, 4, 3));
    EXPECT_EQ(tool.extent(), (Dot{4, 3}));
    // Shrinking repaints where the larger one was.
    const Damage shrunk = tool.move(*m, at(*m, {1, 1}), {});
    EXPECT_EQ(vogtest::corners(shrunk.dots), std::tuple(1, 1, 4, 3));
    EXPECT_EQ(m->state(), before); // nothing drawn before the release
    tool.cancel(*m);
    EXPECT_FALSE(tool.active());
    EXPECT_EQ(tool.preview(), nullptr);
    tool.end(*m); // the release after a cancel
    EXPECT_EQ(m->state(), before);
    EXPECT_EQ(m->undoCount(), 1);
}

TEST(Tools, EachGestureIsOneUndoStepBackToTheExactDots)
{
    struct Case
    {
        ToolKind kind;
        Pen pen;
        std::vector<Dot> path;
    };
    const Case cases[] = {
        {ToolKind::Pen, Pen::Invert, {{0, 0}, {5, 3}, {0, 3}}},
        {ToolKind::Line, Pen::Invert, {{0, 0}, {3, 1}, {5, 3}}},
        {ToolKind::Rectangle, Pen::White, {{1, 0}, {4, 3}}},
        {ToolKind::Ellipse, Pen::Black, {{0, 0}, {5, 3}}},
        {ToolKind::Fill, Pen::Invert, {{2, 1}}},
    };
    for (const Case &c : cases) {
        auto m = graphic({"#.#.#.", ".#.#.#", "##..##", "..##.."});
        m->SaveUndo();
        const DotState before = m->state();
        ToolBox box;
        box.choose(c.kind);
        gesture(*m, box.tool(), c.path, ToolOptions{c.pen, false});
        EXPECT_NE(m->state().main, before.main) << static_cast<int>(c.kind);
        EXPECT_EQ(m->undoCount(), 2) << static_cast<int>(c.kind);
        m->Undo();
        EXPECT_EQ(m->state(), before) << static_cast<int>(c.kind);
    }
    // A gesture that changes no dot takes no step.
    auto black = graphic({"##", "##"});
    black->SaveUndo();
    for (const ToolKind kind : {ToolKind::Pen, ToolKind::Line, ToolKind::Fill}) {
        ToolBox box;
        box.choose(kind);
        gesture(*black, box.tool(), {{0, 0}, {1, 1}});
        EXPECT_EQ(black->undoCount(), 1) << static_cast<int>(kind);
    }
}

TEST(SelectTool, MarksLiftsByModifiersResizesAndDrops)
{
    struct Case
    {
        Modifiers keys;
        const char *main;
        const char *overlay;
    };
    // Lifting (1,0)-(2,1) of "##../.#.." by each pair of modifier keys.
    const Case cases[] = {
        {{false, false}, "#.../..../....", "#./#."},
        {{true, false}, "#.../..../....", "# /# "},
        {{false, true}, "##../.#../....", "#./#."},
        {{true, true}, "##../.#../....", "# /# "},
    };
    for (const Case &c : cases) {
        auto m = graphic({"##..", ".#..", "...."});
        SelectTool tool;
        gesture(*m, tool, {{1, 0}, {1, 0}, {2, 1}});
        ASSERT_EQ(m->selState(), SelMarked);
        tool.begin(*m, at(*m, {1, 0}, Handle::Inside), c.keys, {});
        EXPECT_EQ(m->selState(), SelFloating);
        tool.end(*m);
        EXPECT_EQ(picture(*m, false, 4, 3), c.main);
        EXPECT_EQ(picture(*m, true, 2, 2), c.overlay);
    }

    // A resize stops at the opposite edge; a press outside ends the selection.
    auto m = white(8, 8);
    SelectTool tool;
    gesture(*m, tool, {{2, 2}, {2, 2}, {5, 5}});
    tool.begin(*m, at(*m, {3, 2}, Handle::Top), {}, {});
    tool.move(*m, at(*m, {3, 7}), {});
    tool.end(*m);
    EXPECT_EQ(vogtest::corners(m->selection()), std::tuple(2, 5, 5, 5));
    EXPECT_EQ(m->selState(), SelResizing);
    EXPECT_EQ(tool.cursor(*m, Handle::Left), Cursor::SizeHorizontal);
    tool.begin(*m, at(*m, {0, 0}, Handle::Outside), {}, {});
    tool.end(*m);
    EXPECT_FALSE(m->SelSet());
    EXPECT_EQ(tool.cursor(*m, Handle::Inside), Cursor::Arrow);
}

} // namespace
