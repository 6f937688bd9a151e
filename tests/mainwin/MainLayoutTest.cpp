#include "mainwin/MainLayout.h"
#include "mainwin/Twips.h"

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

// The grid follows the rule for a window narrower by the preview's room; the
// label keeps the whole width; the preview ends where the label ends.
TEST(MainLayout, ThePreviewTakesItsRoomFromTheGrid)
{
    const struct
    {
        int width, height;
        int grid, gridHeight, label, labelTop, previewLeft, previewWidth;
        std::array<int, 4> columns;
    } cases[] = {
        // two fifths of 10290 is 4116
        {10500, 7200, 6174, 4835, 10280, 5535, 6294, 4046, {525, 309, 3087, 1853}},
        // the room stops growing at 4500
        {20000, 9000, 15290, 6635, 19780, 7335, 15410, 4430, {1300, 764, 7645, 5181}},
        // the least room, 1500, and one twip of window less: no preview at all
        {3960, 3000, 2250, 635, 3740, 1335, 2370, 1430, {191, 112, 1125, 422}},
        {3959, 3000, 3749, 635, 3739, 1335, 0, 0, {319, 187, 1874, 969}},
        {0, 0, 1, 1, 1, 1, 0, 0, {0, 0, 0, -399}},
    };
    for (const auto &c : cases) {
        const mainlayout::Layout l = mainlayout::computeWithPreview(c.width, c.height);
        EXPECT_EQ(l.gridWidth, c.grid) << c.width;
        EXPECT_EQ(l.gridHeight, c.gridHeight) << c.height;
        EXPECT_EQ(l.labelWidth, c.label) << c.width;
        EXPECT_EQ(l.labelTop, c.labelTop) << c.height;
        EXPECT_EQ(l.previewLeft, c.previewLeft) << c.width;
        EXPECT_EQ(l.previewWidth, c.previewWidth) << c.width;
        EXPECT_EQ(l.columns, c.columns) << c.width;
    }
    // without a preview nothing of it is set
    EXPECT_EQ(mainlayout::compute(10500, 7200).previewWidth, 0);
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

    // 1000 twips at 96 dpi are 66.7 pixels; at 120 dpi 6 and 18 twips are 0.5 and 1.5
    const struct
    {
        int twips, dpi, pixels, back;
    } lengths[] = {{1000, 96, 67, 1005},
                   {6, 120, 0, 0},
                   {18, 120, 2, 24},
                   {10500, 96, 700, 10500},
                   {0, 96, 0, 0}};
    for (const auto &c : lengths) {
        EXPECT_EQ(twips::toPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
        EXPECT_EQ(twips::fromPixels(c.pixels, c.dpi), c.back) << c.pixels << " at " << c.dpi;
    }
}

} // namespace
