#include "DotData.h"
#include "ModelFixtures.h"

#include <gtest/gtest.h>

using namespace vog;

TEST(DotData, NumberReadingKeepsLastThreeDigitsModulo256)
{
    const struct
    {
        const char *text;
        std::vector<int> values;
    } cases[] = {
        {"5,1,255,x7", {5, 1, 255, 7, 0, 0}},
        {"1234,300,256", {234, 44, 0}},
        {",,a b,", {0, 0, 0, 0}},
        {"0 0 9,12", {9, 12}},
        {"", {0, 0}},
    };
    for (const auto &c : cases) {
        dotdata::NumberReader r(c.text);
        for (int v : c.values)
            EXPECT_EQ(r.next(), v) << c.text;
    }
}

TEST(DotData, GetDataWritesThreeDigitsBandByBand)
{
    auto m = std::make_unique<DotModel>();
    m->putSizeX(2);
    m->putSizeY(8);
    m->setMainCell(0, 0, 1);
    EXPECT_EQ(m->GetData(), "002,001,001,000");
    // SizeY 10 takes two bands; rows beyond the height are encoded as they stand.
    m->putSizeY(10);
    m->setMainCell(1, 15, 1);
    m->setMainCell(0, 9, 2); // only exactly 1 is black
    EXPECT_EQ(m->GetData(), "002,002,001,000,000,128");
}

TEST(DotData, SetDataAcceptsOnlyValidHeaders)
{
    const struct
    {
        const char *text;
        bool ok;
        int sizeX, sizeY;
    } cases[] = {
        {"129,001", false, 32, 32}, {"005,017", false, 32, 32}, {"000,001", false, 32, 32},
        {"5,1,255,x7", true, 5, 8}, {"300,16", true, 44, 128},  {"1128,1", true, 128, 8},
    };
    for (const auto &c : cases) {
        auto m = std::make_unique<DotModel>();
        m->setMainCell(127, 127, 1);
        m->putSelSet(true);
        EXPECT_EQ(m->SetData(c.text), c.ok) << c.text;
        EXPECT_EQ(m->SizeX(), c.sizeX) << c.text;
        EXPECT_EQ(m->SizeY(), c.sizeY) << c.text;
        EXPECT_EQ(m->SelSet(), !c.ok) << c.text;
        EXPECT_EQ(m->undoCount(), c.ok ? 1 : 0) << c.text;
        EXPECT_EQ(m->mainCell(127, 127), 1) << "cells outside are kept: " << c.text;
    }
    auto m = std::make_unique<DotModel>();
    ASSERT_TRUE(m->SetData("5,1,255,x7"));
    EXPECT_EQ(m->GetData(), "005,001,255,007,000,000,000");
}

TEST(DotData, OverlayStrings)
{
    auto m = std::make_unique<DotModel>();
    EXPECT_EQ(m->GetOvl(), "");
    EXPECT_FALSE(m->SetOvl("010,129"));
    EXPECT_TRUE(m->SetOvl("010,012,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,99"));
    EXPECT_EQ(m->selState(), SelFloating);
    EXPECT_EQ(m->selection().right, 9);
    EXPECT_EQ(m->selection().bottom, 11);
    // 20 in column 9 of band 1: bits 2 and 4, the latter below the height.
    EXPECT_EQ(m->overlayCell(9, 8), 0);
    EXPECT_EQ(m->overlayCell(9, 10), 1);
    EXPECT_EQ(m->overlayCell(9, 12), 1);
    EXPECT_EQ(m->overlayCell(10, 0), Empty);
    EXPECT_EQ(m->GetOvl().substr(0, 16), "010,012,001,002,");
    EXPECT_EQ(m->undoCount(), 0);

    // A marked selection floats as a copy; the main plane stays.
    ASSERT_TRUE(m->SetData("3,1,1,2,4"));
    m->putSelPosX1(1);
    m->putSelPosX2(2);
    m->putSelPosY2(1);
    m->putSelSet(true);
    m->setSelState(SelMarked);
    EXPECT_EQ(m->GetOvl(), "002,002,002,000");
    EXPECT_EQ(m->selState(), SelFloating);
    EXPECT_EQ(m->GetData(), "003,001,001,002,004");
}

TEST(DotData, SetDataOfGetDataChangesNoDot)
{
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        auto m = vogtest::randomModel(rng);
        const Plane before = m->mainPlane();
        const int sizeX = m->SizeX();
        ASSERT_TRUE(m->SetData(m->GetData()));
        EXPECT_EQ(m->mainPlane(), before);
        EXPECT_EQ(m->SizeX(), sizeX);
    }
}
