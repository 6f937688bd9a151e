#include "ModelFixtures.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vog;
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
        select(*m, 1, 0, 0, 0, SelMarked);
        m->PaintSelection(mode);
        EXPECT_EQ(picture(*m, false, 2, 2), marked) << mode;
        m->LiftSelection(false, true); // white cells float as empty
        m->setSelState(SelFloating);
        m->PaintSelection(mode);
        EXPECT_EQ(picture(*m, true, 2, 2), floating) << mode;
    }
}

TEST(SelectionOps, MirrorsAndHalfTurnMoveTheRightCells)
{
    auto m = graphic({"##.#", "...."});
    select(*m, 0, 0, 2, 0, SelMarked);
    m->MirrorSelection(true); // odd width: the middle column stays
    select(*m, 3, 1, 3, 0, SelMarked);
    m->MirrorSelection(false);
    EXPECT_EQ(picture(*m, false, 4, 2), ".##./...#");

    m = graphic({".#.", "...", "..."});
    select(*m, 0, 0, 2, 2, SelMarked);
    EXPECT_TRUE(m->RotateSelection(1));
    EXPECT_EQ(picture(*m, false, 3, 3), ".../.../.#.");
}

TEST(SelectionOps, QuarterTurnsMoveTheRectangleIntoTheGraphic)
{
    const std::pair<int, const char *> cases[] = {{0, ".../.../.#./.#."}, {2, "..#/..#/.../..."}};
    for (const auto &[angle, after] : cases) {
        auto m = graphic({"##..", "....", "....", "...."});
        select(*m, 0, 0, 3, 1, SelMarked);
        ASSERT_TRUE(m->RotateSelection(angle));
        const Rect r = m->selection();
        EXPECT_EQ(std::vector<int>({r.left, r.top, r.right, r.bottom}),
                  std::vector<int>({1, 0, 2, 3}));
        EXPECT_EQ(picture(*m, false, 3, 4), after) << angle;
    }
    const std::tuple<int, int, bool> fit[] = {
        {20, 5, false}, {5, 16, true}, {16, 33, false}, {17, 4, false}, {16, 16, true}};
    for (const auto &[w, h, fits] : fit) {
        auto m = std::make_unique<DotModel>();
        ASSERT_TRUE(m->SetData("32,2")); // 32 x 16
        m->setMainCell(0, 0, 1);
        select(*m, 0, 0, w - 1, h - 1, SelMarked);
        const DotState before = m->state();
        EXPECT_EQ(m->RotateSelection(2), fits) << w << "x" << h;
        EXPECT_EQ(m->selection().height(), fits ? w : h);
        EXPECT_EQ(m->state() == before, !fits);
    }
}

TEST(SelectionOps, TightBoundAndEscape)
{
    auto m = graphic({"....", ".#..", "..#.", "...."});
    select(*m, 0, 0, 3, 3, SelMarked);
    m->LiftSelection(false, true);
    m->setSelState(SelFloating);
    m->TightBound();
    EXPECT_EQ(m->selection().left + m->selection().bottom, 3);
    EXPECT_EQ(picture(*m, true, 2, 2), "# / #");
    m->setCorners(2, 0, 3, 1);
    m->Escape(); // dropped, its empty cells transparent
    EXPECT_EQ(picture(*m, false, 4, 4), "..#./.#.#/..#./....");

    select(*m, 0, 3, 3, 3, SelMarked);
    m->TightBound(); // nothing black: the selection ends
    EXPECT_FALSE(m->SelSet());
    EXPECT_EQ(m->selState(), SelNone);
    select(*m, 0, 0, 3, 3, SelMarked);
    m->Escape(); // marked: the main plane stays
    EXPECT_EQ(picture(*m, false, 4, 4), "..#./.#.#/..#./....");
}

TEST(SelectionOps, TightBoundAgreesWithScansFromEachEdge)
{
    std::mt19937 rng(3);
    for (int i = 0; i < 300; ++i) {
        auto m = vogtest::randomModel(rng);
        if (rng() % 2)
            m->PaintSelection(0); // often sparse or empty
        const Rect r = m->selection();
        const bool onMain = m->mainIsActive();
        auto anyBlack = [&](int x0, int x1, int y0, int y1) {
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x)
                    if ((onMain ? m->mainCell(x, y) : m->overlayCell(x - r.left, y - r.top)) == 1)
                        return true;
            return false;
        };
        Rect e = r;
        while (e.left <= r.right && !anyBlack(e.left, e.left, r.top, r.bottom))
            ++e.left;
        while (e.right > e.left && !anyBlack(e.right, e.right, r.top, r.bottom))
            --e.right;
        while (e.top < r.bottom && !anyBlack(r.left, r.right, e.top, e.top))
            ++e.top;
        while (e.bottom > e.top && !anyBlack(r.left, r.right, e.bottom, e.bottom))
            --e.bottom;
        m->TightBound();
        ASSERT_EQ(m->SelSet(), e.left <= r.right);
        const Rect t = m->selection();
        if (m->SelSet()) {
            EXPECT_EQ(std::vector<int>({t.left, t.top, t.right, t.bottom}),
                      std::vector<int>({e.left, e.top, e.right, e.bottom}));
        }
    }
}

TEST(SelectionOps, InversePairsRestoreTheState)
{
    std::mt19937 rng(5);
    const std::pair<int, int> pairs[] = {
        {-1, -1}, {-2, -2}, {1, 1}, {0, 2}, {2, 0}}; // -1, -2 mirrors
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
