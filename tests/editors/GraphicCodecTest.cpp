#include "editors/GraphicCodec.h"
#include "editors/ItemLimits.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

TEST(GraphicCodec, DotTextFollowsThePositionRule)
{
    const std::pair<const char *, QByteArray> cases[] = {
        {"002,001,001,000", bytesOf({2, 1, 1, 0})},
        {"7", bytesOf({7})},
        {" 2, 1, 1, 0,", bytesOf({2, 1, 1, 0, 0})},  // a trailing comma starts an empty number
        {"1,,2", bytesOf({1, 0})},                   // reading resumes after the next comma only
        {"1 2,3", bytesOf({12, 3})},                 // blanks inside a number are skipped
        {"300,-4,2.5,3.5", bytesOf({255, 0, 2, 4})}, // held to a byte, half to even
        {"", QByteArray()},
    };
    for (const auto &[text, bytes] : cases)
        EXPECT_EQ(graphiccodec::dotTextToBytes(QString::fromLatin1(text)), bytes) << text;

    EXPECT_EQ(graphiccodec::bytesToDotText(bytesOf({2, 255})), QStringLiteral(" 2, 255,"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(graphiccodec::dotTextToBytes(graphiccodec::bytesToDotText(all)).chopped(1), all);
}

TEST(GraphicCodec, BandCountAndSizeInRange)
{
    const std::pair<int, int> heights[] = {{1, 1}, {8, 1}, {10, 2}, {56, 7}};
    for (const auto &[height, bands] : heights)
        EXPECT_EQ(graphiccodec::bandCount(height), bands) << height;

    const std::tuple<int, int, bool> cases[] = {{10, 9, true},   {20, 24, true}, {9, 16, false},
                                                {21, 16, false}, {15, 8, false}, {15, 25, false}};
    for (const auto &[width, height, inRange] : cases)
        EXPECT_EQ(graphiccodec::sizeInRange(width, height, GraphicLimits{10, 20, 2, 3}), inRange)
            << width << "x" << height;
    // A minimum above its maximum is kept: nothing fits.
    EXPECT_FALSE(graphiccodec::sizeInRange(5, 8, GraphicLimits{6, 4, 1, 7}));
    EXPECT_EQ(graphiccodec::invalidSizeText(), QStringLiteral("Current Graphic size is invalid"));
}

// Both ends of every range: what is kept, and the first value beyond it;
// missing fields take the defaults.
TEST(ItemLimits, BothEndsOfEveryBound)
{
    const std::pair<const char *, std::array<double, 4>> graphic[] = {
        {"", {1, 104, 1, 7}},
        {"1,,104", {1, 104, 1, 7}}, // ",," counts as one separator
        {"20,10,5,3", {20, 10, 5, 3}},
        {"8.5,16.25", {8.5, 16.25, 1, 7}},
        {"-3,abc,0,99", {1, 0, 1, 7}},
        {"1,104,1,7", {1, 104, 1, 7}},
        {"0,105,0,8", {1, 104, 1, 7}},
        {"2,103,2,6", {2, 103, 2, 6}},
        {"0.5,104.5,0.5,7.5", {1, 104, 1, 7}},
    };
    for (const auto &[text, expected] : graphic) {
        const GraphicLimits l = itemlimits::parseGraphic(QString::fromLatin1(text));
        EXPECT_EQ((std::array{l.minWidth, l.maxWidth, l.minBands, l.maxBands}), expected) << text;
    }
    const std::pair<const char *, std::array<double, 2>> constant[] = {
        {"", {0, 65535}},        {"0,65535", {0, 65535}},      {"-1,65536", {0, 65535}},
        {"1,65534", {1, 65534}}, {"-0.5,65535.5", {0, 65535}},
    };
    for (const auto &[text, expected] : constant) {
        const ConstantLimits l = itemlimits::parseConstant(QString::fromLatin1(text));
        EXPECT_EQ((std::array{l.minimum, l.maximum}), expected) << text;
    }
    const ConstantLimits range = itemlimits::parseConstant(u"10,20");
    const std::pair<double, bool> values[] = {{9.5, false}, {10, true}, {20, true}, {20.5, false}};
    for (const auto &[value, inside] : values)
        EXPECT_EQ(range.contains(value), inside) << value;
}

// Selecting the whole graphic: white underneath, but for the rows of the last
// band below the height, which stay; the lifted content keeps every byte.
TEST(GraphicCodec, LiftWholeKeepsHiddenRowsUnderneath)
{
    const struct
    {
        QByteArray graphic;
        int height;
        const char *rest, *floating;
    } cases[] = {
        {bytesOf({2, 1, 0xFF, 0x81}), 8, " 2, 1, 0, 0,", " 2, 8, 255, 129,"},
        {bytesOf({2, 1, 0xFF, 0x81}), 1, " 2, 1, 254, 128,", " 2, 1, 255, 129,"},
        {bytesOf({2, 1, 0xFF, 0x81}), 7, " 2, 1, 128, 128,", " 2, 7, 255, 129,"},
        // Two bands: only the second one keeps rows; 12 rows leave 4 hidden.
        {bytesOf({1, 2, 0xFF, 0xFF}), 12, " 1, 2, 0, 240,", " 1, 12, 255, 255,"},
        {bytesOf({1, 2, 0xFF, 0xFF}), 16, " 1, 2, 0, 0,", " 1, 16, 255, 255,"},
        {bytesOf({128, 1}), 8, " 128, 1,", " 128, 8,"},
        {bytesOf({5}), 8, "", ""},
    };
    for (const auto &c : cases) {
        const graphiccodec::WholeLift lift = graphiccodec::liftWhole(c.graphic, c.height);
        EXPECT_EQ(lift.rest, QLatin1String(c.rest)) << c.rest;
        EXPECT_EQ(lift.floating, QLatin1String(c.floating)) << c.floating;
    }
}

} // namespace
