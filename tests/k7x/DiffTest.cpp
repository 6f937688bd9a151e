#include "K7xFixture.h"

#include <QImage>

using namespace Qt::StringLiterals;
using namespace k7xtest;

namespace {

// A graphic of 8 x 8 dots with its top row black, a constant and a blob.
const QByteArray Logo = bytes({8, 1, 1, 1, 1, 1, 1, 1, 1, 1});
const QByteArray Project = "Logo\tGraphic\\Logo.bin\th\tG\r\n"
                           "Port\tConst\\Port.con\th\tC\t1,4\r\n"
                           "Blob\tOther\\Blob.bin\th\tT\r\n";

QByteArray withDot(QByteArray graphic, int byte, int bit)
{
    graphic[byte] = char(graphic[byte] ^ (1 << bit));
    return graphic;
}

class Diff : public Files
{
protected:
    QString a = put(u"a.k7x"_s, firmware({Logo, "30", QByteArray(1000, 'B')}));
    QString project = put(u"P/Resource.k7r"_s, Project);
};

TEST_F(Diff, SaysWhatDiffersLineByLine)
{
    const struct
    {
        const char *name;
        QByteArray b;
        bool withProject;
        QString out;
        QByteArray a = {}; // when not the three items of the fixture
    } cases[] = {
        {"identical", firmware({Logo, "30", QByteArray(1000, 'B')}), true, {}},
        {"one changed constant", firmware({Logo, "45", QByteArray(1000, 'B')}), true,
         u"item 1 (C Port): changed, 2 -> 2 bytes\n"
         "checksum: 0xFA11 -> 0xFA0B\n"_s},
        {"a constant grows", firmware({Logo, "450", QByteArray(1000, 'B')}), false,
         u"item 1: changed, 2 -> 3 bytes\n"
         "checksum: 0xFA11 -> 0xF9D8\n"_s},
        {"a graphic with one changed dot",
         firmware({withDot(Logo, 9, 7), "30", QByteArray(1000, 'B')}), true,
         u"item 0 (G Logo): changed, 10 -> 10 bytes, 1 of 64 dots changed\n"
         "checksum: 0xFA11 -> 0xF991\n"_s},
        {"a graphic twice as wide",
         firmware({bytes({16, 1}) + QByteArray(16, '\x01'), "30", QByteArray(1000, 'B')}), true,
         u"item 0 (G Logo): changed, 10 -> 18 bytes, 8 of 128 dots changed "
         "(8 x 8 -> 16 x 8 dots)\n"
         "checksum: 0xFA11 -> 0xF9E1\n"_s},
        {"items added at the end", firmware({Logo, "30", QByteArray(1000, 'B'), "x", {}}), true,
         u"item 3: added, 1 bytes\n"
         "item 4: added, 0 bytes\n"
         "checksum: 0xFA11 -> 0xF796\n"_s},
        {"an item removed", firmware({Logo, "30"}), true,
         u"item 2 (T Blob): removed, 1000 bytes\n"
         "checksum: 0xFA11 -> 0xFCCD\n"_s},
        {"a changed label", firmware({Logo, "30", QByteArray(1000, 'B')}, "REL-2"), false,
         u"label: \"XXXXXXX\" -> \"REL-2\"\n"
         "checksum: 0xFA11 -> 0xFB39\n"_s},
        {"a change past the first megabyte",
         [] {
             QList<QByteArray> items(20, QByteArray(65535, 'M'));
             items[19][65534] = 'N';
             return firmware(items);
         }(),
         false,
         u"item 19: changed, 65535 -> 65535 bytes\n"
         "checksum: 0xB513 -> 0xB512\n"_s,
         firmware(QList<QByteArray>(20, QByteArray(65535, 'M')))},
        {"a changed original",
         [] {
             QByteArray f = firmware({Logo, "30", QByteArray(1000, 'B')});
             f[0x100] = 0;
             f[0xFFFF] = 0;
             return f;
         }(),
         true, u"image: 2 of 65536 bytes differ, the first at 0x00100\n"_s},
    };
    for (const auto &c : cases) {
        const QString b = put(u"b.k7x"_s, c.b);
        QStringList args{u"diff"_s, c.a.isEmpty() ? a : put(u"other.k7x"_s, c.a), b};
        if (c.withProject)
            args << u"--project"_s << project;
        const Outcome run = k7x(args);
        EXPECT_EQ(run.out, c.out) << c.name;
        EXPECT_EQ(run.exit, c.out.isEmpty() ? 0 : 1) << c.name;
        EXPECT_TRUE(run.err.isEmpty()) << c.name << ": " << run.err.toStdString();
    }
}

TEST_F(Diff, DrawsAChangedGraphicBesideItsOldSelf)
{
    const QString b = put(u"b.k7x"_s, firmware({withDot(Logo, 9, 7), "45", QByteArray(1000, 'B')}));
    const QString pictures = path(u"review/new"_s);
    const Outcome run = k7x({u"diff"_s, a, b, u"--pictures"_s, pictures, u"--project"_s, project});
    EXPECT_EQ(run.exit, 1) << run.err;
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files), QStringList{u"item0.png"_s});
    const QImage image(pictures + u"/item0.png"_s);
    // three panels of 8 x 8 dots, a dot apart, four pixels a dot
    ASSERT_EQ(image.size(), QSize(104, 32));
    const auto at = [&](int panel, int x, int y) {
        return image.pixel((panel * 9 + x) * 4 + 1, y * 4 + 2);
    };
    EXPECT_EQ(at(0, 7, 7), qRgb(255, 255, 255)); // A: white where B has a new dot
    EXPECT_EQ(at(1, 7, 7), qRgb(0, 0, 0));
    EXPECT_EQ(at(2, 7, 7), qRgb(224, 0, 0));     // the change
    EXPECT_EQ(at(2, 0, 0), qRgb(208, 208, 208)); // black in both
    EXPECT_EQ(at(2, 0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(8 * 4 + 1, 0), qRgb(160, 160, 160)); // the gap
}

TEST_F(Diff, TroubleIsTwoWithTheReasonOnStandardError)
{
    QByteArray corrupt = firmware({Logo, "30"});
    corrupt[corrupt.size() - 1] = char(corrupt[corrupt.size() - 1] ^ 1);
    const QString bad = put(u"bad.k7x"_s, corrupt);
    const struct
    {
        QStringList args;
        QString err;
    } cases[] = {
        {{u"diff"_s, a, bad},
         QDir::toNativeSeparators(bad) + u": 1 faults; k7x verify lists them\n"_s},
        {{u"diff"_s, path(u"none.k7x"_s), a},
         QDir::toNativeSeparators(path(u"none.k7x"_s)) + u": 53: File not found\n"_s},
        {{u"diff"_s, a, a, u"--project"_s, path(u"none.k7r"_s)},
         QDir::toNativeSeparators(path(u"none.k7r"_s)) + u": 53: File not found\n"_s},
        {{u"diff"_s, u"-"_s, u"-"_s}, u"k7x diff: only one of A and B can be standard input\n"_s},
        {{u"diff"_s, a, a, u"--pictures"_s, path(u"p"_s)},
         u"k7x diff: --pictures needs --project, which tells the graphics\n"_s},
        {{u"diff"_s, a}, u"Usage: k7x diff "_s},
    };
    for (const auto &c : cases) {
        const Outcome run = k7x(c.args);
        EXPECT_EQ(run.exit, 2) << c.args.join(u' ');
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(c.err)) << run.err;
    }
    EXPECT_FALSE(QFile::exists(path(u"p"_s)));
}

} // namespace
