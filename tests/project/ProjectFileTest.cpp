#include "ProjectFile.h"
#include "ItemTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "../support/QtPrinting.h"

#include <gtest/gtest.h>

using projectfile::ParseResult;
using Failure = ParseResult::Failure;

namespace {

// "name|file|help|type|limits" per item, as the table holds it afterwards.
QStringList rows(const ItemTable &table)
{
    QStringList out;
    for (qsizetype i = 0; i < table.count(); ++i) {
        const ItemTable::Item item = table.at(i);
        out << QStringList{item.fullName, item.fileName, item.help, item.type, item.limits}.join(
            QLatin1Char('|'));
    }
    return out;
}

struct ParseCase
{
    const char *name;
    QByteArray bytes;
    Failure failure;
    qsizetype line;
    QStringList items;
};

class ParseTest : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseTest, LinesFieldsAndRejection)
{
    const ParseCase &c = GetParam();
    ItemTable table;
    const ParseResult result = projectfile::parse(c.bytes, table);
    EXPECT_EQ(result.failure, c.failure);
    if (c.failure == Failure::InvalidLine) {
        EXPECT_EQ(result.line, c.line);
    }
    EXPECT_EQ(rows(table), c.items);
}

const QString kItemA = QStringLiteral("Logo|Misc\\logo.bin|Start-up logo|G|104,104,7,7");
const QString kItemB = QStringLiteral("Port|Const\\port.c|Port|C|");

INSTANTIATE_TEST_SUITE_P(
    Table, ParseTest,
    ::testing::Values(
        ParseCase{"CrLf",
                  "Logo\tMisc\\logo.bin\tStart-up "
                  "logo\tG\t104,104,7,7\r\nPort\tConst\\port.c\tPort\tC\r\n",
                  Failure::None,
                  0,
                  {kItemA, kItemB}},
        ParseCase{
            "LoneCrAndNoFinalEnd",
            "Logo\tMisc\\logo.bin\tStart-up logo\tG\t104,104,7,7\rPort\tConst\\port.c\tPort\tC",
            Failure::None,
            0,
            {kItemA, kItemB}},
        ParseCase{"EmptyLinesSkipped",
                  "\r\n\r\nLogo\tMisc\\logo.bin\tStart-up "
                  "logo\tG\t104,104,7,7\r\n\r\r\nPort\tConst\\port.c\tPort\tC\r\n\r\n",
                  Failure::None,
                  0,
                  {kItemA, kItemB}},
        ParseCase{"LfOnlyIsOneLine",
                  "a\tb\th\tG\nc\td\te\tC\n",
                  Failure::None,
                  0,
                  {QStringLiteral("a|b|h|G\nc|d")}},
        ParseCase{"DoubleTabIsOneSeparator",
                  "n\t\tf\th\tG",
                  Failure::None,
                  0,
                  {QStringLiteral("n|f|h|G|")}},
        ParseCase{"ExtraFieldsIgnored",
                  "n\tf\th\tT\t1,2\tx\ty",
                  Failure::None,
                  0,
                  {QStringLiteral("n|f|h|T|1,2")}},
        ParseCase{
            "LowerCaseTypeKept", "n\tf\th\tg", Failure::None, 0, {QStringLiteral("n|f|h|g|")}},
        ParseCase{"FieldsKeptAsTheyStand",
                  " n \t f \t h \t G ",
                  Failure::None,
                  0,
                  {QStringLiteral(" n | f | h | G |")}},
        ParseCase{"HelpLeftOutRejected", "n\tf\t\tG\r\n", Failure::InvalidLine, 0, {}},
        ParseCase{"FirstLineWithoutTypeRejected", "n\tf\th\r\n", Failure::InvalidLine, 0, {}},
        ParseCase{"LeadingTabEmptiesName", "\tn\tf\th\tG", Failure::InvalidLine, 0, {}},
        ParseCase{"BlankLineRejected",
                  "n\tf\th\tG\r\n   \r\nm\tf\th\tG",
                  Failure::InvalidLine,
                  1,
                  {QStringLiteral("n|f|h|G|")}},
        ParseCase{"RejectionCountsOnlyItems",
                  "a\tb\th\tG\r\n\r\n\r\nc\td\th\tC\r\n\r\nbad\r\nz\tz\tz\tz",
                  Failure::InvalidLine,
                  2,
                  {QStringLiteral("a|b|h|G|"), QStringLiteral("c|d|h|C|")}},
        ParseCase{"EmptyFile", "", Failure::NoItems, 0, {}},
        ParseCase{"OnlyLineEnds", "\r\n\r\r\n\r", Failure::NoItems, 0, {}},
        ParseCase{"OnlyBlanks", "  \r\n \t \r\n", Failure::InvalidLine, 0, {}}),
    [](const ::testing::TestParamInfo<ParseCase> &info) { return std::string(info.param.name); });

TEST(ProjectFile, EveryByteValueSurvivesInAField)
{
    QByteArray name;
    for (int b = 0; b < 256; ++b) {
        if (b != '\t' && b != '\r')
            name.append(static_cast<char>(b));
    }
    ItemTable table;
    ASSERT_TRUE(projectfile::parse(name + "\tf\th\tG", table).ok());
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table.fullName(0).size(), name.size());
    ItemTable copy;
    copy.append(table.at(0));
    EXPECT_EQ(copy.fullName(0), table.fullName(0));
}

TEST(ProjectFile, HugeSingleLineIsOneRejectedLine)
{
    QByteArray line(50 * 1024 * 1024, 'x');
    ItemTable table;
    const ParseResult result = projectfile::parse(line, table);
    EXPECT_EQ(result.failure, Failure::InvalidLine);
    EXPECT_EQ(result.line, 0);
    EXPECT_TRUE(table.isEmpty());
}

TEST(ProjectFile, BinaryGarbageNeverCrashes)
{
    // a fixed pseudo-random stream with every byte value, line ends included
    quint32 seed = 12345;
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        for (int i = 0; i < 4000; ++i) {
            seed = seed * 1103515245u + 12345u;
            bytes.append(static_cast<char>(seed >> 24));
        }
        ItemTable table;
        const ParseResult result = projectfile::parse(bytes, table);
        for (qsizetype i = 0; i < table.count(); ++i) {
            EXPECT_FALSE(table.type(i).isEmpty());
            EXPECT_FALSE(table.fullName(i).isEmpty());
            EXPECT_FALSE(table.fileName(i).isEmpty());
        }
        if (result.failure == Failure::InvalidLine) {
            EXPECT_EQ(result.line, table.count());
        }
    }
}

TEST(ItemTable, NumberTextAndOutOfRange)
{
    ItemTable table;
    for (int i = 0; i < 12; ++i)
        table.append({QStringLiteral("G"), QStringLiteral("n"), QStringLiteral("f"), {}, {}});
    EXPECT_EQ(table.numberText(0), QStringLiteral(" 0"));
    EXPECT_EQ(table.numberText(11), QStringLiteral(" 11"));
    EXPECT_EQ(table.type(12), QString());
    EXPECT_EQ(table.help(-1), QString());
    table.clear();
    EXPECT_TRUE(table.isEmpty());
}

} // namespace
