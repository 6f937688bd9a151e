#include "editors/ConstantFile.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

// A constant's file is text of the code page, its value the number it starts with.
TEST(ConstantFile, BytesTextAndValue)
{
    const struct
    {
        QByteArray bytes;
        const char16_t *text;
        double value;
    } cases[] = {
        {"65535", u"65535", 65535},
        {" -12 ", u" -12 ", -12},
        {"\x80"
         "5",
         u"\u20ac5", 0},
        {"7\x9f\xff", u"7\u0178\u00ff", 7},
        {"&H1F", u"&H1F", 31},
        {"", u"", 0},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(constantfile::text(c.bytes), text) << c.bytes.toHex().constData();
        EXPECT_EQ(constantfile::bytes(text), c.bytes) << c.bytes.toHex().constData();
        EXPECT_DOUBLE_EQ(constantfile::value(text), c.value) << c.bytes.toHex().constData();
    }
}

} // namespace
