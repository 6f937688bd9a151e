#include "ModelFixtures.h"

#include <gtest/gtest.h>

using namespace vog;

TEST(DotData, SetDataTakesValidHeadersOnlyAndGetDataWritesThemBack)
{
    // Only the last three digits of a number count, other characters are
    // skipped, values wrap modulo 256 and missing numbers read 0.
    const std::pair<const char *, const char *> cases[] = {
        {"002,001,001,000", "002,001,001,000"},
        {"5,1,255,x7", "005,001,255,007,000,000,000"},
        {"1002,1", "002,001,000,000"},
        {"3,1,1234,300,256", "003,001,234,044,000"},
        {"3,1,,a b,0 0 9", "003,001,000,000,009"},
        {"129,001", nullptr},
        {"005,017", nullptr},
        {"000,001", nullptr},
    };
    for (const auto &[text, expected] : cases) {
        auto m = std::make_unique<DotModel>();
        m->setMainCell(127, 127, 1);
        m->putSelSet(true);
        const DotState before = m->state();
        EXPECT_EQ(m->SetData(text), expected != nullptr) << text;
        if (expected) {
            EXPECT_EQ(m->GetData(), expected);
            EXPECT_FALSE(m->SelSet());
            EXPECT_EQ(m->mainCell(127, 127), 1) << "cells outside the graphic are kept";
        } else {
            EXPECT_TRUE(m->state() == before) << text;
            EXPECT_EQ(m->undoCount(), 0);
        }
    }
    // Ten rows take two bands; rows beyond the height are written as they
    // stand, and only a cell of exactly 1 is black.
    auto m = vogtest::graphic({"..", "..", "..", "..", "..", "..", "..", "..", "..", "#."});
    m->setMainCell(1, 15, 1);
    m->setMainCell(0, 8, 2);
    EXPECT_EQ(m->GetData(), "002,002,000,000,002,128");
}

TEST(DotData, OverlayStrings)
{
    auto m = std::make_unique<DotModel>();
    EXPECT_EQ(m->GetOvl(), "");
    EXPECT_FALSE(m->SetOvl("010,129"));
    EXPECT_TRUE(m->SetOvl("010,012,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,99"));
    EXPECT_EQ(m->selState(), SelFloating);
    EXPECT_EQ(vogtest::corners(m->selection()), std::tuple(0, 0, 9, 11));
    // 20 in column 9 of band 1 is bits 2 and 4; the second lies below the height.
    EXPECT_EQ(m->overlayCell(9, 10) + m->overlayCell(9, 12) + m->overlayCell(9, 8), 2);
    EXPECT_EQ(m->overlayCell(10, 0), Empty);
    EXPECT_EQ(m->GetOvl().substr(0, 16), "010,012,001,002,");

    // A marked selection floats as a copy; the main plane stays.
    m = vogtest::graphic({"#..", ".#.", "..#"});
    vogtest::select(*m, 1, 0, 2, 1);
    EXPECT_EQ(m->GetOvl(), "002,002,002,000");
    EXPECT_EQ(m->selState(), SelFloating);
    EXPECT_EQ(m->GetData(), "003,001,001,002,004");
}
