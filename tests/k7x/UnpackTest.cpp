#include "K7xFixture.h"

#include <QBuffer>

using namespace Qt::StringLiterals;
using namespace k7xtest;

namespace {

class Unpack : public Files
{
protected:
    // Unpacks fw with the project text (or "-") into out/, then builds the
    // project copy again: the bytes that come back.
    QByteArray roundTrip(const QByteArray &fw, const QByteArray &project, const QString &name)
    {
        const QString fwPath = put(u"fw.k7x"_s, fw);
        const QString projectPath = project.isNull() ? u"-"_s : put(u"src/"_s + name, project);
        const Outcome unpacked = k7x({u"unpack"_s, fwPath, projectPath, path(u"out"_s)});
        EXPECT_EQ(unpacked.exit, 0) << unpacked.err.toStdString();
        EXPECT_EQ(unpacked.out, QString());
        const Outcome built = k7x({u"build"_s, path(u"out/"_s + name), path(u"out/original.bin"_s),
                                   path(u"again.k7x"_s)});
        EXPECT_EQ(built.exit, 0) << built.err.toStdString();
        return contents(path(u"again.k7x"_s));
    }
};

TEST_F(Unpack, BuildGivesBackTheSameBytes)
{
    const struct
    {
        const char *name;
        QList<QByteArray> items;
        QByteArray project;
        QStringList expected; // some of what lands under out/
    } cases[] = {
        {"backslash paths",
         {bytes({2, 1, 1, 0}), "12"},
         "Logo\tGraphic\\Logo.bin\th\tG\r\nPort\tConst\\Sub\\Port.con\th\tC\r\n",
         {u"Const/Sub/Port.con=3132"_s, u"Graphic/Logo.bin=02010100"_s}},
        {"other letter case, names as written",
         {"a", "b"},
         "A\tMisc\\LOGO.BIN\th\tT\r\nB\tmisc\\logo.bin\th\tT\r\n",
         {u"Misc/LOGO.BIN=61"_s, u"misc/logo.bin=62"_s}},
        {"a zero-byte item and a file named twice",
         {"same", {}, "same"},
         "A\tMisc\\x.bin\th\tT\r\nE\tMisc\\empty.bin\th\tT\r\nA2\tMisc\\\\x.bin\th\tT\r\n",
         {u"Misc/empty.bin="_s, u"Misc/x.bin=73616d65"_s}},
        {"a way in and out of a folder",
         {"t"},
         "T\t.\\Misc\\..\\top.bin\th\tT\r\n",
         {u"Misc/"_s, u"top.bin=74"_s}},
        {"no project", {"one", {}}, QByteArray(), {u"item00000.bin=6f6e65"_s, u"item00001.bin="_s}},
    };
    for (const auto &c : cases) {
        QDir(path(u"out"_s)).removeRecursively();
        const QByteArray fw = firmware(c.items, "XXXXXXX", '\x5a');
        const QString name = c.project.isNull() ? u"Resource.k7r"_s : u"Project.k7r"_s;
        EXPECT_EQ(roundTrip(fw, c.project, name), fw) << c.name;
        const QStringList out = tree(path(u"out"_s));
        for (const QString &entry : c.expected)
            EXPECT_TRUE(out.contains(entry)) << c.name << ": " << entry.left(80).toStdString();
        EXPECT_TRUE(out.contains(u"original.bin="_s +
                                 QString::fromLatin1(QByteArray(0x10000, 'Z').toHex())))
            << c.name;
    }
    EXPECT_EQ(
        contents(path(u"out/Resource.k7r"_s)),
        "Item 0\titem00000.bin\tUnpacked item\tX\r\nItem 1\titem00001.bin\tUnpacked item\tX\r\n");
}

// Nothing is written, in the folder or outside it, when unpack refuses.
TEST_F(Unpack, RefusalsLeaveTheFolderUntouched)
{
    QByteArray corrupt = firmware({"a", "b"});
    corrupt[0x10005] = 7;
    const struct
    {
        const char *name;
        QByteArray fw;
        QByteArray project;
        QString err;
    } cases[] = {
        {"mismatched count", firmware({"a"}), "A\ta.bin\th\tT\r\nB\tb.bin\th\tT\r\n",
         u"P.k7r: the project lists 2 items, "_s},
        {"a path that climbs out", firmware({"a", "b"}), "A\ta.bin\th\tT\r\nB\t..\\..\\x\th\tT\r\n",
         u"k7x unpack: item 1 names \"..\\..\\x\", which leads out of the folder or names no file; "
         "nothing unpacked\n"_s},
        {"a name that is a folder", firmware({"a"}), "A\tMisc\\\th\tT\r\n",
         u"k7x unpack: item 0 names \"Misc\\\", which leads out"_s},
        {"a corrupt firmware", corrupt, "A\ta.bin\th\tT\r\nB\tb.bin\th\tT\r\n",
         u"fw.k7x: 2 faults; k7x verify lists them\n"_s},
        {"one file, two contents", firmware({"a", "b", "c"}),
         "A\tMisc\\a.bin\th\tT\r\nB\tb.bin\th\tT\r\nC\tMisc\\a.bin\th\tT\r\n",
         u"k7x unpack: items 0 and 2 name the same file with different bytes; nothing "
         "unpacked\n"_s},
        {"the image's name", firmware({"a"}), "A\toriginal.bin\th\tT\r\n",
         u"k7x unpack: item 0 names \"original.bin\", where the firmware image goes; nothing "
         "unpacked\n"_s},
        {"the project's own name", firmware({"a"}), "A\tP.k7r\th\tT\r\n",
         u"k7x unpack: item 0 names \"P.k7r\", where the project file goes; nothing unpacked\n"_s},
        {"a file and a folder of one name", firmware({"a", "b"}),
         "A\tMisc\th\tT\r\nB\tMisc\\b\th\tT\r\n",
         u"k7x unpack: items 0 and 1: \"Misc\" is a file for one and a folder for the other; "
         "nothing unpacked\n"_s},
        {"a folder and a file of one name", firmware({"a", "b"}),
         "A\tMisc\\a\th\tT\r\nB\tMisc\th\tT\r\n",
         u"k7x unpack: items 0 and 1: \"Misc\" is a folder for one and a file for the other; "
         "nothing unpacked\n"_s},
        {"a link out of the folder", firmware({"a"}), "A\tLinked\\a.bin\th\tT\r\n",
         u"/Linked: is a symbolic link that leads out of the folder; nothing unpacked\n"_s},
        {"a folder where a file goes", firmware({"a"}), "A\tKept\th\tT\r\n",
         u"/Kept: is a folder; nothing unpacked\n"_s},
        {"a file where a folder goes", firmware({"a"}), "A\tkept.txt\\a\th\tT\r\n",
         u"/kept.txt: is in the way of a folder; nothing unpacked\n"_s},
    };
    put(u"outside/victim.txt"_s, "victim");
    put(u"out/kept.txt"_s, "kept");
    QDir().mkpath(path(u"out/Kept"_s));
    ASSERT_TRUE(QFile::link(path(u"outside"_s), path(u"out/Linked"_s)));
    put(u"fw.k7x"_s, {});
    const QStringList before = tree(dir.path());
    for (const auto &c : cases) {
        const QString fw = put(u"fw.k7x"_s, c.fw);
        const QString project = put(u"P.k7r"_s, c.project);
        const Outcome run = k7x({u"unpack"_s, fw, project, path(u"out"_s)});
        EXPECT_EQ(run.exit, 1) << c.name;
        EXPECT_TRUE(run.err.contains(c.err)) << c.name << ": " << run.err.toStdString();
        put(u"fw.k7x"_s, {});
        QFile::remove(project);
        EXPECT_EQ(tree(dir.path()), before) << c.name;
    }
    // a folder that is not there yet is not made either
    const Outcome refused = k7x({u"unpack"_s, put(u"fw.k7x"_s, corrupt), u"-"_s, path(u"new"_s)});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_FALSE(QFileInfo::exists(path(u"new"_s)));
}

TEST_F(Unpack, ReadsStandardInputAndSaysTheLabelIsNotKept)
{
    QByteArray fw = firmware({"a"}, "REL-2");
    QBuffer in(&fw);
    in.open(QIODevice::ReadOnly);
    const Outcome run = k7x({u"unpack"_s, u"-"_s, u"-"_s, path(u"out"_s)}, &in);
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.err,
              u"-: note: the label \"REL-2\" is not kept; k7x build writes \"XXXXXXX\"\n"_s);
    EXPECT_EQ(
        tree(path(u"out"_s)),
        (QStringList{
            u"Resource.k7r="_s + QString::fromLatin1(QByteArray("Item 0\titem00000.bin\tUnpacked "
                                                                "item\tX\r\n")
                                                         .toHex()),
            u"item00000.bin=61"_s,
            u"original.bin="_s + QString::fromLatin1(QByteArray(0x10000, '\x11').toHex())}));
}

} // namespace
