#include "ConstantFile.h"
#include "ItemLimits.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemLimits, GraphicDefaultsAndOneSidedClamps)
{
    const struct
    {
        const char *text;
        GraphicLimits expected;
    } cases[] = {
        {"", {1, 104, 1, 7}},          {"0,200,2", {1, 104, 2, 7}},
        {"1,,104", {1, 104, 1, 7}}, // ",," counts as one separator
        {"20,10,5,3", {20, 10, 5, 3}}, {"8.5,16.25", {8.5, 16.25, 1, 7}},
        {"-3,abc,0,99", {1, 0, 1, 7}},
    };
    for (const auto &c : cases) {
        const GraphicLimits limits = itemlimits::parseGraphic(QString::fromLatin1(c.text));
        EXPECT_EQ(limits.minWidth, c.expected.minWidth) << c.text;
        EXPECT_EQ(limits.maxWidth, c.expected.maxWidth) << c.text;
        EXPECT_EQ(limits.minBands, c.expected.minBands) << c.text;
        EXPECT_EQ(limits.maxBands, c.expected.maxBands) << c.text;
    }
}

TEST(ItemLimits, ConstantDefaultsAndOneSidedClamps)
{
    const struct
    {
        const char *text;
        double minimum, maximum;
    } cases[] = {
        {"", 0, 65535},     {"10,20", 10, 20},      {",-5", 0, -5},
        {"1,,104", 1, 104}, {"-7,70000", 0, 65535}, {"0.5,2.5", 0.5, 2.5},
    };
    for (const auto &c : cases) {
        const ConstantLimits limits = itemlimits::parseConstant(QString::fromLatin1(c.text));
        EXPECT_EQ(limits.minimum, c.minimum) << c.text;
        EXPECT_EQ(limits.maximum, c.maximum) << c.text;
    }
    EXPECT_FALSE(itemlimits::parseConstant(u",-5").contains(0));
    EXPECT_TRUE(itemlimits::parseConstant(u"10,20").contains(20));
    EXPECT_FALSE(itemlimits::parseConstant(u"10,20").contains(9.5));
}

TEST(ConstantFile, ValueIsTheLeadingNumber)
{
    const struct
    {
        const char *bytes;
        double value;
    } cases[] = {
        {"007", 7}, {"12abc", 12}, {"", 0}, {"abc", 0}, {"1.5", 1.5}, {"120\r\n", 120},
    };
    for (const auto &c : cases)
        EXPECT_EQ(constantfile::value(constantfile::text(QByteArray(c.bytes))), c.value) << c.bytes;
}

TEST(ConstantFile, TextIsWrittenOneBytePerCharacter)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(constantfile::bytes(constantfile::text(all)), all);
    EXPECT_EQ(constantfile::bytes(u"1.5"), QByteArray("1.5"));
}

} // namespace
