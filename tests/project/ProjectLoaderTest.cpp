#include "ProjectFixture.h"

#include "ItemTable.h"
#include "ProjectLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

#include <unistd.h>

using projectloader::LoadProject;
using projectloader::OpenProject;

namespace {

using ProjectLoader = ProjectFixture;

TEST_F(ProjectLoader, OpenAsksWithTheSettingAndLoads)
{
    const QString file = write(QStringLiteral("p/Resource.k7r"), kTwoItems);
    settings::write(QStringLiteral("FileProject"), QStringLiteral("/earlier/Old.k7r"));
    dialogs.answer(file);
    QSignalSpy rows(&state, &ProjectState::currentRowChanged);

    EXPECT_EQ(OpenProject(state, services), 0);

    ASSERT_EQ(dialogs.requests.size(), 1u);
    const FileDialogs::Request &request = dialogs.requests[0];
    EXPECT_EQ(request.title, QStringLiteral("Load Project File"));
    EXPECT_EQ(request.filter, QStringLiteral("Project files (*.k7r)|*.k7r|All files|*.*"));
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialName, QStringLiteral("/earlier/Old.k7r"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.items().count(), 2);
    EXPECT_EQ(state.currentRow(), 1);
    EXPECT_EQ(rows.count(), 1);
    EXPECT_EQ(state.projectFile(), file);
    EXPECT_EQ(state.folderPath(), path(QStringLiteral("p/")));
    EXPECT_EQ(settings::read(QStringLiteral("FileProject")), file);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(path(QStringLiteral("p"))).canonicalFilePath());
}

TEST_F(ProjectLoader, CancelLeavesEverythingAsItWas)
{
    dialogs.answer(write(QStringLiteral("Resource.k7r"), kTwoItems));
    ASSERT_EQ(OpenProject(state, services), 0);
    const QString setting = settings::read(QStringLiteral("FileProject"));

    dialogs.cancel();
    EXPECT_EQ(OpenProject(state, services), -1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.items().count(), 2);
    EXPECT_EQ(settings::read(QStringLiteral("FileProject")), setting);
}

TEST_F(ProjectLoader, InvalidNameAsksAgainWithoutName)
{
    settings::write(QStringLiteral("FileProject"), QStringLiteral("bad|name"));
    dialogs.answers.push_back({FileDialogs::InvalidName, {}});
    dialogs.cancel();
    EXPECT_EQ(OpenProject(state, services), -1);
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[0].initialName, QStringLiteral("bad|name"));
    EXPECT_EQ(dialogs.requests[1].initialName, QString());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectLoader, UnopenableFilesKeepTheTable)
{
    dialogs.answer(write(QStringLiteral("Resource.k7r"), kTwoItems));
    ASSERT_EQ(OpenProject(state, services), 0);
    write(QStringLiteral("folder.k7r/inside"), "x");

    struct Case
    {
        QString file;
        const char *message;
    };
    const Case cases[] = {
        {path(QStringLiteral("missing.k7r")), " 53: File not found"},
        {path(QStringLiteral("nofolder/x.k7r")), " 76: Path not found"},
        {path(QStringLiteral("folder.k7r")), " 75: Path/File access error"},
    };
    for (const Case &c : cases) {
        messages.clear();
        dialogs.answer(c.file);
        EXPECT_EQ(OpenProject(state, services), -1);
        EXPECT_EQ(messages.texts(), QStringList{QString::fromLatin1(c.message)}) << c.file;
        EXPECT_EQ(messages.shown.at(0).title, QStringLiteral("Fendrel"));
        EXPECT_EQ(state.items().count(), 2);
        EXPECT_EQ(state.projectFile(), path(QStringLiteral("Resource.k7r")));
        EXPECT_EQ(settings::read(QStringLiteral("FileProject")), c.file);
    }
}

TEST_F(ProjectLoader, UnreadableFileIsPermissionDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QString file = write(QStringLiteral("locked.k7r"), kTwoItems);
    QFile(file).setPermissions({});
    dialogs.answer(file);
    EXPECT_EQ(OpenProject(state, services), -1);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral(" 70: Permission denied")});
}

TEST_F(ProjectLoader, RejectedLineKeepsAcceptedRowsAndCaption)
{
    dialogs.answer(write(QStringLiteral("First.k7r"), kTwoItems));
    ASSERT_EQ(OpenProject(state, services), 0);

    dialogs.answer(write(QStringLiteral("Bad.k7r"), "a\tb\th\tT\r\n\r\nbroken\r\nc\td\th\tT\r\n"));
    EXPECT_EQ(OpenProject(state, services), -1);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Invalid Project File Data at line  1")});
    EXPECT_EQ(state.items().count(), 1);
    EXPECT_EQ(state.items().fullName(0), QStringLiteral("a"));
    EXPECT_EQ(state.currentRow(), 1);
    EXPECT_EQ(state.projectFile(), path(QStringLiteral("First.k7r")));
}

TEST_F(ProjectLoader, FirstLineRejectedSaysLineZero)
{
    dialogs.answer(write(QStringLiteral("Bad.k7r"), "name only\r\n"));
    EXPECT_EQ(OpenProject(state, services), -1);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Invalid Project File Data at line  0")});
    EXPECT_EQ(state.currentRow(), 0);
}

TEST_F(ProjectLoader, ProjectWithoutItemsIsAFailure)
{
    dialogs.answer(write(QStringLiteral("First.k7r"), kTwoItems));
    ASSERT_EQ(OpenProject(state, services), 0);
    for (const QByteArray &bytes : {QByteArray(), QByteArray("\r\n\r\n")}) {
        messages.clear();
        dialogs.answer(write(QStringLiteral("Empty.k7r"), bytes));
        EXPECT_EQ(OpenProject(state, services), -1);
        EXPECT_EQ(messages.texts(), QStringList{projectloader::noItemsError().text()});
        EXPECT_TRUE(state.items().isEmpty());
        EXPECT_EQ(state.currentRow(), 0);
        EXPECT_EQ(state.projectFile(), path(QStringLiteral("First.k7r")));
    }
}

TEST_F(ProjectLoader, LoadProjectStoresTheFolderAndResolvesItems)
{
    write(QStringLiteral("New/Proj.k7r"), kTwoItems);
    write(QStringLiteral("New/CONST/Port.con"), "1");
    const QString folder = path(QStringLiteral("New"));

    QSignalSpy hidden(&state, &ProjectState::loadStarted);
    QSignalSpy shown(&state, &ProjectState::loadFinished);
    EXPECT_EQ(LoadProject(state, services, QStringLiteral("Proj.k7r"), folder), 0);
    EXPECT_EQ(hidden.count(), 1);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(settings::read(QStringLiteral("FileProject")), folder);
    EXPECT_EQ(state.projectFile(), folder + QStringLiteral("/Proj.k7r"));
    EXPECT_EQ(state.itemFilePath(1), folder + QStringLiteral("/CONST/Port.con"));
    EXPECT_EQ(state.folderPath(), folder + QLatin1Char('/'));
}

TEST_F(ProjectLoader, MissingProjectOfLoadProjectLeavesTable)
{
    write(QStringLiteral("none/Other.k7r"), kTwoItems);
    EXPECT_EQ(LoadProject(state, services, QStringLiteral(".k7r"), path(QStringLiteral("none"))),
              -1);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral(" 53: File not found")});
    EXPECT_EQ(settings::read(QStringLiteral("FileProject")), path(QStringLiteral("none")));
}

} // namespace
