#include "FormMain.h"

#include "../project/ProjectFixture.h"
#include "../support/QtPrinting.h"

#include "ItemTableModel.h"
#include "MainLayout.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class FormMainTest : public ProjectFixture
{
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        form = std::make_unique<FormMain>(state, services);
        grid = form->findChild<QTableView *>(QStringLiteral("GridData"));
        help = form->findChild<QLabel *>(QStringLiteral("LabelResHelp"));
        ASSERT_TRUE(grid && help);
    }

    QAction *action(const char *name) const
    {
        return form->findChild<QAction *>(QString::fromLatin1(name));
    }
    QToolButton *button(const char *name) const
    {
        return form->findChild<QToolButton *>(QString::fromLatin1(name));
    }
    QString open(const QByteArray &bytes)
    {
        const QString file = write(QStringLiteral("Resource.k7r"), bytes);
        dialogs.answer(file);
        form->MenuOpen_Click();
        return file;
    }

    std::unique_ptr<FormMain> form;
    QTableView *grid = nullptr;
    QLabel *help = nullptr;
};

const QByteArray kMixed = "Logo\tMisc\\logo.bin\tStart-up logo\tG\t104,104,7,7\r\n"
                          "Port\tConst\\port.con\tSerial port\tC\t1,4\r\n"
                          "Event table\tDefev\\events.bin\tEvents\tT\r\n"
                          "Lower\tMisc\\lower.bin\tLower-case type\tg\r\n";

TEST_F(FormMainTest, StartsEmptyWithItsMenusAndButtons)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Merivane Resource Editor"));
    EXPECT_TRUE(help->text().isEmpty());
    EXPECT_EQ(grid->model()->rowCount(), 0);
    QStringList header;
    for (int c = 0; c < 4; ++c)
        header << grid->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(header, (QStringList{QStringLiteral("#"), QStringLiteral("T"),
                                   QStringLiteral("Full Name"), QStringLiteral("Filename")}));

    // captions in order, separators as empty texts; no access keys, no shortcuts
    const struct
    {
        const char *menu;
        const char *title;
        const char *entries; // "|"-separated
    } menus[] = {
        {"MenuFile", "File", "New...|Open...||Compile...||Exit"},
        {"MenuTools", "Tools", "Edit Item|Preview on Terminal||View Items in Terminal||Options"},
        {"MenuHelp", "Help", "www.merivane.example|Tutorial||About"},
    };
    for (const auto &m : menus) {
        const QMenu *menu = form->findChild<QMenu *>(QString::fromLatin1(m.menu));
        ASSERT_TRUE(menu) << m.menu;
        EXPECT_EQ(menu->title(), QString::fromLatin1(m.title));
        QStringList captions;
        for (const QAction *a : menu->actions()) {
            captions << (a->isSeparator() ? QString() : a->text());
            EXPECT_TRUE(a->shortcut().isEmpty());
            EXPECT_FALSE(a->text().contains(QLatin1Char('&')));
        }
        EXPECT_EQ(captions.join(QLatin1Char('|')), QString::fromLatin1(m.entries));
    }
    EXPECT_TRUE(form->webAddress().contains(QStringLiteral(".example")));

    const struct
    {
        const char *name;
        bool enabled;
    } states[] = {{"MenuNew", true},       {"MenuOpen", true},     {"MenuCompile", true},
                  {"MenuExit", true},      {"MenuItemEdit", true}, {"MenuPreview", false},
                  {"MenuView", true},      {"MenuOptions", true},  {"MenuWeb", true},
                  {"MenuTutorial", false}, {"MenuAbout", true}};
    for (const auto &s : states) {
        ASSERT_TRUE(action(s.name)) << s.name;
        EXPECT_EQ(action(s.name)->isEnabled(), s.enabled) << s.name;
    }

    const struct
    {
        const char *name;
        const char *tip;
        bool enabled;
    } buttons[] = {{"CmdOpen", "Open Project", true},
                   {"CmdEdit", "Edit Item", true},
                   {"CmdCompile", "Compile", true},
                   {"Command1", "Preview on Terminal", false}};
    for (const auto &b : buttons) {
        ASSERT_TRUE(button(b.name)) << b.name;
        EXPECT_EQ(button(b.name)->toolTip(), QString::fromLatin1(b.tip));
        EXPECT_EQ(button(b.name)->isEnabled(), b.enabled) << b.name;
    }
}

TEST_F(FormMainTest, OpenFillsTheGridAndEnablesCommands)
{
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    action("MenuCompile")->setEnabled(false);
    action("MenuItemEdit")->setEnabled(false);
    const QString file = open(kMixed);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(form->windowTitle(), file);
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->model()->index(2, 0).data().toString(), QStringLiteral(" 2"));
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(help->text(), QStringLiteral("Start-up logo"));
    EXPECT_TRUE(action("MenuCompile")->isEnabled());
    EXPECT_TRUE(action("MenuItemEdit")->isEnabled());
    EXPECT_TRUE(grid->isVisibleTo(form.get()));
}

TEST_F(FormMainTest, CancelledOpenKeepsProjectButDisablesMenuNotButtons)
{
    open(kMixed);
    dialogs.cancel();
    form->CmdOpen_Click();
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_FALSE(action("MenuCompile")->isEnabled());
    EXPECT_FALSE(action("MenuItemEdit")->isEnabled());
    EXPECT_TRUE(button("CmdEdit")->isEnabled());
    EXPECT_TRUE(button("CmdCompile")->isEnabled());

    // the button still edits while the menu entry is disabled
    grid->setCurrentIndex(grid->model()->index(2, 3));
    form->CmdEdit_Click();
    EXPECT_EQ(messages.texts(), QStringList{FormMain::notEditableText()});
}

TEST_F(FormMainTest, FailedOpenShowsTheLoadersMessage)
{
    open("Good\tf\th\tT\r\nBad\r\n");
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Invalid Project File Data at line  1")});
    EXPECT_EQ(form->windowTitle(), FormMain::defaultCaption());
    EXPECT_FALSE(action("MenuCompile")->isEnabled());
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_TRUE(grid->isVisibleTo(form.get()));
}

TEST_F(FormMainTest, HelpLabelFollowsTheCurrentRow)
{
    open(kMixed);
    grid->setCurrentIndex(grid->model()->index(1, 2));
    EXPECT_EQ(state.currentRow(), 2);
    EXPECT_EQ(help->text(), QStringLiteral("Serial port"));
    state.setCurrentRow(3);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    EXPECT_EQ(help->text(), QStringLiteral("Events"));
    state.setCurrentRow(0);
    EXPECT_EQ(help->text(), QStringLiteral("Events"));
}

TEST_F(FormMainTest, EditDispatchByTypeLetter)
{
    // types without an editor: the message, nothing opens
    open(kMixed);
    for (int row : {3, 4}) {
        messages.clear();
        state.setCurrentRow(row);
        form->MenuItemEdit_Click();
        EXPECT_EQ(messages.texts(), QStringList{FormMain::notEditableText()}) << row;
        EXPECT_EQ(messages.shown.at(0).title, QStringLiteral("Fendrel"));
        const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
        EXPECT_EQ(selected.size(), 4);
        EXPECT_TRUE(grid->hasFocus() || !form->isVisible());
    }
}

TEST_F(FormMainTest, NothingToEditOrCompileInAnEmptyTable)
{
    form->GridData_DblClick();
    form->CmdEdit_Click();
    form->CmdCompile_Click();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FormMainTest, AboutAndWebEntry)
{
    form->MenuAbout_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Varden Resource Editor V1.0R7"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fendrel"));

    QStringList opened;
    form->setShellOpen([&](const QString &what) { opened << what; });
    form->MenuWeb_Click();
    EXPECT_EQ(opened, QStringList{FormMain::webAddress()});
}

TEST_F(FormMainTest, ResizeAppliesTheLayoutInPixels)
{
    form->show();
    form->resize(form->toPixels(9000), form->toPixels(6000));
    const int dpi = form->logicalDpiX();
    const int outer = form->frameGeometry().width() * 1440 / dpi;
    const mainlayout::Layout layout =
        mainlayout::compute(outer, form->frameGeometry().height() * 1440 / dpi);
    EXPECT_EQ(grid->width(), form->toPixels(layout.gridWidth));
    EXPECT_EQ(grid->columnWidth(2), form->toPixels(layout.columns[2]));
    EXPECT_EQ(help->y(), form->toPixels(layout.labelTop));
}

} // namespace
