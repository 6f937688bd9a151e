#include "FolderListModel.h"
#include "FormMain.h"
#include "frmFilePath.h"
#include "frmGetNewProjectPath.h"

#include "../project/ProjectFixture.h"
#include "../support/QtPrinting.h"

#include "ItemTable.h"

#include <QAbstractItemModelTester>
#include <QDate>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

using NewProjectWindows = ProjectFixture;

TEST_F(NewProjectWindows, DialogProposesTodayAndLocationFollowsTheName)
{
    frmGetNewProjectPath dialog(services, path(QStringLiteral("base")), QDate(2002, 3, 15));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New Project"));
    EXPECT_EQ(dialog.location(), path(QStringLiteral("base/20020315")));
    dialog.setProjectName(QStringLiteral("Plant 7"));
    EXPECT_EQ(dialog.location(), path(QStringLiteral("base/Plant 7")));
    dialog.setProjectName(QString());
    EXPECT_EQ(dialog.location(), path(QStringLiteral("base/")));
    EXPECT_TRUE(dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtLocation"))->isReadOnly());
    EXPECT_FALSE(dialog.IsOK());
}

TEST_F(NewProjectWindows, BrowseStartsFromTheBaseAndTakesThePickedFolder)
{
    frmGetNewProjectPath dialog(services, path(QStringLiteral("base")), QDate(2002, 3, 15));
    QStringList asked;
    std::optional<QString> answer = QStringLiteral("/");
    dialog.setFolderPicker([&](const QString &start) {
        asked << start;
        return answer;
    });
    dialog.cmdCtrl_Click(0);
    // a root comes back with its separator: the location shows it doubled
    EXPECT_EQ(dialog.location(), QStringLiteral("//20020315"));
    answer.reset();
    dialog.cmdCtrl_Click(0);
    EXPECT_EQ(asked, (QStringList{path(QStringLiteral("base")), QStringLiteral("/")}));
    EXPECT_EQ(dialog.location(), QStringLiteral("//20020315"));
}

TEST_F(NewProjectWindows, OkCreatesTheFolderOrStaysOpen)
{
    frmGetNewProjectPath dialog(services, dir.path(), QDate(2002, 3, 15));
    dialog.setProjectName(QStringLiteral("a/b")); // parent "a" is missing
    dialog.cmdCtrl_Click(1);
    EXPECT_FALSE(dialog.IsOK());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("The Path Name is not allowed."));
    EXPECT_EQ(messages.shown[0].icon, Messages::Icon::Critical);
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Path not found"));
    EXPECT_EQ(messages.shown[1].title, QStringLiteral("76"));

    messages.clear();
    for (int round = 0; round < 2; ++round) { // the second time the folder exists
        dialog.setProjectName(QStringLiteral("P1"));
        dialog.cmdCtrl_Click(1);
        EXPECT_TRUE(dialog.IsOK());
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(dialog.FilePath(), path(QStringLiteral("P1")));
        EXPECT_EQ(dialog.ProjectFileName(), QStringLiteral("P1"));
        EXPECT_TRUE(QFileInfo(path(QStringLiteral("P1"))).isDir());
    }
}

TEST_F(NewProjectWindows, CancelCreatesNothing)
{
    frmGetNewProjectPath dialog(services, dir.path(), QDate(2002, 3, 15));
    dialog.cmdCtrl_Click(2);
    EXPECT_FALSE(dialog.IsOK());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("20020315"))));
}

TEST_F(NewProjectWindows, PickerReturnsTheOpenFolderNotTheHighlightedOne)
{
    QDir(dir.path()).mkpath(QStringLiteral("start/Sub"));
    frmFilePath picker(services);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Path"));
    QAbstractItemModelTester tester(&picker.folderList(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    picker.setPath(path(QStringLiteral("start")));
    const int subRow = picker.folderList().rowCount() - 1;
    EXPECT_EQ(picker.folderList().index(subRow).data().toString(), QStringLiteral("Sub"));
    picker.cmdCtrl_Click(0);
    EXPECT_TRUE(picker.IsOK());
    EXPECT_EQ(picker.Path(), path(QStringLiteral("start")));

    frmFilePath second(services);
    second.setPath(path(QStringLiteral("start")));
    second.dirDownloadSaved_DblClick(second.folderList().rowCount() - 1);
    second.cmdCtrl_Click(0);
    EXPECT_EQ(second.Path(), path(QStringLiteral("start/Sub")));

    frmFilePath third(services);
    third.dirDownloadSaved_DblClick(0); // the root
    third.cmdCtrl_Click(1);
    EXPECT_FALSE(third.IsOK());
    EXPECT_EQ(third.openFolder(), QStringLiteral("/"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NewProjectWindows, PickerReportsAMissingStartAndKeepsItsList)
{
    frmFilePath picker(services);
    picker.setPath(dir.path());
    picker.setPath(path(QStringLiteral("missing")));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Path not found")});
    EXPECT_EQ(picker.openFolder(), dir.path());
}

TEST(FolderListModel, ParentsThenSubfolders)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("b"));
    QDir(dir.path()).mkpath(QStringLiteral("A"));
    FolderListModel model;
    ASSERT_TRUE(model.setFolder(dir.path()));
    const int parts = static_cast<int>(dir.path().count(QLatin1Char('/'))) + 1;
    ASSERT_EQ(model.rowCount(), parts + 2);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("/"));
    EXPECT_EQ(model.folderRow(), parts - 1);
    EXPECT_EQ(model.index(parts).data().toString(), QStringLiteral("A"));
    EXPECT_EQ(model.index(parts + 1).data(FolderListModel::DepthRole).toInt(), parts);
    EXPECT_FALSE(model.setFolder(dir.path() + QStringLiteral("/none")));
    EXPECT_EQ(model.folder(), dir.path());
}

class NewProcedure : public ProjectFixture
{
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        form = std::make_unique<FormMain>(state, services);
        form->setProgramFolder(qEnvironmentVariable("FENDREL_BIN_DIR"));
    }
    std::unique_ptr<FormMain> form;
};

TEST_F(NewProcedure, TemplateIsCopiedLoadedAndBecomesTheWorkingFolder)
{
    const QString folder = path(QStringLiteral("20020315"));
    form->createProject(folder, QStringLiteral("20020315"));
    EXPECT_TRUE(messages.shown.empty()) << messages.last().toStdString();
    EXPECT_GE(state.items().count(), 24);
    EXPECT_EQ(form->windowTitle(), folder + QStringLiteral("/20020315.k7r"));
    EXPECT_EQ(settings::read(QStringLiteral("FileProject")), folder);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(folder).canonicalFilePath());
    // every item of the template has its file in the copy
    for (qsizetype i = 0; i < state.items().count(); ++i)
        EXPECT_TRUE(QFileInfo(state.itemFilePath(i)).isFile()) << state.items().fileName(i);
}

TEST_F(NewProcedure, MissingTemplateProjectFileLoadsNothing)
{
    QDir(dir.path()).mkpath(QStringLiteral("prog/Project_Default/Const"));
    form->setProgramFolder(path(QStringLiteral("prog")));
    const QString folder = path(QStringLiteral("P"));
    form->createProject(folder, QStringLiteral("P"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("File not found"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("53"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_EQ(form->windowTitle(), FormMain::defaultCaption());
}

} // namespace
