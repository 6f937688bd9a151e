#include "ItemTableModel.h"
#include "ProjectFile.h"
#include "ProjectState.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "../support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemTableModel, HeaderCellsAndRolesThroughResets)
{
    ProjectState state;
    ItemTableModel &model = *state.model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    const QStringList header = {QStringLiteral("#"), QStringLiteral("T"),
                                QStringLiteral("Full Name"), QStringLiteral("Filename")};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), header[c]);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 4);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    state.beginLoad();
    projectfile::parse("Logo\tMisc\\logo.bin\tStart-up logo\tG\t104,104,7,7\r\n"
                       "Port\tConst\\port.con\tSerial port\tC\t1,4",
                       state.items());
    state.endLoad();
    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(model.rowCount(), 2);
    const QStringList row1 = {QStringLiteral(" 1"), QStringLiteral("C"), QStringLiteral("Port"),
                              QStringLiteral("Const\\port.con")};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(model.index(1, c).data().toString(), row1[c]);
    EXPECT_EQ(model.index(0, 2).data(ItemTableModel::HelpRole).toString(),
              QStringLiteral("Start-up logo"));
    EXPECT_EQ(model.index(0, 0).data(ItemTableModel::LimitsRole).toString(),
              QStringLiteral("104,104,7,7"));
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);

    state.beginLoad();
    state.items().clear();
    state.endLoad();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ProjectState, CurrentRowIsClampedAndAlwaysAnnounced)
{
    ProjectState state;
    state.items().append({QStringLiteral("G"), QStringLiteral("n"), QStringLiteral("f"), {}, {}});
    QSignalSpy spy(&state, &ProjectState::currentRowChanged);
    state.setCurrentRow(1);
    state.setCurrentRow(1);
    state.setCurrentRow(5);
    state.setCurrentRow(-3);
    ASSERT_EQ(spy.count(), 4);
    EXPECT_EQ(spy[2][0].toInt(), 1);
    EXPECT_EQ(state.currentRow(), 0);
    EXPECT_EQ(state.currentItem(), -1);
}

TEST(ProjectState, FolderGetsOneTrailingSeparator)
{
    ProjectState state;
    const struct
    {
        const char *folder;
        const char *expected;
    } cases[] = {{"/p/x", "/p/x/"}, {"/p/x/", "/p/x/"}, {"C:\\p\\", "C:\\p\\"}, {"", ""}};
    for (const auto &c : cases) {
        state.setFolderPath(QString::fromLatin1(c.folder));
        EXPECT_EQ(state.folderWithSeparator(), QString::fromLatin1(c.expected));
        EXPECT_EQ(state.folderPath(), QString::fromLatin1(c.expected));
    }
}

} // namespace
