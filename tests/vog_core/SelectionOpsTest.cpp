#include "ModelFixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace vog;
using vogtest::corners;
using vogtest::graphic;
using vogtest::picture;
using vogtest::select;

TEST(SelectionOps, PaintByModeOnEitherPlane)
{
    const std::tuple<PaintMode, const char *, const char *> cases[] = {
        {PaintMode::White, "../..", "../  "},
        {PaintMode::Black, "##/..", "##/  "},
        {PaintMode::Invert, ".#/..", " ./  "}};
    for (const auto &[mode, marked, floating] : cases) {
        auto m = graphic({"#.", ".."});
        select(*m, 1, 0, 0, 0);
        m->PaintSelection(mode);
        EXPECT_EQ(picture(*m, false, 2, 2), marked) << marked;
        select(*m, 1, 0, 0, 0, true); // white cells float as empty
        m->PaintSelection(mode);
        EXPECT_EQ(picture(*m, true, 2, 2), floating) << floating;
    }
}

TEST(SelectionOps, MirrorsSwapTheRightCells)
{
    const struct
    {
        std::vector<std::string> rows;
        int x1, y1, x2, y2;
        bool hor, floating;
        const char *after; // main plane, or the overlay of a floating selection
    } cases[] = {
        {{"##.#"}, 0, 0, 3, 0, true, false, "#.##"},              // even width
        {{"##.#."}, 0, 0, 2, 0, true, false, ".###."},            // odd: the middle stays
        {{"#.", ".."}, 1, 1, 0, 0, false, false, "../#."},        // even height
        {{"#", ".", "."}, 0, 0, 0, 2, false, false, "././#"},     // odd height
        {{"#..", "..."}, 0, 0, 2, 0, true, true, "  # "},         // empty cells move too
        {{".#..", "##.."}, 0, 0, 1, 1, false, true, "## / # "},   // floating, top to bottom
        {{"#...", "...."}, 2, 0, 3, 1, true, false, "#.../...."}, // nothing black inside
    };
    for (const auto &c : cases) {
        auto m = graphic(c.rows);
        select(*m, c.x1, c.y1, c.x2, c.y2, c.floating);
        const int w = static_cast<int>(c.floating ? m->selection().width() : c.rows[0].size());
        const int h = static_cast<int>(c.floating ? m->selection().height() : c.rows.size());
        m->MirrorSelection(c.hor);
        EXPECT_EQ(picture(*m, c.floating, c.floating ? w + 1 : w, h), c.after) << c.after;
    }
}

TEST(SelectionOps, EachTurnOnEitherPlane)
{
    // Main plane: (0,0)-(3,1) turns about its centre into (1,0)-(2,3); a half
    // turn stays in place.
    const std::tuple<Turn, const char *, std::tuple<int, int, int, int>> onMain[] = {
        {Turn::CounterClockwise, "..../..../.#../.#..", {1, 0, 2, 3}},
        {Turn::Clockwise, "..#./..#./..../....", {1, 0, 2, 3}},
        {Turn::Half, "..../..##/..../....", {0, 0, 3, 1}},
    };
    for (const auto &[turn, after, box] : onMain) {
        auto m = graphic({"##..", "....", "....", "...."});
        select(*m, 0, 0, 3, 1);
        ASSERT_TRUE(m->RotateSelection(turn));
        EXPECT_EQ(corners(m->selection()), box) << after;
        EXPECT_EQ(picture(*m, false, 4, 4), after);
    }
    // Overlay: "#" and an empty cell, turned at relative (0, 0); the main plane
    // under a floating selection stays.
    const std::tuple<Turn, const char *, std::tuple<int, int, int, int>> onOverlay[] = {
        {Turn::CounterClockwise, " /#", {0, 0, 0, 1}},
        {Turn::Clockwise, "#/ ", {0, 0, 0, 1}},
        {Turn::Half, " #", {0, 0, 1, 0}},
    };
    for (const auto &[turn, after, box] : onOverlay) {
        auto m = graphic({"#...", "....", "....", "...."});
        select(*m, 0, 0, 1, 0, true);
        ASSERT_TRUE(m->RotateSelection(turn));
        EXPECT_EQ(corners(m->selection()), box) << after;
        const Rect r = m->selection();
        EXPECT_EQ(picture(*m, true, r.width(), r.height()), after);
        EXPECT_EQ(picture(*m, false, 4, 1), "#...");
    }

    auto m = graphic({".#.", "...", "..."});
    select(*m, 0, 0, 2, 2);
    EXPECT_TRUE(m->RotateSelection(Turn::Half)); // the centre column's top dot to its bottom
    EXPECT_EQ(picture(*m, false, 3, 3), ".../.../.#.");
}

TEST(SelectionOps, QuarterTurnsThatCannotFitChangeNothing)
{
    // A 32 x 16 graphic: a turned selection needs width <= 16 and height <= 32.
    const std::tuple<int, int, bool> cases[] = {{20, 5, false}, {5, 16, true},  {16, 33, false},
                                                {17, 4, false}, {16, 16, true}, {16, 32, true},
                                                {2, 1, true},   {17, 32, false}};
    for (const auto turn : {Turn::CounterClockwise, Turn::Clockwise}) {
        for (const auto &[w, h, fits] : cases) {
            auto m = std::make_unique<DotModel>();
            ASSERT_TRUE(m->SetData("32,2")); // 32 x 16
            m->setMainCell(0, 0, 1);
            select(*m, 0, 0, w - 1, h - 1);
            const DotState before = m->state();
            EXPECT_EQ(m->RotateSelection(turn), fits) << w << "x" << h;
            EXPECT_EQ(m->selection().height(), fits ? w : h);
            EXPECT_EQ(m->state() == before, !fits);
        }
    }
}

TEST(SelectionOps, TightBoundAndEscape)
{
    auto m = graphic({"....", ".#..", "..#.", "...."});
    select(*m, 0, 0, 3, 3, true);
    m->TightBound();
    EXPECT_EQ(corners(m->selection()), std::tuple(1, 1, 2, 2));
    EXPECT_EQ(picture(*m, true, 2, 2), "# / #");
    m->setCorners(2, 0, 3, 1);
    m->Escape(); // dropped, its empty cells transparent
    EXPECT_EQ(picture(*m, false, 4, 4), "..#./.#.#/..#./....");

    select(*m, 0, 3, 3, 3);
    m->TightBound(); // nothing black: the selection ends
    EXPECT_FALSE(m->SelSet());
    EXPECT_EQ(m->selState(), SelNone);
    select(*m, 0, 0, 3, 3);
    m->Escape(); // marked: the main plane stays
    EXPECT_EQ(picture(*m, false, 4, 4), "..#./.#.#/..#./....");
}

TEST(Pen, EachPenOnEitherCell)
{
    const std::tuple<Pen, int, int> cases[] = {{Pen::Black, 0, 1},  {Pen::Black, 1, 1},
                                               {Pen::White, 0, 0},  {Pen::White, 1, 0},
                                               {Pen::Invert, 0, 1}, {Pen::Invert, 1, 0}};
    for (const auto &[pen, was, now] : cases)
        EXPECT_EQ(penCell(pen, static_cast<std::uint8_t>(was)), now) << was;
}
