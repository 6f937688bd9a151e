#include "ModelFixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vog;

namespace {

// '#' black, '.' white; the graphic is as wide and high as the rows.
std::unique_ptr<DotModel> graphic(const std::vector<std::string> &rows)
{
    auto m = std::make_unique<DotModel>();
    m->putSizeX(static_cast<int>(rows[0].size()));
    m->putSizeY(static_cast<int>(rows.size()));
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
            m->setMainCell(x, y, rows[y][x] == '#');
    return m;
}

void select(DotModel &m, int x1, int y1, int x2, int y2, SelState st)
{
    m.setCorners(x1, y1, x2, y2);
    m.putSelSet(true);
    m.setSelState(st);
    if (st == SelMarked)
        m.ClearOverlay(); // as the mouse leaves a freshly marked selection
}

// Rows of a plane joined by '/': '#' 1, '.' 0, ' ' empty.
std::string picture(const DotModel &m, bool overlay, int w, int h, int x0 = 0, int y0 = 0)
{
    std::string s;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            const int c = overlay ? m.overlayCell(x, y) : m.mainCell(x, y);
            s += c == 1 ? '#' : c == 0 ? '.' : ' ';
        }
        s += y + 1 < y0 + h ? "/" : "";
    }
    return s;
}

} // namespace

TEST(SelectionOps, PaintByModeOnEitherPlane)
{
    const struct
    {
        int mode;
        const char *marked, *floating;
    } cases[] = {
        {0, "../..", "../ "}, {1, "##/..", "##/ "}, {2, ".#/..", ". / "}, {-7, ".#/..", ". / "}};
    for (const auto &c : cases) {
        auto m = graphic({"#.", ".."});
        select(*m, 1, 0, 0, 0, SelMarked);
        m->PaintSelection(c.mode);
        EXPECT_EQ(picture(*m, false, 2, 2), c.marked) << c.mode;

        m = graphic({"#.", ".."});
        select(*m, 0, 0, 1, 0, SelMarked);
        m->LiftSelection(true, true); // white cells lifted as empty
        m->setSelState(SelFloating);
        m->PaintSelection(c.mode);
        EXPECT_EQ(picture(*m, true, 2, 1) + "/" + picture(*m, true, 1, 1, 0, 1), c.floating)
            << c.mode;
    }
}

TEST(SelectionOps, MirrorAndHalfTurn)
{
    auto m = graphic({"##.#", "...."});
    select(*m, 0, 0, 2, 0, SelMarked);
    m->MirrorSelection(true); // odd width: the middle column stays
    EXPECT_EQ(picture(*m, false, 4, 2), ".###/....");
    select(*m, 3, 1, 3, 0, SelMarked);
    m->MirrorSelection(false);
    EXPECT_EQ(picture(*m, false, 4, 2), ".##./...#");

    m = graphic({".#.", "...", "..."});
    select(*m, 0, 0, 2, 2, SelMarked);
    EXPECT_TRUE(m->RotateSelection(1));
    EXPECT_EQ(picture(*m, false, 3, 3), ".../.../.#.");
}

TEST(SelectionOps, QuarterTurnsMoveTheRectangle)
{
    const struct
    {
        int angle;
        const char *after;
    } cases[] = {{0, ".../.../.#./.#."}, {2, "..#./..#./..../...."}};
    for (const auto &c : cases) {
        auto m = graphic({"##..", "....", "....", "...."});
        select(*m, 0, 0, 3, 1, SelMarked);
        ASSERT_TRUE(m->RotateSelection(c.angle));
        EXPECT_EQ(m->SelPosX1(), 1);
        EXPECT_EQ(m->SelPosX2(), 2);
        EXPECT_EQ(m->SelPosY1(), 0);
        EXPECT_EQ(m->SelPosY2(), 3);
        EXPECT_EQ(picture(*m, false, c.angle == 0 ? 3 : 4, 4), c.after) << c.angle;
    }
}

TEST(SelectionOps, QuarterTurnMustFitTheGraphic)
{
    const struct
    {
        int w, h;
        bool fits;
    } cases[] = {{20, 5, false}, {5, 16, true}, {16, 33, false}, {17, 4, false}, {16, 16, true}};
    for (const auto &c : cases) {
        auto m = std::make_unique<DotModel>();
        ASSERT_TRUE(m->SetData("32,2"));
        m->setMainCell(0, 0, 1);
        select(*m, 0, 0, c.w - 1, c.h - 1, SelMarked);
        const DotState before = m->state();
        EXPECT_EQ(m->RotateSelection(2), c.fits);
        if (c.fits) {
            EXPECT_EQ(m->selection().width(), c.h);
            EXPECT_EQ(m->selection().height(), c.w);
        } else {
            EXPECT_TRUE(m->state() == before);
        }
    }
}

TEST(SelectionOps, TightBoundAndEscape)
{
    auto m = graphic({"....", ".#..", "..#.", "...."});
    select(*m, 0, 0, 3, 3, SelMarked);
    m->LiftSelection(false, true);
    m->setSelState(SelFloating);
    m->TightBound();
    EXPECT_EQ(m->selection().left, 1);
    EXPECT_EQ(m->selection().bottom, 2);
    EXPECT_EQ(picture(*m, true, 2, 2), "# / #");

    select(*m, 3, 0, 3, 3, SelMarked);
    m->TightBound(); // nothing black: the selection ends
    EXPECT_FALSE(m->SelSet());
    EXPECT_EQ(m->selState(), SelNone);

    select(*m, 0, 0, 1, 1, SelMarked);
    m->Escape(); // marked: nothing to drop, the overlay is not written
    EXPECT_EQ(picture(*m, false, 4, 4), "..../.#../..#./....");
    select(*m, 1, 1, 2, 2, SelMarked);
    m->LiftSelection(false, true);
    m->setSelState(SelFloating);
    m->setCorners(2, 0, 3, 1);
    m->Escape(); // dropped with its empty cells transparent
    EXPECT_EQ(picture(*m, false, 4, 4), "..#./.#.#/..#./....");
    EXPECT_FALSE(m->SelSet());
}

TEST(SelectionOps, TightBoundAgreesWithColumnAndRowScans)
{
    std::mt19937 rng(3);
    for (int i = 0; i < 300; ++i) {
        auto m = vogtest::randomModel(rng);
        if (rng() % 2)
            m->PaintSelection(0); // often sparse or empty
        const Rect r = m->selection();
        const bool onMain = m->mainIsActive();
        auto black = [&](int x, int y) {
            return (onMain ? m->mainCell(x, y) : m->overlayCell(x - r.left, y - r.top)) == 1;
        };
        int left = r.left, right = r.right, top = r.top, bottom = r.bottom;
        auto columnHas = [&](int x) {
            for (int y = r.top; y <= r.bottom; ++y)
                if (black(x, y))
                    return true;
            return false;
        };
        auto rowHas = [&](int y) {
            for (int x = r.left; x <= r.right; ++x)
                if (black(x, y))
                    return true;
            return false;
        };
        while (left <= r.right && !columnHas(left))
            ++left;
        while (right > left && !columnHas(right))
            --right;
        while (top <= r.bottom && !rowHas(top))
            ++top;
        while (bottom > top && !rowHas(bottom))
            --bottom;
        m->TightBound();
        ASSERT_EQ(m->SelSet(), left <= r.right);
        if (m->SelSet()) {
            EXPECT_EQ(m->selection().left, left);
            EXPECT_EQ(m->selection().right, right);
            EXPECT_EQ(m->selection().top, top);
            EXPECT_EQ(m->selection().bottom, bottom);
        }
    }
}

TEST(SelectionOps, InversePairsRestoreTheState)
{
    std::mt19937 rng(5);
    for (int i = 0; i < 300; ++i) {
        auto m = vogtest::randomModel(rng, 8);
        const Rect r = m->selection();
        const int side = std::min(r.width(), r.height());
        m->setCorners(r.left, r.top, r.left + side - 1, r.top + side - 1); // square
        const DotState before = m->state();
        const struct
        {
            int first, second; // rotation angles, or -1 / -2 for the mirrors
        } pairs[] = {{-1, -1}, {-2, -2}, {1, 1}, {0, 2}, {2, 0}};
        for (const auto &p : pairs) {
            for (int op : {p.first, p.second}) {
                if (op < 0)
                    m->MirrorSelection(op == -1);
                else
                    ASSERT_TRUE(m->RotateSelection(op));
            }
            ASSERT_TRUE(m->state() == before) << p.first << " " << p.second;
        }
    }
}
