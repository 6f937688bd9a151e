#include "project/ProjectFile.h"
#include "project/ItemTable.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using projectfile::ParseResult;
using Failure = ParseResult::Failure;

namespace {

// "name|file|help|type|limits" per item, items joined by ';'.
QString rows(const ItemTable &table)
{
    QStringList out;
    for (qsizetype i = 0; i < table.count(); ++i) {
        const ItemTable::Item item = table.at(i);
        out << QStringList{item.fullName, item.fileName, item.help, item.typeLetter, item.limits}
                   .join(u'|');
    }
    return out.join(u';');
}

TEST(ProjectFile, LinesFieldsAndRejection)
{
    const QByteArray a = "Logo\tMisc\\logo.bin\tStart-up logo\tG\t104,104,7,7";
    const QByteArray b = "Port\tConst\\port.c\tPort\tC";
    const QString ab =
        u"Logo|Misc\\logo.bin|Start-up logo|G|104,104,7,7;Port|Const\\port.c|Port|C|"_s;
    const struct
    {
        QByteArray bytes;
        Failure failure;
        qsizetype line;
        QString items;
    } cases[] = {
        {a + "\r\n" + b + "\r\n", Failure::None, 0, ab},
        {a + "\r" + b, Failure::None, 0, ab}, // lone CR, no end after the last line
        {"\r\n\r\n" + a + "\r\n\r\r\n" + b + "\r\n\r\n", Failure::None, 0, ab},
        {"a\tb\th\tG\nc\td\te\tC\n", Failure::None, 0, u"a|b|h|G\nc|d"_s}, // LF stays inside
        {"n\t\tf\th\tG", Failure::None, 0, u"n|f|h|G|"_s}, // a run of tabs separates once
        {"n\tf\th\tT\t1,2\tx\ty", Failure::None, 0, u"n|f|h|T|1,2"_s},
        {"n\tf\th\tg", Failure::None, 0, u"n|f|h|g|"_s},
        {" n \t f \t h \t G ", Failure::None, 0, u" n | f | h | G |"_s},
        {"n\tf\t\tG\r\n", Failure::InvalidLine, 0, {}}, // help left out
        {"n\tf\th\r\n", Failure::InvalidLine, 0, {}},
        {"\tn\tf\th\tG", Failure::InvalidLine, 0, {}},
        {"n\tf\th\tG\r\n   \r\nm\tf\th\tG", Failure::InvalidLine, 1, u"n|f|h|G|"_s},
        {"a\tb\th\tG\r\n\r\n\r\nc\td\th\tC\r\n\r\nbad\r\nz\tz\tz\tz", Failure::InvalidLine, 2,
         u"a|b|h|G|;c|d|h|C|"_s},
        {"", Failure::NoItems, 0, {}},
        {"\r\n\r\r\n\r", Failure::NoItems, 0, {}},
        {"  \r\n \t \r\n", Failure::InvalidLine, 0, {}},
        {QByteArray(qsizetype{50} * 1024 * 1024, 'x'), Failure::InvalidLine, 0, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.left(60).toStdString());
        ItemTable table;
        const ParseResult result = projectfile::parse(c.bytes, table);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.line, c.failure == Failure::InvalidLine ? c.line : result.line);
        EXPECT_EQ(rows(table), c.items);
    }
}

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
            EXPECT_FALSE(table.typeLetter(i).isEmpty() || table.fullName(i).isEmpty() ||
                         table.fileName(i).isEmpty());
        }
        if (result.failure == Failure::InvalidLine) {
            EXPECT_EQ(result.line, table.count());
        }
    }
}

TEST(ItemTable, TypeIsDecidedByTheExactLetterAndTheLetterIsKept)
{
    const struct
    {
        QByteArray letter;
        ItemType type;
    } cases[] = {
        {"G", ItemType::Graphic},     {"C", ItemType::Constant}, {"I", ItemType::InfoStringI},
        {"F", ItemType::InfoStringF}, {"g", ItemType::Other},    {"c", ItemType::Other},
        {"i", ItemType::Other},       {"f", ItemType::Other},    {"GG", ItemType::Other},
        {"G ", ItemType::Other},      {" C", ItemType::Other},   {"T", ItemType::Other},
        {"\xC7", ItemType::Other},    {"IF", ItemType::Other},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.letter.toStdString());
        ItemTable loaded;
        ASSERT_TRUE(projectfile::parse("n\tf\th\t" + c.letter + "\t1,2", loaded).ok());
        ItemTable appended;
        appended.append({QString::fromLatin1(c.letter), u"n"_s, u"f"_s, {}, {}});
        for (const ItemTable *table : {&loaded, &appended}) {
            EXPECT_EQ(table->type(0), c.type);
            EXPECT_EQ(table->typeLetter(0), QString::fromLatin1(c.letter));
        }
    }
}

TEST(ItemTable, OutOfRangeReadsEmpty)
{
    ItemTable table;
    for (int i = 0; i < 12; ++i)
        table.append({u"G"_s, u"n"_s, u"f"_s, {}, {}});
    EXPECT_EQ(table.type(11), ItemType::Graphic);
    EXPECT_EQ(table.type(12), ItemType::Other);
    EXPECT_EQ(table.type(-1), ItemType::Other);
    EXPECT_EQ(table.typeLetter(12), QString());
    EXPECT_EQ(table.help(-1), QString());
    table.clear();
    EXPECT_EQ(table.type(0), ItemType::Other);
    table.append({u"C"_s, u"n"_s, u"f"_s, {}, {}});
    table.append({QString(), u"n"_s, u"f"_s, {}, {}}); // only the loader refuses an empty letter
    EXPECT_EQ(table.type(0), ItemType::Constant);
    EXPECT_EQ(table.type(1), ItemType::Other);
}

} // namespace
