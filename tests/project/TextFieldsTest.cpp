#include "project/TextFields.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace textfields;

namespace {

QString L(const char *text)
{
    return QString::fromLatin1(text);
}

TEST(TextFields, GetFieldSplitsByRunsOfSeparators)
{
    const struct
    {
        const char *text;
        char separator;
        int n;
        const char *expected;
    } cases[] = {{"a,b,c", ',', 1, "b"},  {"a,b,c", ',', 2, "c"},    {"a,b,c", ',', 3, ""},
                 {"a,b,c", ',', -4, "a"}, {"1,,104", ',', 1, "104"}, {"\ta", '\t', 0, ""},
                 {"\ta", '\t', 1, "a"},   {"\t\t\ta", '\t', 1, "a"}, {"a\t", '\t', 0, "a"},
                 {"a\t", '\t', 1, ""},    {"a\t", '\t', 2, ""},      {"a\t\tb", '\t', 1, "b"},
                 {"", ',', 0, ""},        {"abc", ',', 0, "abc"},    {",,,", ',', 0, ""},
                 {",,,", ',', 1, ""},     {"A;b;C", ';', 2, "C"}};
    for (const auto &c : cases)
        EXPECT_EQ(GetField(L(c.text), QLatin1Char(c.separator), c.n), L(c.expected))
            << c.text << " " << c.n;
}

TEST(TextFields, SetFieldReplacesOneFieldAndKeepsSeparatorRuns)
{
    const struct
    {
        const char *text, *value;
        int n, status;
        const char *expected;
    } cases[] = {{"a\tb", "x", 1, 0, "a\tx"},     {"a", "x", 1, -1, "a"},
                 {"a\t", "x", 1, 0, "a\tx"},      {"a\t\tb", "x", 1, 0, "a\t\tx"},
                 {"a\tb\tc", "", 1, 0, "a\t\tc"}, {"a\tb\tc", "x", 0, 0, "x\tb\tc"},
                 {"\tb", "x", 0, 0, "x\tb"},      {"", "x", 0, -1, ""},
                 {"a\tb", "x", 3, -1, "a\tb"}};
    for (const auto &c : cases) {
        QString text = L(c.text);
        EXPECT_EQ(SetField(text, L(c.value), u'\t', c.n), c.status) << c.text << " " << c.n;
        EXPECT_EQ(text, L(c.expected));
    }
}

TEST(TextFields, LeadingNumberReadsAsFarAsTheNumberGoes)
{
    const struct
    {
        const char *text;
        double value;
    } cases[] = {{"120", 120},  {"12abc", 12},    {"", 0},      {"1 2", 12},  {"-5", -5},
                 {"+7", 7},     {" \t\n 42", 42}, {"1.5", 1.5}, {".5", 0.5},  {"-.25x", -0.25},
                 {"1e3", 1000}, {"1E-2", 0.01},   {"2e", 2},    {"2e+", 2},   {"&HFF", 255},
                 {"&hff", 255}, {"&O17", 15},     {"&O19", 1},  {"&Hz", 0},   {"&O18", 1},
                 {"abc", 0},    {"-", 0},         {".", 0},     {"1e999", 0}, {"3\xe9", 3}};
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(L(c.text)), c.value) << c.text;
}

TEST(TextFields, BlankSignedAndPlainNumbers)
{
    const struct
    {
        double value;
        const char *blankSigned, *plain;
    } cases[] = {{0, " 0", "0"},
                 {5, " 5", "5"},
                 {-5, "-5", "5"},
                 {12, " 12", "12"},
                 {1.5, " 1.5", "1.5"},
                 {-0.25, "-0.25", "0.25"},
                 {0.1, " 0.1", "0.1"},
                 {-0.0, " 0", "0"},
                 // whole up to 15 digits, in exponent form from there
                 {999999999999999.0, " 999999999999999", "999999999999999"},
                 {-1e6, "-1000000", "1000000"},
                 {1e15, " 1e+15", "1e+15"}};
    for (const auto &c : cases) {
        EXPECT_EQ(BlankSignedNumber(c.value), L(c.blankSigned)) << c.value;
        EXPECT_EQ(PlainNumber(c.value), L(c.plain)) << c.value;
        if (std::fabs(c.value) < 1e9 && c.value == static_cast<int>(c.value)) {
            EXPECT_EQ(BlankSignedNumber(static_cast<int>(c.value)), L(c.blankSigned));
            EXPECT_EQ(PlainNumber(static_cast<qsizetype>(c.value)), L(c.plain));
        }
    }
}

} // namespace
