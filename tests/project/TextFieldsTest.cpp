#include "TextFields.h"

#include "../support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace textfields;

namespace {

struct FieldCase
{
    const char *text;
    char separator;
    int n;
    const char *expected;
};

class GetFieldTest : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(GetFieldTest, SplitsByRunsOfSeparators)
{
    const FieldCase &c = GetParam();
    EXPECT_EQ(GetField(QString::fromLatin1(c.text), QLatin1Char(c.separator), c.n),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, GetFieldTest,
    ::testing::Values(FieldCase{"a,b,c", ',', 1, "b"}, FieldCase{"a,b,c", ',', 2, "c"},
                      FieldCase{"a,b,c", ',', 3, ""}, FieldCase{"a,b,c", ',', -4, "a"},
                      FieldCase{"1,,104", ',', 1, "104"}, FieldCase{"\ta", '\t', 0, ""},
                      FieldCase{"\ta", '\t', 1, "a"}, FieldCase{"\t\t\ta", '\t', 1, "a"},
                      FieldCase{"a\t", '\t', 0, "a"}, FieldCase{"a\t", '\t', 1, ""},
                      FieldCase{"a\t", '\t', 2, ""}, FieldCase{"a\t\tb", '\t', 1, "b"},
                      FieldCase{"", ',', 0, ""}, FieldCase{"abc", ',', 0, "abc"},
                      FieldCase{",,,", ',', 0, ""}, FieldCase{",,,", ',', 1, ""},
                      FieldCase{"A;b;C", ';', 2, "C"}));

struct SetCase
{
    const char *text;
    const char *value;
    int n;
    int status;
    const char *expected;
};

class SetFieldTest : public ::testing::TestWithParam<SetCase>
{
};

TEST_P(SetFieldTest, ReplacesOneFieldAndKeepsSeparatorRuns)
{
    const SetCase &c = GetParam();
    QString text = QString::fromLatin1(c.text);
    EXPECT_EQ(SetField(text, QString::fromLatin1(c.value), QLatin1Char('\t'), c.n), c.status);
    EXPECT_EQ(text, QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetFieldTest,
    ::testing::Values(SetCase{"a\tb", "x", 1, 0, "a\tx"}, SetCase{"a", "x", 1, -1, "a"},
                      SetCase{"a\t", "x", 1, 0, "a\tx"}, SetCase{"a\t\tb", "x", 1, 0, "a\t\tx"},
                      SetCase{"a\tb\tc", "", 1, 0, "a\t\tc"},
                      SetCase{"a\tb\tc", "x", 0, 0, "x\tb\tc"}, SetCase{"\tb", "x", 0, 0, "x\tb"},
                      SetCase{"", "x", 0, -1, ""}, SetCase{"a\tb", "x", 3, -1, "a\tb"}));

TEST(SetField, WhatIsWrittenReadsBack)
{
    const QString lines[] = {QStringLiteral("a\tb\tc"), QStringLiteral("a\t\t\tb\t\tc\t"),
                             QStringLiteral("\tx\ty")};
    for (const QString &line : lines) {
        for (int n = 0; n < 3; ++n) {
            QString text = line;
            ASSERT_EQ(SetField(text, QStringLiteral("new"), QLatin1Char('\t'), n), 0) << n;
            EXPECT_EQ(GetField(text, QLatin1Char('\t'), n), QStringLiteral("new"));
            for (int other = 0; other < 3; ++other) {
                if (other != n) {
                    EXPECT_EQ(GetField(text, QLatin1Char('\t'), other),
                              GetField(line, QLatin1Char('\t'), other));
                }
            }
        }
    }
}

struct NumberCase
{
    const char *text;
    double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(LeadingNumberTest, ReadsAsFarAsTheNumberGoes)
{
    EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromLatin1(GetParam().text)), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingNumberTest,
    ::testing::Values(NumberCase{"120", 120}, NumberCase{"12abc", 12}, NumberCase{"", 0},
                      NumberCase{"1 2", 12}, NumberCase{"-5", -5}, NumberCase{"+7", 7},
                      NumberCase{" \t\n 42", 42}, NumberCase{"1.5", 1.5}, NumberCase{".5", 0.5},
                      NumberCase{"-.25x", -0.25}, NumberCase{"1e3", 1000}, NumberCase{"1E-2", 0.01},
                      NumberCase{"2e", 2}, NumberCase{"2e+", 2}, NumberCase{"&HFF", 255},
                      NumberCase{"&hff", 255}, NumberCase{"&O17", 15}, NumberCase{"&O19", 1},
                      NumberCase{"&Hz", 0}, NumberCase{"abc", 0}, NumberCase{"-", 0},
                      NumberCase{".", 0}, NumberCase{"1e999", 0}, NumberCase{"3\xe9", 3}));

struct TextCase
{
    double value;
    const char *blankSigned;
    const char *plain;
};

class NumberTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(NumberTextTest, BlankSignedAndPlain)
{
    const TextCase &c = GetParam();
    EXPECT_EQ(BlankSignedNumber(c.value), QString::fromLatin1(c.blankSigned));
    EXPECT_EQ(PlainNumber(c.value), QString::fromLatin1(c.plain));
    if (c.value == static_cast<long long>(c.value)) {
        EXPECT_EQ(BlankSignedNumber(static_cast<long long>(c.value)),
                  QString::fromLatin1(c.blankSigned));
        EXPECT_EQ(PlainNumber(static_cast<long long>(c.value)), QString::fromLatin1(c.plain));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, NumberTextTest,
                         ::testing::Values(TextCase{0, " 0", "0"}, TextCase{5, " 5", "5"},
                                           TextCase{-5, "-5", "5"}, TextCase{12, " 12", "12"},
                                           TextCase{1.5, " 1.5", "1.5"},
                                           TextCase{-0.25, "-0.25", "0.25"},
                                           TextCase{0.1, " 0.1", "0.1"},
                                           TextCase{-0.0, " 0", "0"}));

TEST(NumberText, WholeTypesAreWholeNumbers)
{
    EXPECT_EQ(BlankSignedNumber(qsizetype(12)), QStringLiteral(" 12"));
    EXPECT_EQ(PlainNumber(-7), QStringLiteral("7"));
}

} // namespace
