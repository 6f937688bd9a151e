#include "GraphicCodec.h"
#include "ItemLimits.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

TEST(GraphicCodec, BytesToDotTextPutsBlankBeforeAndCommaAfterEveryNumber)
{
    EXPECT_EQ(graphiccodec::bytesToDotText(bytesOf({2, 1, 1, 0})), QStringLiteral(" 2, 1, 1, 0,"));
    EXPECT_EQ(graphiccodec::bytesToDotText(bytesOf({255, 128})), QStringLiteral(" 255, 128,"));
    EXPECT_EQ(graphiccodec::bytesToDotText({}), QString());
}

TEST(GraphicCodec, DotTextToBytesFollowsThePositionRule)
{
    const struct
    {
        const char *text;
        QByteArray bytes;
    } cases[] = {
        {"002,001,001,000", bytesOf({2, 1, 1, 0})},
        {"005,001,255,007,000,000,000", bytesOf({5, 1, 255, 7, 0, 0, 0})},
        {"7", bytesOf({7})},
        {" 2, 1, 1, 0,", bytesOf({2, 1, 1, 0, 0})},  // a trailing comma starts an empty number
        {"1,,2", bytesOf({1, 0})},                   // reading resumes after the next comma only
        {"1 2,3", bytesOf({12, 3})},                 // blanks inside a number are skipped
        {"300,-4,2.5,3.5", bytesOf({255, 0, 2, 4})}, // held to a byte, half to even
        {"", QByteArray()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(graphiccodec::dotTextToBytes(QString::fromLatin1(c.text)), c.bytes) << c.text;
}

TEST(GraphicCodec, EveryByteSurvivesTextAndBack)
{
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        QByteArray bytes(2 + static_cast<int>(random() % 2048), Qt::Uninitialized);
        for (char &b : bytes)
            b = static_cast<char>(random() & 0xFF);
        EXPECT_EQ(graphiccodec::dotTextToBytes(graphiccodec::bytesToDotText(bytes)).chopped(1),
                  bytes);
    }
}

TEST(GraphicCodec, BandCountAndSizeInRange)
{
    EXPECT_EQ(graphiccodec::bandCount(10), 2);
    EXPECT_EQ(graphiccodec::bandCount(8), 1);
    EXPECT_EQ(graphiccodec::bandCount(1), 1);
    EXPECT_EQ(graphiccodec::bandCount(56), 7);

    const GraphicLimits limits{10, 20, 2, 3};
    const struct
    {
        int width, height;
        bool inRange;
    } cases[] = {
        {10, 9, true},   {20, 24, true}, {9, 16, false},
        {21, 16, false}, {15, 8, false}, {15, 25, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(graphiccodec::sizeInRange(c.width, c.height, limits), c.inRange)
            << c.width << "x" << c.height;

    // A minimum above its maximum is kept: nothing fits.
    EXPECT_FALSE(graphiccodec::sizeInRange(5, 8, GraphicLimits{6, 4, 1, 7}));
}

} // namespace
