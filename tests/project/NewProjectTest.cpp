#include "project/NewProject.h"

#include "support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Stage = newproject::CopyOutcome::Stage;

namespace {

class NewProjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const std::pair<const char *, const char *> files[] = {
            {"Resource.k7r", "items"},   {"Const/a.con", "1"}, {"Const/.hidden", "h"},
            {"Const/deeper/x.con", "x"}, {"Ostg/b.ist", "b"},  {"Extra/c.txt", "c"},
            {"notes.txt", "n"}};
        for (const auto &[name, bytes] : files)
            put(tpl + u'/' + QLatin1String(name), bytes);
        QFile::link(tpl + u"/Ostg/b.ist"_s, tpl + u"/Ostg/link.ist"_s);
        ASSERT_FALSE(newproject::createFolder(target).isError());
    }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray contents(const QString &name) const
    {
        QFile file(target + u'/' + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool exists(const QString &name) const { return QFileInfo::exists(target + u'/' + name); }
    newproject::CopyOutcome copy(const QString &name)
    {
        return newproject::copyTemplate(program, target, name);
    }

    QTemporaryDir dir;
    QString program = dir.path() + u"/bin"_s;
    QString tpl = newproject::templateFolder(program);
    QString target = dir.path() + u"/new"_s;
};

TEST_F(NewProjectTest, CopiesProjectFileAndPlainFilesOfTheEightFolders)
{
    EXPECT_EQ(copy(u"Mine"_s).stage, Stage::Done);
    EXPECT_EQ(contents(u"Mine.k7r"_s), QByteArray("items"));
    EXPECT_EQ(contents(u"Const/a.con"_s), QByteArray("1"));
    EXPECT_EQ(contents(u"Ostg/b.ist"_s), QByteArray("b"));
    for (const char *absent :
         {"Const/.hidden", "Const/deeper", "Ostg/link.ist", "Extra", "notes.txt"})
        EXPECT_FALSE(exists(QLatin1String(absent))) << absent;
    for (const char *present : {"Dmsg", "Msg", "Menu"})
        EXPECT_TRUE(exists(QLatin1String(present))) << present;
}

TEST_F(NewProjectTest, ExistingFolderIsReusedAndFilesReplaced)
{
    put(target + u"/Const/a.con"_s, "old value");
    put(target + u"/Const/own.con"_s, "own");
    EXPECT_FALSE(newproject::createFolder(target).isError());
    EXPECT_EQ(copy(u"P"_s).stage, Stage::Done);
    EXPECT_EQ(contents(u"Const/a.con"_s), QByteArray("1"));
    EXPECT_EQ(contents(u"Const/own.con"_s), QByteArray("own"));
}

TEST_F(NewProjectTest, FailuresSayWhereCopyingStopped)
{
    QFile::remove(tpl + u"/Resource.k7r"_s);
    newproject::CopyOutcome outcome = copy(u"P"_s);
    EXPECT_EQ(outcome.stage, Stage::ProjectFile);
    EXPECT_EQ(outcome.failureText(), u"Could not copy '"_s + tpl + u"/Resource.k7r' to '"_s +
                                         target + u"/P.k7r': 53: File not found"_s);
    EXPECT_FALSE(exists(u"Const"_s));

    // a file where a subfolder should go stops the copying there
    put(tpl + u"/Resource.k7r"_s, "items");
    put(target + u"/Const"_s, "in the way");
    outcome = copy(u"P"_s);
    EXPECT_EQ(outcome.stage, Stage::Subfolders);
    EXPECT_EQ(outcome.error.number, 76);
    EXPECT_EQ(outcome.failureText(), u"Could not copy '"_s + tpl + u"/Const/a.con' to '"_s +
                                         target + u"/Const/a.con': 76: Path not found"_s);
    EXPECT_TRUE(exists(u"P.k7r"_s));
    EXPECT_FALSE(exists(u"Defev"_s));
}

TEST(TemplateLookup, BesideTheProgramFirstThenTheInstalledDataFolder)
{
    enum Beside { None, Folder, File }; // a file of the name is no template
    const struct
    {
        const char *name;
        Beside beside;
        bool installed;
        const char *expected; // relative to the prefix
    } cases[] = {
        {"both", Folder, true, "bin/Project_Default"},
        {"beside only", Folder, false, "bin/Project_Default"},
        {"installed only", None, true, "share/fendrel/Project_Default"},
        {"neither", None, false, "bin/Project_Default"},
        {"a file beside", File, true, "share/fendrel/Project_Default"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir prefix;
        QDir root(prefix.path());
        ASSERT_TRUE(root.mkpath(u"bin"_s));
        if (c.beside == Folder) {
            ASSERT_TRUE(root.mkpath(u"bin/Project_Default"_s));
        }
        if (c.beside == File) {
            ASSERT_TRUE(QFile(root.filePath(u"bin/Project_Default"_s)).open(QIODevice::WriteOnly));
        }
        if (c.installed) {
            ASSERT_TRUE(root.mkpath(u"share/fendrel/Project_Default"_s));
        }
        EXPECT_EQ(newproject::templateFolder(root.filePath(u"bin"_s)),
                  root.filePath(QString::fromLatin1(c.expected)));
    }
}

// A file that cannot be read to its end is no template: nothing half-copied.
TEST_F(NewProjectTest, AReadErrorIsNoEmptyCopy)
{
    const QString copy = target + u"/mem"_s;
    EXPECT_EQ(newproject::copyFile(u"/proc/self/mem"_s, copy).text(), u" 57: Device I/O error"_s);
    EXPECT_FALSE(exists(u"mem"_s));
}

// An installed program's folder takes no new folders: New then proposes the
// folder that holds the last project, or home. Root may write anywhere, so a
// child that drops to an unprivileged user answers.
TEST_F(NewProjectTest, ProposesWhereTheUserCanMakeTheFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make folders for another user";
    if (QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
        GTEST_SKIP() << "setpriv is not installed";
    const QString root = dir.path();
    const auto folder = [&](const QString &name, mode_t mode) {
        QDir().mkpath(root + u'/' + name);
        ::chmod(QFile::encodeName(root + u'/' + name).constData(), mode);
    };
    ::chmod(QFile::encodeName(root).constData(), 0755);
    folder(u"usr/bin"_s, 0555);
    folder(u"usr"_s, 0555);
    folder(u"tools"_s, 0777);
    folder(u"unsearchable"_s, 0766); // writable, but no one may enter it
    folder(u"projects/P1"_s, 0755);
    folder(u"projects"_s, 0777);
    put(root + u"/projects/P1/Resource.k7r"_s, "items");
    folder(u"locked/P2"_s, 0755);
    folder(u"locked"_s, 0555);
    const QString home = root + u"/home"_s;
    const QString refused =
        u"Could not create the folder '"_s + root + u"/usr/bin/20261208': 70: Permission denied"_s;
    const struct
    {
        const char *program;
        const char *lastProject;
        QString proposed;
        QString made;
    } cases[] = {
        {"tools", "", root + u"/tools"_s, u"made"_s},
        {"tools", "projects/P1/Resource.k7r", root + u"/tools"_s, u"made"_s},
        {"usr/bin", "", home, refused},
        {"unsearchable", "", home,
         u"Could not create the folder '"_s + root +
             u"/unsearchable/20261208': 70: Permission denied"_s},
        {"usr/bin", "projects/P1/Resource.k7r", root + u"/projects"_s, refused},
        {"usr/bin", "projects/P1", root + u"/projects"_s, refused}, // after New
        {"usr/bin", "locked/P2/Resource.k7r", home, refused},
        {"usr/bin", "gone/P3/Resource.k7r", home, refused},
    };
    for (const auto &c : cases) {
        const QString last =
            *c.lastProject ? root + u'/' + QLatin1String(c.lastProject) : QString();
        SCOPED_TRACE(std::string(c.program) + " " + c.lastProject);
        QProcess child;
        child.start(u"setpriv"_s, {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                                   QStringLiteral(FENDREL_NEW_LOCATION_HELPER),
                                   root + u'/' + QLatin1String(c.program), last, home});
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(QString::fromLocal8Bit(child.readAllStandardOutput()),
                  c.proposed + u'\n' + c.made + u'\n')
            << child.readAllStandardError().toStdString();
        QDir(root + u"/tools/20261208"_s).removeRecursively();
    }
}

TEST_F(NewProjectTest, CreateFolderReportsOnlyRealFailures)
{
    EXPECT_FALSE(newproject::createFolder(dir.path() + u'/').isError());
    EXPECT_EQ(newproject::createFolder(dir.path() + u"/no/such"_s).number, 76);
    EXPECT_EQ(newproject::createFolder(QString()).number, 76);
}

} // namespace
