#include "support/ItemKinds.h"
#include "support/ProjectFixture.h"

#include "project/ItemTable.h"
#include "project/ProjectLoad.h"
#include "project/ui/ProjectLoader.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;
using projectloader::LoadProject;
using projectloader::OpenProject;

namespace {

class ProjectLoader : public ProjectFixture
{
protected:
    // A first project opened, so that failures can be seen to keep it.
    void openFirst()
    {
        dialogs.answer(write(u"First.k7r"_s, kTwoItems));
        ASSERT_EQ(OpenProject(state, services), 0);
    }
    QString setting() { return settings.read(u"FileProject"_s); }
};

TEST_F(ProjectLoader, OpenAsksWithTheSettingAndLoads)
{
    const QString file = write(u"p/Resource.k7r"_s, kTwoItems);
    settings.write(u"FileProject"_s, u"/earlier/Old.k7r"_s);
    dialogs.answer(file);
    QSignalSpy rows(&state, &ProjectState::currentItemChanged);

    EXPECT_EQ(OpenProject(state, services), 0);

    ASSERT_EQ(dialogs.requests.size(), 1u);
    const FileDialogs::Request &request = dialogs.requests[0];
    EXPECT_EQ(request.title, u"Load Project File"_s);
    EXPECT_EQ(request.filter, u"Project files (*.k7r)|*.k7r|All files|*.*"_s);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialName, u"/earlier/Old.k7r"_s);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.items().count(), 2);
    EXPECT_EQ(state.currentItem(), 0);
    EXPECT_EQ(rows.count(), 1);
    EXPECT_EQ(state.projectFile(), file);
    EXPECT_EQ(state.folderPath(), path(u"p/"_s));
    EXPECT_EQ(setting(), file);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(path(u"p"_s)).canonicalFilePath());
}

// The dialog's own retries and messages are choosefile's, tested with the platform.
TEST_F(ProjectLoader, CancelLeavesEverythingAsItWas)
{
    openFirst();
    const QString before = setting();
    dialogs.cancel();
    EXPECT_EQ(OpenProject(state, services), -1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.items().count(), 2);
    EXPECT_EQ(setting(), before);
}

// Every kind of file is the bounded reader's to judge (tested with the
// platform); the loader's are its message, its size limit and its refusal of FIFOs.
TEST_F(ProjectLoader, UnopenableFilesKeepTheTable)
{
    openFirst();
    const std::pair<QString, QString> cases[] = {
        {path(u"missing.k7r"_s), u" 53: File not found"_s},
        {u"/dev/zero"_s, u" 30010: The project file is larger than 32 MB"_s},
        {path(u"big.k7r"_s), u" 30010: The project file is larger than 32 MB"_s},
        {path(u"fifo.k7r"_s), u" 68: Device unavailable"_s}};
    // one byte more than a project file may hold, without writing it
    QFile(write(u"big.k7r"_s, {})).resize((32 << 20) + 1);
    const itemkinds::ItemOfKind fifo(itemkinds::Kind::FifoWithoutWriter, path(u"fifo.k7r"_s));
    for (const auto &[file, message] : cases) {
        messages.clear();
        dialogs.answer(file);
        EXPECT_EQ(OpenProject(state, services), -1);
        EXPECT_EQ(messages.texts(),
                  QStringList{u"Could not open the project file '"_s + file + u"':"_s + message});
        EXPECT_EQ(messages.shown.at(0).title, u"Fendrel"_s);
        EXPECT_EQ(state.items().count(), 2);
        EXPECT_EQ(state.projectFile(), path(u"First.k7r"_s));
        EXPECT_EQ(setting(), file);
    }
}

TEST_F(ProjectLoader, ProjectOfTheLargestSizeIsRead)
{
    QFile(write(u"big.k7r"_s, {})).resize(32 << 20);
    dialogs.answer(path(u"big.k7r"_s));
    EXPECT_EQ(OpenProject(state, services), -1);
    EXPECT_EQ(messages.texts(), QStringList{u"Invalid Project File Data at line  0"_s});
}

TEST_F(ProjectLoader, RejectedContentKeepsAcceptedRowsAndCaption)
{
    const struct
    {
        QByteArray bytes;
        QString message;
        int rows, currentItem;
    } cases[] = {
        {"a\tb\th\tT\r\n\r\nbroken\r\nc\td\th\tT\r\n", u"Invalid Project File Data at line  1"_s, 1,
         0},
        {"name only\r\n", u"Invalid Project File Data at line  0"_s, 0, -1},
        {"", u" 30009: The project file lists no items"_s, 0, -1},
        {"\r\n\r\n", u" 30009: The project file lists no items"_s, 0, -1},
    };
    openFirst();
    for (const auto &c : cases) {
        messages.clear();
        dialogs.answer(write(u"Bad.k7r"_s, c.bytes));
        EXPECT_EQ(OpenProject(state, services), -1);
        EXPECT_EQ(messages.texts(), QStringList{c.message});
        ASSERT_EQ(state.items().count(), c.rows);
        if (c.rows) {
            EXPECT_EQ(state.items().fullName(0), u"a"_s);
        }
        EXPECT_EQ(state.currentItem(), c.currentItem);
        EXPECT_EQ(state.projectFile(), path(u"First.k7r"_s));
    }
}

TEST_F(ProjectLoader, LoadProjectStoresTheFolderAndResolvesItems)
{
    write(u"New/Proj.k7r"_s, kTwoItems);
    write(u"New/CONST/Port.con"_s, "1");
    const QString folder = path(u"New"_s);
    QSignalSpy hidden(&state, &ProjectState::loadStarted);
    QSignalSpy shown(&state, &ProjectState::loadFinished);
    EXPECT_EQ(LoadProject(state, services, u"Proj.k7r"_s, folder), 0);
    EXPECT_EQ(hidden.count(), 1);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(setting(), folder);
    EXPECT_EQ(state.projectFile(), folder + u"/Proj.k7r"_s);
    EXPECT_EQ(state.itemFilePath(1), folder + u"/CONST/Port.con"_s);
    EXPECT_EQ(state.folderPath(), folder + u'/');

    // a missing project file leaves the table, the folder is still remembered
    write(u"none/Other.k7r"_s, kTwoItems);
    EXPECT_EQ(LoadProject(state, services, u".k7r"_s, path(u"none"_s)), -1);
    EXPECT_EQ(messages.texts(), QStringList{u"Could not open the project file '"_s +
                                            path(u"none/.k7r"_s) + u"': 53: File not found"_s});
    EXPECT_EQ(setting(), path(u"none"_s));
    EXPECT_EQ(state.items().count(), 2);
}

} // namespace
