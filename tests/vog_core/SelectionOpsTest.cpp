#include "ModelFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace vog;
using vogtest::corners;
using vogtest::graphic;
using vogtest::picture;
using vogtest::select;

TEST(SelectionOps, PaintByModeOnEitherPlane)
{
    const std::tuple<int, const char *, const char *> cases[] = {{0, "../..", "../  "},
                                                                 {1, "##/..", "##/  "},
                                                                 {2, ".#/..", " ./  "},
                                                                 {-7, ".#/..", " ./  "}};
    for (const auto &[mode, marked, floating] : cases) {
        auto m = graphic({"#.", ".."});
        select(*m, 1, 0, 0, 0);
        m->PaintSelection(mode);
        EXPECT_EQ(picture(*m, false, 2, 2), marked) << mode;
        select(*m, 1, 0, 0, 0, true); // white cells float as empty
        m->PaintSelection(mode);
        EXPECT_EQ(picture(*m, true, 2, 2), floating) << mode;
    }
}

TEST(SelectionOps, MirrorsAndTurnsMoveTheRightCells)
{
    auto m = graphic({"##.#", "...."});
    select(*m, 0, 0, 2, 0);
    m->MirrorSelection(true); // odd width: the middle column stays
    select(*m, 3, 1, 3, 0);
    m->MirrorSelection(false);
    EXPECT_EQ(picture(*m, false, 4, 2), ".##./...#");

    m = graphic({".#.", "...", "..."});
    select(*m, 0, 0, 2, 2);
    EXPECT_TRUE(m->RotateSelection(1));
    EXPECT_EQ(picture(*m, false, 3, 3), ".../.../.#.");

    // Quarter turns: (0,0)-(3,1) becomes (1,0)-(2,3) about the centre.
    for (const auto &[angle, after] : {std::pair(0, ".../.../.#./.#."), {2, "..#/..#/.../..."}}) {
        m = graphic({"##..", "....", "....", "...."});
        select(*m, 0, 0, 3, 1);
        ASSERT_TRUE(m->RotateSelection(angle));
        EXPECT_EQ(corners(m->selection()), std::tuple(1, 0, 2, 3));
        EXPECT_EQ(picture(*m, false, 3, 4), after) << angle;
    }
}

TEST(SelectionOps, QuarterTurnsThatCannotFitChangeNothing)
{
    const std::tuple<int, int, bool> cases[] = {
        {20, 5, false}, {5, 16, true}, {16, 33, false}, {17, 4, false}, {16, 16, true}};
    for (const auto &[w, h, fits] : cases) {
        auto m = std::make_unique<DotModel>();
        ASSERT_TRUE(m->SetData("32,2")); // 32 x 16
        m->setMainCell(0, 0, 1);
        select(*m, 0, 0, w - 1, h - 1);
        const DotState before = m->state();
        EXPECT_EQ(m->RotateSelection(2), fits) << w << "x" << h;
        EXPECT_EQ(m->selection().height(), fits ? w : h);
        EXPECT_EQ(m->state() == before, !fits);
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

TEST(SelectionOps, TightBoundIsTheBoxOfTheBlackCells)
{
    std::mt19937 rng(3);
    for (int i = 0; i < 300; ++i) {
        auto m = vogtest::randomModel(rng);
        if (rng() % 2)
            m->PaintSelection(0); // nothing black
        const Rect r = m->selection();
        Rect box{kPlaneSide, kPlaneSide, -1, -1};
        for (int y = r.top; y <= r.bottom; ++y) {
            for (int x = r.left; x <= r.right; ++x) {
                const int cell =
                    m->mainIsActive() ? m->mainCell(x, y) : m->overlayCell(x - r.left, y - r.top);
                if (cell == 1)
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y)};
            }
        }
        m->TightBound();
        ASSERT_EQ(m->SelSet(), box.right >= 0);
        if (m->SelSet()) {
            EXPECT_EQ(corners(m->selection()), corners(box));
        }
    }
}

TEST(SelectionOps, InversePairsRestoreTheState)
{
    std::mt19937 rng(5);
    // Two mirrors each way, two half turns, a quarter turn each way.
    const std::pair<int, int> pairs[] = {{-1, -1}, {-2, -2}, {1, 1}, {0, 2}, {2, 0}};
    for (int i = 0; i < 300; ++i) {
        auto m = vogtest::randomModel(rng);
        const Rect r = m->selection();
        const int side = std::min(r.width(), r.height());
        m->setCorners(r.left, r.top, r.left + side - 1, r.top + side - 1); // square
        const DotState before = m->state();
        for (const auto &[first, second] : pairs) {
            for (int op : {first, second})
                op < 0 ? m->MirrorSelection(op == -1) : void(m->RotateSelection(op));
            ASSERT_TRUE(m->state() == before) << first << " " << second;
        }
    }
}
