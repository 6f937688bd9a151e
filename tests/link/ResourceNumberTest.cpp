#include "link/ResourceNumber.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(ResourceNumber, EveryTextHasANumber)
{
    const struct
    {
        const char *text;
        int number;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"007", 7},
        {"12ab", 12},
        {" 3 ", 3},
        {"12.4", 12},
        {"12.5", 13},
        {"-5", 5},
        {"-12.5", 13},
        {"&HFF", 255},
        {"12345", 12345},
        {"65533.4", 65533},
        {"65533.5", 65534},
        {"65534", 65534},
        {"65535", 65534},
        {"1e300", 65534},
        {"-1e300", 65534},
        {"1e999", 0}, // beyond a double: the text helpers read no number
        {"1e-300", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(resourcenumber::fromText(QString::fromLatin1(c.text)), c.number) << c.text;
}

} // namespace
