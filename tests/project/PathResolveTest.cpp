#include "project/PathResolve.h"
#include "platform/PlatformError.h"
#include "project/FolderIndex.h"
#include "project/ItemFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PathResolve, SeparatorsAndLetterCase)
{
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    ASSERT_TRUE(QDir(root).mkpath(u"Project/Const"_s));
    ASSERT_TRUE(QFile(root + u"Project/Const/Port.con"_s).open(QIODevice::WriteOnly));
    // the rest of the letter case with the opens below
    EXPECT_EQ(pathresolve::resolve(root + u"Project//Const\\\\port.con"_s),
              root + u"Project/Const/Port.con"_s);
    EXPECT_EQ(pathresolve::resolve(QString()), QString());

    // relative paths resolve against the working folder
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root + u"Project"_s));
    EXPECT_EQ(pathresolve::resolve(u"const\\port.con"_s), u"Const/Port.con"_s);
    QDir::setCurrent(before);
}

// Opens a path for reading, as the compile and the editors do: 0 or errno.
int openForReading(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

class Resolving : public ::testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.path() + u'/';
        for (const char *name :
             {"Project/Const/Port.con", "Project/Const/Beep.con", "Project/Misc/item00001.bin",
              "Project/Twin/Name.bin", "Project/Twin/name.bin", "Project/Twin/NAME.bin",
              "Project/Misc/..Odd.bin"})
            touch(root + QLatin1String(name));
    }

    QTemporaryDir dir;
    QString root;
};

TEST_F(Resolving, WindowsNamesFindTheFileOnDisk)
{
    const struct
    {
        const char *written;
        const char *found; // the path the last open was made on
        int message;       // 0 when the file opened
    } cases[] = {
        {"Project/Const/Port.con", "Project/Const/Port.con", 0},
        {"Project/CONST/Port.con", "Project/Const/Port.con", 0},           // folder
        {"Project/Const/pORT.cON", "Project/Const/Port.con", 0},           // file
        {"PROJECT\\misc\\ITEM00001.BIN", "Project/Misc/item00001.bin", 0}, // both
        {"Project/Const/Beep.con ", "Project/Const/Beep.con", 0},
        {"Project/Const/beep.con  ", "Project/Const/Beep.con", 0},
        {"Project/Const/Beep.con.", "Project/Const/Beep.con", 0},
        {"Project/const. /Beep.con", "Project/Const/Beep.con", 0}, // a folder's too
        {"Project/./Const/../Misc/item00001.bin", "Project/./Const/../Misc/item00001.bin", 0},
        {"project/./const/../MISC/item00001.bin", "Project/./Const/../Misc/item00001.bin", 0},
        {"Project//Const/Port.con", "Project//Const/Port.con", 0}, // opens as written
        {"Project/Twin/name.bin", "Project/Twin/name.bin", 0},
        {"Project/Twin/Name.bin", "Project/Twin/Name.bin", 0},
        {"Project/Twin/nAME.bin", "Project/Twin/NAME.bin", 0},   // lowest in code-unit order
        {"Project/Twin/name.bin ", "Project/Twin/name.bin", 0},  // exact but for the blank
        {"Project/MISC/..odd.BIN", "Project/Misc/..Odd.bin", 0}, // only "." and ".." are left out
        {"Project/Const/none.con", "Project/Const/none.con", 53},
        {"Project/CONST/none.con", "Project/Const/none.con", 53},
        {"Project/Nowhere/Port.con", "Project/Nowhere/Port.con", 76},
        {"project/NOWHERE/port.con", "Project/NOWHERE/port.con", 76},
        {"Project/Const/Port.con/x", "Project/Const/Port.con/x", 76}, // a file on the way
    };
    for (const auto &c : cases) {
        pathresolve::Resolver resolver;
        const pathresolve::Resolver::Tried tried =
            resolver.tryPath(root + QLatin1String(c.written), openForReading);
        EXPECT_EQ(tried.path, root + QLatin1String(c.found)) << c.written;
        const int message =
            tried.error ? platformerror::forMissingOrUnreadable(tried.path, tried.error).number : 0;
        EXPECT_EQ(message, c.message) << c.written;
    }
}

TEST_F(Resolving, EachFolderIsListedOncePerOperation)
{
    for (int k = 0; k < 50; ++k)
        touch(root + u"Project/Misc/m%1.bin"_s.arg(k));
    int listed = 0;
    const pathresolve::Lister counting = [&listed](const QString &folder) {
        ++listed;
        return pathresolve::listFolder(folder);
    };
    pathresolve::Resolver exact(counting);
    for (int k = 0; k < 50; ++k)
        EXPECT_EQ(exact.tryPath(root + u"Project\\Misc\\m%1.bin"_s.arg(k), openForReading).error,
                  0);
    EXPECT_EQ(listed, 0);
    EXPECT_EQ(exact.listings(), 0);

    pathresolve::Resolver resolver(counting);
    for (int k = 0; k < 50; ++k) {
        const auto tried =
            resolver.tryPath(root + u"PROJECT\\misc\\M%1.BIN"_s.arg(k), openForReading);
        EXPECT_EQ(tried.error, 0) << k;
    }
    // the temporary folder, Project and Misc; never once per item
    EXPECT_EQ(listed, 3);
    EXPECT_EQ(resolver.listings(), 3);
    // a new operation lists afresh: Project, then Misc
    pathresolve::Resolver next(counting);
    EXPECT_EQ(next.tryPath(root + u"Project/MISC/m0.bin"_s, openForReading).error, 0);
    EXPECT_EQ(listed, 5);
    // a folder found nowhere is not listed, nor is anything below it
    EXPECT_EQ(next.tryPath(root + u"Project/NOWHERE/deeper/m0.bin"_s, openForReading).error,
              ENOENT);
    EXPECT_EQ(listed, 5);
}

// The root is listed as "/", never as the working folder.
TEST(PathResolve, TheRootIsListedAsItself)
{
    QStringList asked;
    pathresolve::Resolver resolver([&asked](const QString &folder) -> std::optional<QStringList> {
        asked << folder;
        return folder == u"/"_s ? QStringList{u"nOsUcHfOlDeR"_s} : QStringList{};
    });
    EXPECT_EQ(resolver.resolve(u"/NOSUCHFOLDER/x"_s), u"/nOsUcHfOlDeR/x"_s);
    EXPECT_EQ(asked.value(0), u"/"_s);
}

TEST(FolderIndex, TheChoiceDoesNotDependOnTheListingOrder)
{
    const struct
    {
        QStringList names;
        const char *written;
        const char *found;
    } cases[] = {
        {{u"b.BIN"_s, u"B.bin"_s, u"b.bin"_s}, "b.bin", "b.bin"},
        {{u"b.bin"_s, u"b.BIN"_s, u"B.bin"_s}, "b.bin", "b.bin"},
        {{u"b.BIN"_s, u"b.bin"_s, u"B.bin"_s}, "B.BIN", "B.bin"},
        {{u"B.bin"_s, u"b.bin"_s, u"b.BIN"_s}, "B.BIN", "B.bin"},
        {{u"b.bin"_s, u"b.BIN"_s}, "B.BIN", "b.BIN"},
        {{u"b.BIN"_s, u"b.bin"_s}, "B.BIN", "b.BIN"},
        {{u"b.bin"_s, u"B.bin"_s}, "b.bin..", "b.bin"},
        {{u"B.bin"_s, u"b.bin"_s}, "b.bin ", "b.bin"},
        {{u"b.bin"_s, u"b.bin "_s}, "b.bin ", "b.bin "}, // the exact name first
        {{u"b.bin "_s, u"b.bin"_s}, "b.bin ", "b.bin "},
        {{u"x"_s, u"b.bin"_s}, "c.bin", ""},
        {{}, "b.bin", ""},
        {{u"Stra\u00dfe"_s}, "STRA\u00dfE", "Stra\u00dfe"},
        {{u"Stra\u00dfe"_s}, "STRASSE", ""}, // as on Windows: one letter is never two
        {{u"\u00c4rger"_s}, "\u00e4RGER", "\u00c4rger"},
        {{u"AZ.az"_s}, "az.AZ", "AZ.az"}, // both ends of the letters
        {{u"@[.`{"_s}, "@[.`{", "@[.`{"},
        {{u"@[.`{"_s}, "`{.@[", ""}, // their neighbours are no letters
    };
    for (const auto &c : cases) {
        const pathresolve::FolderIndex index(c.names);
        EXPECT_EQ(index.match(QString::fromUtf8(c.written)), QString::fromUtf8(c.found))
            << c.written << " in " << c.names.join(u' ').toStdString();
    }
}

TEST(FolderIndex, TrailingBlanksAndDotsAloneAreKept)
{
    const struct
    {
        const char *name;
        const char *windows;
    } cases[] = {
        {"Beep.con ", "Beep.con"},
        {"Beep.con. .", "Beep.con"},
        {"a b", "a b"},
        {".", "."},
        {"..", ".."},
        {" ", " "},
        {".hidden", ".hidden"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pathresolve::windowsName(QString::fromUtf8(c.name)).toString(),
                  QString::fromUtf8(c.windows))
            << '"' << c.name << '"';
}

} // namespace

namespace {

// Where an editor's write lands, judged before it asks: by "..", by a link
// (also one whose file is not there yet), or inside.
TEST(ItemFileTarget, WritesOutsideTheFolderAreTold)
{
    QTemporaryDir scratch;
    const QString project = scratch.filePath(u"deep/proj"_s);
    QDir().mkpath(project + u"/Misc"_s);
    QDir().mkpath(scratch.filePath(u"other"_s));
    QFile::link(scratch.filePath(u"other/victim.txt"_s), project + u"/Misc/gone"_s);
    QFile::link(scratch.filePath(u"other"_s), project + u"/Misc/away"_s);
    QFile::link(project + u"/Misc/inside.bin"_s, project + u"/Misc/here"_s);
    const struct
    {
        const char *item;
        bool outside;
    } cases[] = {
        {"Misc/logo.bin", false},   {"Misc/new/folders/logo.bin", false},
        {"../../victim.txt", true}, {"Misc/../../proj/Misc/logo.bin", false},
        {"Misc/gone", true}, // a link to a file not yet there
        {"Misc/away/x.bin", true},  {"Misc/here", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(itemfile::liesOutside(project + u"/"_s + QLatin1String(c.item), project),
                  c.outside)
            << c.item;
    EXPECT_EQ(itemfile::writeTarget(project + u"/Misc/gone"_s),
              QFileInfo(scratch.filePath(u"other"_s)).canonicalFilePath() + u"/victim.txt"_s);
}

TEST(ItemFileTarget, TooBigIsOneByteMoreThanAnItemHolds)
{
    EXPECT_FALSE(itemfile::tooBig(QByteArray(65535, 'x')));
    EXPECT_TRUE(itemfile::tooBig(QByteArray(65536, 'x')));
    EXPECT_EQ(itemfile::tooBigMessage(u"Misc\\big.bin"_s),
              u"Resource Item file '...Misc/big.bin' is too big (>64K bytes)"_s);
}

} // namespace
