#include "NewProject.h"

#include "../support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class NewProjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        program = dir.path() + QStringLiteral("/bin");
        tpl = newproject::templateFolder(program);
        put(tpl + QStringLiteral("/Resource.k7r"), "items");
        put(tpl + QStringLiteral("/Const/a.con"), "1");
        put(tpl + QStringLiteral("/Const/.hidden"), "h");
        put(tpl + QStringLiteral("/Const/deeper/x.con"), "x");
        put(tpl + QStringLiteral("/Ostg/b.ist"), "b");
        put(tpl + QStringLiteral("/Extra/c.txt"), "c");
        put(tpl + QStringLiteral("/notes.txt"), "n");
        QFile::link(tpl + QStringLiteral("/Ostg/b.ist"), tpl + QStringLiteral("/Ostg/link.ist"));
        target = dir.path() + QStringLiteral("/new");
        ASSERT_FALSE(newproject::createFolder(target).isError());
    }
    QTemporaryDir dir;
    QString program, tpl, target;
};

TEST_F(NewProjectTest, CopiesProjectFileAndPlainFilesOfTheEightFolders)
{
    const newproject::CopyOutcome outcome =
        newproject::copyTemplate(program, target, QStringLiteral("Mine"));
    EXPECT_EQ(outcome.stage, newproject::CopyOutcome::Stage::Done);
    EXPECT_EQ(contents(target + QStringLiteral("/Mine.k7r")), QByteArray("items"));
    EXPECT_EQ(contents(target + QStringLiteral("/Const/a.con")), QByteArray("1"));
    EXPECT_EQ(contents(target + QStringLiteral("/Ostg/b.ist")), QByteArray("b"));
    const struct
    {
        const char *path;
        bool exists;
    } expected[] = {{"Const/.hidden", false},
                    {"Const/deeper", false},
                    {"Ostg/link.ist", false},
                    {"Extra", false},
                    {"notes.txt", false},
                    {"Dmsg", true},
                    {"Msg", true},
                    {"Menu", true}};
    for (const auto &e : expected)
        EXPECT_EQ(QFileInfo::exists(target + QLatin1Char('/') + QString::fromLatin1(e.path)),
                  e.exists)
            << e.path;
}

TEST_F(NewProjectTest, ExistingFolderIsReusedAndFilesReplaced)
{
    put(target + QStringLiteral("/Const/a.con"), "old value");
    put(target + QStringLiteral("/Const/own.con"), "own");
    EXPECT_FALSE(newproject::createFolder(target).isError());
    EXPECT_EQ(newproject::copyTemplate(program, target, QStringLiteral("P")).stage,
              newproject::CopyOutcome::Stage::Done);
    EXPECT_EQ(contents(target + QStringLiteral("/Const/a.con")), QByteArray("1"));
    EXPECT_EQ(contents(target + QStringLiteral("/Const/own.con")), QByteArray("own"));
}

TEST_F(NewProjectTest, FailuresSayWhereCopyingStopped)
{
    QFile::remove(tpl + QStringLiteral("/Resource.k7r"));
    newproject::CopyOutcome outcome =
        newproject::copyTemplate(program, target, QStringLiteral("P"));
    EXPECT_EQ(outcome.stage, newproject::CopyOutcome::Stage::ProjectFile);
    EXPECT_EQ(outcome.error.number, 53);
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/Const")));

    // a file where a subfolder should go stops the copying there
    put(tpl + QStringLiteral("/Resource.k7r"), "items");
    put(target + QStringLiteral("/Const"), "in the way");
    outcome = newproject::copyTemplate(program, target, QStringLiteral("P"));
    EXPECT_EQ(outcome.stage, newproject::CopyOutcome::Stage::Subfolders);
    EXPECT_EQ(outcome.error.number, 76);
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/P.k7r")));
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/Defev")));
}

TEST(NewProject, CreateFolderReportsOnlyRealFailures)
{
    QTemporaryDir dir;
    EXPECT_FALSE(newproject::createFolder(dir.path()).isError());
    EXPECT_FALSE(newproject::createFolder(dir.path() + QStringLiteral("/")).isError());
    EXPECT_EQ(newproject::createFolder(dir.path() + QStringLiteral("/no/such")).number, 76);
    EXPECT_EQ(newproject::createFolder(QString()).number, 76);
}

} // namespace
