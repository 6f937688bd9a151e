#include "builder/K7xLayout.h"
#include "builder/K7xReader.h"
#include "builder/K7xWriter.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include "BuilderFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace builderfiles;

using k7x::Fault;

QByteArray image(int seed)
{
    return firmware(k7x::ImageSize, seed);
}

// The distinct kinds of fault found, in the order of the enumeration.
std::vector<Fault::Kind> kindsOf(const k7x::Contents &contents)
{
    std::vector<Fault::Kind> result;
    for (const Fault &fault : contents.faults)
        result.push_back(fault.kind);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

// A whole file from an image and item contents, through the writer.
QByteArray build(const QByteArray &firmware, const std::vector<QByteArray> &items,
                 const QString &label = k7x::defaultLabel())
{
    k7x::JumpTable table;
    for (const QByteArray &item : items)
        EXPECT_EQ(table.add(item.size()), k7x::JumpTable::Added::Ok);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    k7x::Writer writer(buffer);
    EXPECT_TRUE(writer.writeImage(firmware));
    EXPECT_TRUE(writer.writeHeader(table, label));
    for (const QByteArray &item : items) {
        // In pieces, as a stream would deliver them.
        EXPECT_TRUE(writer.writeData(QByteArrayView(item).first(item.size() / 2)));
        EXPECT_TRUE(writer.writeData(QByteArrayView(item).sliced(item.size() / 2)));
    }
    EXPECT_TRUE(writer.writeChecksum());
    return out;
}

k7x::Contents inspect(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return k7x::read(buffer);
}

TEST(K7xFormat, WorkedExampleReadsBack)
{
    QByteArray file = image(0) + fixture("worked_example.area");
    const k7x::Contents contents = inspect(file);
    EXPECT_TRUE(contents.ok()) << contents.faults.front().text.toStdString();
    EXPECT_EQ(contents.resourceLength, 37u);
    EXPECT_EQ(contents.label, QStringLiteral("XXXXXXX"));
    EXPECT_EQ(contents.itemCount, 1);
    EXPECT_EQ(contents.dataSize, 3);
    EXPECT_EQ(contents.storedChecksum, 0xFCA0);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(k7x::readItem(buffer, contents, 0), QByteArray("ABC"));
    EXPECT_EQ(k7x::readItem(buffer, contents, 1), std::nullopt);
    EXPECT_EQ(k7x::readItem(buffer, contents, -1), std::nullopt);
}

// The smallest files and the longest label are as valid as any.
TEST(K7xFormat, EdgesOfAValidFile)
{
    const struct
    {
        const char *name;
        std::vector<QByteArray> items;
        QString label;
        qint64 size;
    } cases[] = {
        {"no items", {}, QStringLiteral("XXXXXXX"), 0x10000 + 24 + 2},
        {"only empty items", {"", ""}, QStringLiteral("XXXXXXX"), 0x10000 + 24 + 16 + 2},
        {"a label of eight", {"a"}, QStringLiteral("ABCDEFGH"), 0x10000 + 24 + 8 + 1 + 2},
        {"no label", {"a"}, QString(), 0x10000 + 24 + 8 + 1 + 2},
    };
    for (const auto &c : cases) {
        const QByteArray file = build(image(3), c.items, c.label);
        ASSERT_EQ(file.size(), c.size) << c.name;
        const k7x::Contents contents = inspect(file);
        EXPECT_TRUE(contents.faults.empty())
            << c.name << ": " << contents.faults.front().text.toStdString();
        EXPECT_EQ(contents.label, c.label) << c.name;
        EXPECT_EQ(qint64(contents.entries.size()), qint64(c.items.size())) << c.name;
    }
}

TEST(K7xFormat, LabelFieldIsAlwaysSixteenBytes)
{
    const struct
    {
        QString label;
        QByteArray field;
    } cases[] = {
        {QString(), QByteArray(16, '\0')},
        {QStringLiteral("XXXXXXX"), QByteArray("\x07XXXXXXX\0\0\0\0\0\0\0\0", 16)},
        {QStringLiteral("ABCDEFGHIJ"), QByteArray("\x08"
                                                  "ABCDEFGH\0\0\0\0\0\0\0",
                                                  16)},
        {QStringLiteral("caf\u00e9\u20ac"), QByteArray("\x05"
                                                       "caf\xe9\x80\0\0\0\0\0\0\0\0\0\0",
                                                       16)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(k7x::labelField(c.label).toHex(' '), c.field.toHex(' ')) << c.label.toStdString();
}

TEST(K7xFormat, ChecksumCoversTheResourceAreaOnly)
{
    // The second sum has its top bit set, which a narrower sum would lose.
    const std::vector<QByteArray> sets[] = {
        {QByteArray(70000 / 2, '\xff'), "abc", QByteArray(1, 0)},
        {QByteArray(130, '\xff')},
    };
    const quint16 stored[] = {0xC7E1, 0x7AEA};
    for (int k = 0; k < 2; ++k) {
        const QByteArray a = build(image(0), sets[k]);
        const QByteArray b = build(image(99), sets[k]);
        EXPECT_EQ(a.sliced(k7x::ImageSize), b.sliced(k7x::ImageSize));
        EXPECT_EQ(qFromBigEndian<quint16>(a.constData() + a.size() - 2), stored[k]) << k;
    }
}

TEST(K7xFormat, JumpTableLimits)
{
    k7x::JumpTable table;
    EXPECT_EQ(table.add(65536), k7x::JumpTable::Added::ItemTooBig);
    EXPECT_EQ(table.add(65535), k7x::JumpTable::Added::Ok);
    EXPECT_EQ(table.add(0), k7x::JumpTable::Added::Ok);
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(table.resourceLength(), 26 + 16 + 65535);

    // L is 32 bits: 65529 full-size items fit, the next one would wrap it.
    k7x::JumpTable huge;
    for (int k = 0; k < 65529; ++k)
        ASSERT_EQ(huge.add(65535), k7x::JumpTable::Added::Ok);
    EXPECT_EQ(huge.resourceLength(), 4294967273LL);
    EXPECT_EQ(huge.add(65535), k7x::JumpTable::Added::AreaTooBig);
    EXPECT_EQ(huge.add(15), k7x::JumpTable::Added::AreaTooBig);
    EXPECT_EQ(huge.add(14), k7x::JumpTable::Added::Ok);
    EXPECT_EQ(huge.resourceLength(), 0xFFFFFFFFLL);
}

TEST(K7xFormat, VerifierFindsEachKindOfCorruption)
{
    const QByteArray good = build(image(5), {"first", "second", "third"});
    const qint64 data = k7x::dataAreaOffset(3);
    const struct
    {
        const char *name;
        std::function<void(QByteArray &)> corrupt;
        std::vector<Fault::Kind> expected;
        qint64 firstOffset;
    } cases[] = {
        {"flipped data byte",
         [&](QByteArray &f) { f[data + 7] = char(f[data + 7] ^ 0x10); },
         {Fault::Kind::Checksum},
         good.size() - 2},
        {"flipped image byte", [](QByteArray &f) { f[100] = char(f[100] ^ 1); }, {}, 0},
        {"wrong L",
         [](QByteArray &f) { f[0x10003] = char(f[0x10003] + 1); },
         {Fault::Kind::Length, Fault::Kind::Checksum},
         0x10000},
        {"truncated by one byte",
         [](QByteArray &f) { f.chop(1); },
         {Fault::Kind::Length, Fault::Kind::EntryPastEnd, Fault::Kind::DataSize,
          Fault::Kind::Checksum},
         0x10000},
        {"truncated into the header",
         [](QByteArray &f) { f.truncate(0x10010); },
         {Fault::Kind::Truncated},
         0x10010},
        {"bare image",
         [](QByteArray &f) { f.truncate(0x10000); },
         {Fault::Kind::Truncated},
         0x10000},
        {"entry past the end",
         [](QByteArray &f) {
             f[k7x::entryOffset(2) + 4] = 0x12; // third item: 0x1205 bytes
         },
         {Fault::Kind::EntryPastEnd, Fault::Kind::DataSize, Fault::Kind::Checksum},
         k7x::entryOffset(2)},
        {"entry out of order",
         [](QByteArray &f) { f[k7x::entryOffset(1) + 3] = 0; },
         {Fault::Kind::EntryOffset, Fault::Kind::Checksum},
         k7x::entryOffset(1)},
        {"reserved bytes",
         [](QByteArray &f) { f[k7x::entryOffset(0) + 7] = 1; },
         {Fault::Kind::Reserved, Fault::Kind::Checksum},
         k7x::entryOffset(0) + 6},
        {"format byte",
         [](QByteArray &f) { f[0x10005] = 2; },
         {Fault::Kind::Format, Fault::Kind::Checksum},
         0x10005},
        {"label field not zero after the label",
         [](QByteArray &f) { f[0x1000E] = 'Y'; },
         {Fault::Kind::Label, Fault::Kind::Checksum},
         0x1000E},
        {"more data than the items",
         [&](QByteArray &f) {
             f.insert(f.size() - 2, 'Z');
             f[0x10003] = char(f[0x10003] + 1);
         },
         {Fault::Kind::DataSize, Fault::Kind::Checksum},
         data + 16},
        {"label of eight characters, the most",
         [](QByteArray &f) { f[0x10006] = 8; },
         {Fault::Kind::Checksum},
         good.size() - 2},
        {"label too long",
         [](QByteArray &f) { f[0x10006] = 9; },
         {Fault::Kind::Label, Fault::Kind::Checksum},
         0x10006},
        {"count past the end",
         [](QByteArray &f) { f[0x10016] = char(0xFF); },
         {Fault::Kind::Count, Fault::Kind::EntryOffset, Fault::Kind::EntryPastEnd,
          Fault::Kind::Reserved, Fault::Kind::Checksum},
         0x10016},
    };
    for (const auto &c : cases) {
        QByteArray file = good;
        c.corrupt(file);
        const k7x::Contents contents = inspect(file);
        EXPECT_EQ(kindsOf(contents), c.expected) << c.name;
        if (!contents.faults.empty()) {
            EXPECT_EQ(contents.faults.front().offset, c.firstOffset) << c.name;
        }
    }
}

// A table of garbage names its first sixteen faults and counts the rest.
TEST(K7xFormat, FaultsOfTheJumpTableStopAtSixteen)
{
    QByteArray file = build(image(1), std::vector<QByteArray>(20, "x"));
    for (int k = 0; k < 20; ++k)
        file[k7x::entryOffset(k) + 7] = 1;
    const k7x::Contents contents = inspect(file);
    ASSERT_EQ(contents.faults.size(), 18u); // 16, the count of the rest, the checksum
    EXPECT_EQ(contents.faults[15].text, QStringLiteral("item 15: reserved bytes not zero"));
    EXPECT_EQ(contents.faults[16].text, QStringLiteral("4 more faults in the jump table"));
}

TEST(K7xFormat, HeaderClaimingMoreThanTheFileHoldsReadsNothingOutside)
{
    QByteArray file = image(0) + fixture("worked_example.area");
    file[0x10000] = char(0xFF); // L near 4 GB
    file[0x10016] = char(0xFF); // 65535+ items
    file[0x10017] = char(0xFF);
    file[k7x::entryOffset(0) + 2] = char(0x7F); // item 0 far past the end
    const k7x::Contents contents = inspect(file);
    EXPECT_FALSE(contents.ok());
    EXPECT_EQ(contents.itemCount, 65535);
    EXPECT_LE(qint64(contents.entries.size()), 1);
    EXPECT_FALSE(contents.itemInside(0));
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(k7x::readItem(buffer, contents, 0), std::nullopt);
}

} // namespace
