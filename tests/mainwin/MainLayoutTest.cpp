#include "mainwin/MainLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(MainLayout, ColumnsAndPlacesFollowTheOuterSize)
{
    const struct
    {
        int width, height;
        int grid, gridHeight, label, labelTop;
        std::array<int, 4> columns;
    } cases[] = {
        {3000, 5000, 2790, 2635, 2780, 3335, {237, 140, 1395, 618}},
        {5685, 4800, 5475, 2435, 5465, 3135, {465, 274, 2738, 1598}},
        // 2830 * 5 % = 141.5 goes to 142; 2810 / 2 = 1405; 8.5 % of 2810 = 238.85
        {3040, 3000, 2830, 635, 2820, 1335, {241, 142, 1415, 632}},
        {3020, 3000, 2810, 635, 2800, 1335, {239, 140, 1405, 626}},
        // nothing of the window's size goes below one twip
        {100, 100, 1, 1, 1, 1, {0, 0, 0, -399}},
        {0, 0, 1, 1, 1, 1, {0, 0, 0, -399}},
    };
    for (const auto &c : cases) {
        const mainlayout::Layout l = mainlayout::compute(c.width, c.height);
        EXPECT_EQ(l.gridWidth, c.grid) << c.width;
        EXPECT_EQ(l.gridHeight, c.gridHeight) << c.height;
        EXPECT_EQ(l.labelWidth, c.label) << c.width;
        EXPECT_EQ(l.labelTop, c.labelTop) << c.height;
        EXPECT_EQ(l.columns, c.columns) << c.width;
    }
}

TEST(MainLayout, HalvesGoToTheEvenNeighbour)
{
    const struct
    {
        long long num, den, expected;
    } cases[] = {{5, 2, 2},   {7, 2, 4},   {1395, 10, 140}, {1385, 10, 138}, {1386, 10, 139},
                 {-5, 2, -2}, {-7, 2, -4}, {-6, 4, -2},     {3, -2, -2},     {0, 7, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(mainlayout::roundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
}

} // namespace
