#include "ModelFixtures.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vog;

TEST(Clipboard, CopyThenPasteIntoANarrowerGraphic)
{
    std::mt19937 rng(1);
    auto src = std::make_unique<DotModel>();
    ASSERT_TRUE(src->SetData(vogtest::randomDotString(rng, 16, 2, 2)));
    const Plane mainBefore = src->mainPlane();
    vogtest::select(*src, 9, 8, 0, 0);
    const auto bytes = src->CopyBytes();
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 4u + 2 * 10);
    EXPECT_EQ(std::vector<int>(bytes->begin(), bytes->begin() + 4),
              std::vector<int>({10, 0, 9, 0}));
    EXPECT_EQ(src->selState(), SelFloating);
    EXPECT_EQ(src->mainPlane(), mainBefore);

    auto dst = std::make_unique<DotModel>();
    ASSERT_TRUE(dst->SetData("8,2"));
    ASSERT_TRUE(dst->PasteBytes(*bytes));
    EXPECT_EQ(vogtest::corners(dst->selection()), std::tuple(0, 0, 7, 8));
    EXPECT_EQ(dst->selState(), SelFloating);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 11; ++x)
            ASSERT_EQ(dst->overlayCell(x, y), x < 10 && y < 9 ? src->mainCell(x, y) : 0)
                << x << "," << y;
}

TEST(Clipboard, RefusesWhatCannotBePasted)
{
    const std::vector<std::vector<std::uint8_t>> refused = {{},
                                                            {1, 0, 1},
                                                            {0, 0, 1, 0, 0},
                                                            {129, 0, 1, 0, 0},
                                                            {1, 0, 0xff, 0xff, 0},
                                                            {2, 0, 9, 0, 1, 2, 3},
                                                            {1, 0, 1, 1, 0}}; // 257 rows
    for (const auto &b : refused) {
        auto m = std::make_unique<DotModel>();
        EXPECT_FALSE(m->PasteBytes(b));
        EXPECT_TRUE(m->state() == DotState{});
    }
    auto m = std::make_unique<DotModel>();
    EXPECT_FALSE(m->CopyBytes()); // no selection
    vogtest::select(*m, 20, 0, 25, 3);
    m->putSizeX(10); // the selection now lies beyond the graphic
    EXPECT_FALSE(m->CopyBytes());
    EXPECT_EQ(m->selState(), SelMarked);
}

// Both ends of the sizes a paste takes: one dot, and the whole plane.
TEST(Clipboard, PastesFromOneDotToTheWholePlane)
{
    for (const int side : {1, 128}) {
        std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(side), 0,
                                           static_cast<std::uint8_t>(side), 0};
        bytes.resize(4 + static_cast<std::size_t>((side + 7) / 8) * side, 0xff);
        auto m = std::make_unique<DotModel>();
        ASSERT_TRUE(m->PasteBytes(bytes)) << side;
        EXPECT_EQ(m->overlayCell(side - 1, side - 1), 1) << side;
    }
}

TEST(Placement, TextShrinksToItsBlackPixelsAndPicturesAreCropped)
{
    // A 6 x 3 surface; the block is 5 x 2, and its far edges are read too.
    const std::vector<std::string> surface = {"......", "..#...", ".....#"};
    auto black = [&](int x, int y) { return y < 3 && x < 6 && surface[y][x] == '#'; };
    const std::tuple<int, int, int, bool> cases[] = {
        {32, 3, 1, true}, {4, 0, 0, true}, {2, 0, 0, false}};
    for (const auto &[sizeX, right, bottom, selSet] : cases) {
        auto m = std::make_unique<DotModel>();
        m->putSizeX(sizeX);
        m->PlaceText(5, 2, black);
        EXPECT_EQ(m->SelSet(), selSet) << sizeX;
        EXPECT_EQ(m->selState(), SelFloating);
        EXPECT_EQ(vogtest::corners(m->selection()), std::tuple(0, 0, right, bottom)) << sizeX;
        EXPECT_EQ(m->overlayCell(0, 0), selSet ? Black : Empty);
    }

    auto m = vogtest::graphic({"...", "..."});
    EXPECT_FALSE(m->PlacePicture(0, 5, [](int, int) { return true; }));
    EXPECT_FALSE(m->SelSet());
    EXPECT_TRUE(m->PlacePicture(10, 1, [](int x, int) { return x % 2 == 0; }));
    EXPECT_TRUE(m->SelSet());
    EXPECT_EQ(vogtest::corners(m->selection()), std::tuple(0, 0, 2, 0));
    EXPECT_EQ(vogtest::picture(*m, true, 4, 1), "#.# ");
}

TEST(Floating, APlainLiftDropsItsWhiteCellsAndAShiftLiftDoesNot)
{
    // "#." lifted and dropped over "##": opaque white paints, empty lets through.
    const std::pair<bool, const char *> cases[] = {{false, "..#."}, {true, "..##"}};
    for (const auto &[transparent, after] : cases) {
        auto m = vogtest::graphic({"#.##"});
        vogtest::select(*m, 0, 0, 1, 0);
        m->LiftSelection(true, transparent);
        m->setSelState(SelFloating);
        m->setCorners(2, 0, 3, 0);
        m->DropSelection();
        EXPECT_EQ(vogtest::picture(*m, false, 4, 1), after) << transparent;
    }
}
