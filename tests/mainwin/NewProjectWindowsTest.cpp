#include "mainwin/FolderListModel.h"
#include "mainwin/frmFilePath.h"
#include "mainwin/frmGetNewProjectPath.h"

#include "support/ProjectFixture.h"
#include "support/QtPrinting.h"

#include <QAbstractItemModelTester>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using NewProjectWindows = ProjectFixture;

// The captions a user reads, labels and buttons in the order they were made.
QStringList captions(const QWidget &window)
{
    QStringList texts;
    for (const QWidget *child : window.findChildren<QWidget *>()) {
        if (const auto *label = qobject_cast<const QLabel *>(child))
            texts << label->text();
        else if (const auto *button = qobject_cast<const QPushButton *>(child))
            texts << button->text();
    }
    return texts;
}

TEST_F(NewProjectWindows, DialogProposesTodayLocationFollowsNameAndBrowse)
{
    frmGetNewProjectPath dialog(services, path(u"base"_s), QDate(2002, 3, 15));
    EXPECT_EQ(dialog.windowTitle(), u"New Project"_s);
    EXPECT_EQ(captions(dialog),
              (QStringList{u"Project Name:"_s, u"Location:"_s, u"&..."_s, u"OK"_s, u"Cancel"_s}));
    EXPECT_EQ(dialog.location(), path(u"base/20020315"_s));
    dialog.setProjectName(u"Plant 7"_s);
    EXPECT_EQ(dialog.location(), path(u"base/Plant 7"_s));
    dialog.setProjectName(QString());
    EXPECT_EQ(dialog.location(), path(u"base/"_s));
    EXPECT_TRUE(dialog.findChild<QPlainTextEdit *>(u"txtLocation"_s)->isReadOnly());
    EXPECT_FALSE(dialog.IsOK());

    // browsing starts from the base and takes the picked folder
    dialog.setProjectName(u"20020315"_s);
    QStringList asked;
    std::optional<QString> answer = u"/"_s;
    dialog.setFolderPicker([&](const QString &start) {
        asked << start;
        return answer;
    });
    dialog.cmdCtrl_Click(0);
    // a root comes back with its separator: the location shows it doubled
    EXPECT_EQ(dialog.location(), u"//20020315"_s);
    answer.reset();
    dialog.cmdCtrl_Click(0);
    EXPECT_EQ(asked, (QStringList{path(u"base"_s), u"/"_s}));
    EXPECT_EQ(dialog.location(), u"//20020315"_s);
}

TEST_F(NewProjectWindows, OkCreatesTheFolderOrStaysOpenCancelCreatesNothing)
{
    frmGetNewProjectPath cancelled(services, dir.path(), QDate(2002, 3, 15));
    cancelled.cmdCtrl_Click(2);
    EXPECT_FALSE(cancelled.IsOK());
    EXPECT_FALSE(QFileInfo::exists(path(u"20020315"_s)));

    frmGetNewProjectPath dialog(services, dir.path(), QDate(2002, 3, 15));
    dialog.setProjectName(u"a/b"_s); // parent "a" is missing
    dialog.cmdCtrl_Click(1);
    EXPECT_FALSE(dialog.IsOK());
    EXPECT_FALSE(QFileInfo::exists(path(u"a"_s)));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, u"The Path Name is not allowed."_s);
    EXPECT_EQ(messages.shown[0].icon, Messages::Icon::Critical);
    // the failure names its folder, under the application's title
    EXPECT_EQ(messages.shown[1].text,
              u"Could not create the folder '"_s + path(u"a/b"_s) + u"': 76: Path not found"_s);
    EXPECT_EQ(messages.shown[1].title, u"Fendrel"_s);
    // the next key replaces the refused name
    EXPECT_EQ(dialog.findChild<QLineEdit *>(u"txtPathName"_s)->selectedText(), u"a/b"_s);

    messages.clear();
    for (int round = 0; round < 2; ++round) { // the second time the folder exists
        dialog.setProjectName(u"P1"_s);
        dialog.cmdCtrl_Click(1);
        EXPECT_TRUE(dialog.IsOK());
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(dialog.FilePath(), path(u"P1"_s));
        EXPECT_EQ(dialog.ProjectFileName(), u"P1"_s);
        EXPECT_TRUE(QFileInfo(path(u"P1"_s)).isDir());
    }
}

TEST_F(NewProjectWindows, PickerReturnsTheOpenFolderNotTheHighlightedOne)
{
    QDir(dir.path()).mkpath(u"start/Sub"_s);
    frmFilePath picker(services);
    EXPECT_EQ(picker.windowTitle(), u"Path"_s);
    EXPECT_EQ(captions(picker), (QStringList{u"Look in:"_s, u"OK"_s, u"Cancel"_s}));
    QAbstractItemModelTester tester(&picker.folderList(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    picker.setPath(path(u"start"_s));
    const int subRow = picker.folderList().rowCount() - 1;
    EXPECT_EQ(picker.folderList().index(subRow).data().toString(), u"Sub"_s);
    picker.cmdCtrl_Click(0);
    EXPECT_TRUE(picker.IsOK());
    EXPECT_EQ(picker.Path(), path(u"start"_s));

    frmFilePath second(services);
    second.setPath(path(u"start"_s));
    second.dirDownloadSaved_DblClick(second.folderList().rowCount() - 1);
    second.cmdCtrl_Click(0);
    EXPECT_EQ(second.Path(), path(u"start/Sub"_s));

    frmFilePath third(services);
    third.setPath(path(u"start"_s));
    third.dirDownloadSaved_DblClick(0); // the root
    third.cmdCtrl_Click(1);
    EXPECT_FALSE(third.IsOK());
    EXPECT_EQ(third.openFolder(), u"/"_s);
    EXPECT_TRUE(messages.shown.empty());

    // a missing start is reported and the list kept
    picker.setPath(path(u"missing"_s));
    EXPECT_EQ(messages.texts(), QStringList{u"Could not open the folder '"_s + path(u"missing"_s) +
                                            u"': 76: Path not found"_s});
    EXPECT_EQ(picker.openFolder(), path(u"start"_s));
}

TEST(FolderListModel, ParentsThenSubfolders)
{
    QTemporaryDir dir;
    // ordered without regard to letter case: byte order would put "Delta" before "beta"
    // and without hidden folders
    for (const QString &name : {u"gamma"_s, u"beta"_s, u"Delta"_s, u"Alpha"_s, u".hidden"_s})
        QDir(dir.path()).mkpath(name);
    FolderListModel model;
    ASSERT_TRUE(model.setFolder(dir.path()));
    const int parts = static_cast<int>(dir.path().count(u'/')) + 1;
    ASSERT_EQ(model.rowCount(), parts + 4);
    EXPECT_EQ(model.index(0).data().toString(), u"/"_s);
    EXPECT_EQ(model.folderRow(), parts - 1);
    QStringList subfolders;
    for (int row = parts; row < parts + 4; ++row)
        subfolders << model.index(row).data().toString();
    EXPECT_EQ(subfolders, (QStringList{u"Alpha"_s, u"beta"_s, u"Delta"_s, u"gamma"_s}));
    EXPECT_EQ(model.index(parts + 3).data(FolderListModel::DepthRole).toInt(), parts);
    EXPECT_FALSE(model.setFolder(dir.path() + u"/none"_s));
    EXPECT_EQ(model.folder(), dir.path());
}

} // namespace
