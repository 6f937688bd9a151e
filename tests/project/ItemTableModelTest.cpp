#include "project/ItemTableModel.h"
#include "project/ProjectFile.h"
#include "project/ProjectState.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString rowText(const QAbstractItemModel &model, int row, int role = Qt::DisplayRole)
{
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
        cells << (row < 0 ? model.headerData(c, Qt::Horizontal) : model.index(row, c).data(role))
                     .toString();
    return cells.join(u'|');
}

TEST(ItemTableModel, HeaderCellsAndRolesThroughResets)
{
    ProjectState state;
    ItemTableModel &model = *state.model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(rowText(model, -1), u"#|T|Full Name|Filename"_s);
    EXPECT_EQ(model.rowCount(), 0);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    state.beginLoad();
    projectfile::parse("Logo\tMisc\\logo.bin\tStart-up logo\tG\t104,104,7,7\r\n"
                       "Port\tConst\\port.con\tSerial port\tC\t1,4\r\n"
                       "Lower\tMisc\\x.bin\th\tg",
                       state.items());
    state.endLoad();
    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(rowText(model, 1), u" 1|C|Port|Const\\port.con"_s);
    EXPECT_EQ(rowText(model, 2), u" 2|g|Lower|Misc\\x.bin"_s); // the letter as written
    EXPECT_EQ(model.index(0, 2).data(ItemTableModel::HelpRole).toString(), u"Start-up logo"_s);
    EXPECT_EQ(model.index(0, 0).data(ItemTableModel::LimitsRole).toString(), u"104,104,7,7"_s);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);

    state.beginLoad();
    state.items().clear();
    state.endLoad();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ProjectState, CurrentItemIsClampedAndAlwaysAnnounced)
{
    ProjectState state;
    for (int i = 0; i < 3; ++i)
        state.items().append({u"G"_s, u"n"_s, u"f"_s, {}, {}});
    QSignalSpy spy(&state, &ProjectState::currentItemChanged);
    // both ends of the table, one past each, the same item twice
    const std::pair<qsizetype, qsizetype> cases[] = {{0, 0},   {0, 0}, {2, 2},  {3, 2},
                                                     {-1, -1}, {1, 1}, {-3, -1}};
    for (const auto &[item, current] : cases) {
        state.setCurrentItem(item);
        EXPECT_EQ(state.currentItem(), current) << item;
        EXPECT_EQ(state.hasCurrentItem(), current != -1) << item;
        EXPECT_EQ(spy.takeFirst().at(0).toLongLong(), current) << item;
    }
}

TEST(ProjectState, FolderGetsOneTrailingSeparator)
{
    ProjectState state;
    const std::pair<const char *, const char *> cases[] = {
        {"/p/x", "/p/x/"}, {"/p/x/", "/p/x/"}, {"C:\\p\\", "C:\\p\\"}, {"", ""}};
    for (const auto &[folder, expected] : cases) {
        state.setFolderPath(QLatin1String(folder));
        EXPECT_EQ(state.folderWithSeparator(), QLatin1String(expected));
        EXPECT_EQ(state.folderPath(), QLatin1String(expected));
    }
}

} // namespace
