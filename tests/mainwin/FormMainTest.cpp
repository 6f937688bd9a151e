#include "MainWindowFixture.h"

#include "support/QtPrinting.h"

#include "link/ui/TerminalSession.h"
#include "platform/Settings.h"
#include "support/ScriptedTransport.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class FormMainTest : public MainWindowFixture
{
protected:
    QAction *action(const char *name) const { return child<QAction>(name); }
    QToolButton *button(const char *name) const { return child<QToolButton>(name); }
    template <class T> T *child(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
};

const QByteArray kMixed = "Logo\tMisc\\logo.bin\tStart-up logo\tG\t104,104,7,7\r\n"
                          "Port\tConst\\port.con\tSerial port\tC\t1,4\r\n"
                          "Event table\tDefev\\events.bin\tEvents\tT\r\n"
                          "Lower\tMisc\\lower.bin\tLower-case type\tg\r\n";

TEST_F(FormMainTest, StartsEmptyWithItsMenusAndButtons)
{
    EXPECT_EQ(form->windowTitle(), u"Merivane Resource Editor"_s);
    EXPECT_TRUE(help->text().isEmpty());
    EXPECT_EQ(grid->model()->rowCount(), 0);

    // captions in order with their access keys, separators as empty texts, and
    // the shortcuts after a colon
    const char *menus[][3] = {
        // name, title, entries
        {"MenuFile", "&File",
         "&New...:Ctrl+N|&Open...:Ctrl+O|&Recent Projects||&Compile...:Ctrl+B; F7||E&xit:Ctrl+Q"},
        {"MenuTools", "&Tools",
         "&Edit Item:Enter; Return|&Preview on Terminal||&View Items in Terminal|Terminal "
         "&Log||&Options"},
        {"MenuHelp", "&Help", "&www.merivane.example|&Tutorial:F1||&About"},
    };
    for (const auto &m : menus) {
        const QMenu *menu = child<QMenu>(m[0]);
        ASSERT_TRUE(menu) << m[0];
        EXPECT_EQ(menu->title(), QLatin1String(m[1]));
        QStringList captions;
        for (const QAction *a : menu->actions()) {
            const QString keys = QKeySequence::listToString(a->shortcuts());
            captions << (a->isSeparator() ? QString()
                                          : a->text() + (keys.isEmpty() ? u""_s : u":"_s + keys));
        }
        EXPECT_EQ(captions.join(u'|'), QLatin1String(m[2]));
    }
    EXPECT_FALSE(child<QMenu>("MenuRecent")->isEnabled()) << "no project opened yet";

    for (const char *name : {"MenuNew", "MenuOpen", "MenuCompile", "MenuExit", "MenuItemEdit",
                             "MenuView", "MenuOptions", "MenuWeb", "MenuAbout"})
        EXPECT_TRUE(action(name) && action(name)->isEnabled()) << name;
    for (const char *name : {"MenuPreview", "MenuTutorial"})
        EXPECT_TRUE(action(name) && !action(name)->isEnabled()) << name;
    const std::pair<const char *, const char *> buttons[] = {{"CmdOpen", "Open Project"},
                                                             {"CmdEdit", "Edit Item"},
                                                             {"CmdCompile", "Compile"},
                                                             {"Command1", "Preview on Terminal"}};
    for (const auto &[name, tip] : buttons) {
        ASSERT_TRUE(button(name)) << name;
        EXPECT_EQ(button(name)->toolTip(), QLatin1String(tip));
        EXPECT_EQ(button(name)->isEnabled(), qstrcmp(name, "Command1") != 0) << name;
    }
}

TEST_F(FormMainTest, OpenFillsTheGridEnablesCommandsAndHelpFollowsTheRow)
{
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    action("MenuCompile")->setEnabled(false);
    action("MenuItemEdit")->setEnabled(false);
    const QString file = open(kMixed);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(form->windowTitle(), file);
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(help->text(), u"Start-up logo"_s);
    EXPECT_TRUE(action("MenuCompile")->isEnabled());
    EXPECT_TRUE(action("MenuItemEdit")->isEnabled());
    EXPECT_TRUE(grid->isVisibleTo(form.get()));

    grid->setCurrentIndex(grid->model()->index(1, 2));
    EXPECT_EQ(state.currentItem(), 1);
    EXPECT_EQ(help->text(), u"Serial port"_s);
    const QSignalSpy changes(&state, &ProjectState::currentItemChanged);
    state.setCurrentItem(2); // the grid follows without announcing the row once more
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    EXPECT_EQ(help->text(), u"Events"_s);
    state.setCurrentItem(ProjectState::NoItem);
    EXPECT_EQ(help->text(), u"Events"_s);
}

// Each type letter of the template project opens its own editor, read from
// the window that comes up (and is cancelled at once).
TEST_F(FormMainTest, EditItemOpensTheEditorOfTheItemsType)
{
    form->openProjectFile(qEnvironmentVariable("FENDREL_BIN_DIR") +
                          u"/Project_Default/Resource.k7r"_s);
    const std::pair<int, const char *> rows[] = {
        {7, "FormConstant"}, {13, "FormInfoString"}, {16, "FormInfoString"}};
    for (const auto &[row, window] : rows) {
        QString opened;
        QTimer::singleShot(0, form.get(), [&opened] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        state.setCurrentItem(row);
        form->MenuItemEdit_Click();
        EXPECT_EQ(opened, QLatin1String(window)) << row;
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.last().toStdString();
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

    // the button still edits while the menu entry is disabled; a type without an editor
    // gives the message and the grid keeps its row selected
    const std::pair<int, void (FormMain::*)()> edits[] = {{2, &FormMain::CmdEdit_Click},
                                                          {3, &FormMain::MenuItemEdit_Click}};
    for (const auto &[row, edit] : edits) {
        messages.clear();
        state.setCurrentItem(row);
        (form.get()->*edit)();
        EXPECT_EQ(messages.texts(),
                  QStringList{u"This Resource Item cannot be edited and must be left 'as is'"_s})
            << row;
        EXPECT_EQ(messages.shown.at(0).title, u"Fendrel"_s);
        EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 4);
        EXPECT_TRUE(grid->hasFocus() || !form->isVisible());
    }
}

TEST_F(FormMainTest, FailedOpenShowsTheLoadersMessage)
{
    open("Good\tf\th\tT\r\nBad\r\n");
    EXPECT_EQ(messages.texts(), QStringList{u"Invalid Project File Data at line  1"_s});
    EXPECT_EQ(form->windowTitle(), FormMain::defaultCaption());
    EXPECT_FALSE(action("MenuCompile")->isEnabled());
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_TRUE(grid->isVisibleTo(form.get()));
}

TEST_F(FormMainTest, EmptyTableHasNothingToEditAboutAndWebWork)
{
    form->GridData_DblClick();
    form->CmdEdit_Click();
    form->CmdCompile_Click();
    EXPECT_TRUE(messages.shown.empty());

    form->MenuAbout_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"Varden Resource Editor V1.0R7"_s);
    EXPECT_EQ(messages.shown[0].title, u"Fendrel"_s);

    QStringList opened;
    form->setShellOpen([&](const QString &what) { opened << what; });
    form->MenuWeb_Click();
    EXPECT_EQ(opened, QStringList{u"https://www.merivane.example/"_s});
}

// Tutorial opens the guide beside the program, else the installed one, and stays
// disabled without either.
TEST_F(FormMainTest, TutorialOpensTheGuideFoundBesideOrInstalled)
{
    const struct
    {
        const char *program;
        QStringList guides;
        const char *opened; // nullptr: disabled
    } cases[] = {
        {"a/bin", {u"a/bin/guide/index.html"_s}, "a/bin/guide/index.html"},
        {"b/bin",
         {u"b/share/doc/fendrel/guide/index.html"_s},
         "b/share/doc/fendrel/guide/index.html"},
        {"c/bin",
         {u"c/bin/guide/index.html"_s, u"c/share/doc/fendrel/guide/index.html"_s},
         "c/bin/guide/index.html"},
        // a folder named index.html, a guide outside its folder
        {"d/bin", {u"d/bin/guide/index.html/x"_s, u"d/share/doc/fendrel/index.html"_s}, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.program);
        for (const QString &guide : c.guides)
            write(guide, "<html>");
        QDir().mkpath(path(QLatin1String(c.program)));
        form->setProgramFolder(path(QLatin1String(c.program)));
        QStringList opened;
        form->setShellOpen([&](const QString &what) { opened << what; });
        EXPECT_EQ(action("MenuTutorial")->isEnabled(), c.opened != nullptr);
        form->MenuTutorial_Click();
        EXPECT_EQ(opened, c.opened ? QStringList{path(QLatin1String(c.opened))} : QStringList{});
    }
}

TEST_F(FormMainTest, NewProjectIsCopiedLoadedAndBecomesTheWorkingFolder)
{
    form->setProgramFolder(qEnvironmentVariable("FENDREL_BIN_DIR"));
    const QString folder = path(u"20020315"_s);
    form->createProject(folder, u"20020315"_s);
    EXPECT_TRUE(messages.shown.empty()) << messages.last().toStdString();
    EXPECT_GE(state.items().count(), 24);
    EXPECT_EQ(form->windowTitle(), folder + u"/20020315.k7r"_s);
    EXPECT_EQ(settings.read(u"FileProject"_s), folder);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(folder).canonicalFilePath());
    // every item of the template has its file in the copy
    for (qsizetype i = 0; i < state.items().count(); ++i)
        EXPECT_TRUE(QFileInfo(state.itemFilePath(i)).isFile()) << state.items().fileName(i);
}

TEST_F(FormMainTest, NewProjectWithoutTemplateProjectFileLoadsNothing)
{
    QDir(dir.path()).mkpath(u"prog/Project_Default/Const"_s);
    form->setProgramFolder(path(u"prog"_s));
    const QString folder = path(u"P"_s);
    form->createProject(folder, u"P"_s);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"Could not copy '"_s + path(u"prog"_s) +
                                          u"/Project_Default/Resource.k7r' to '"_s + folder +
                                          u"/P.k7r': 53: File not found"_s);
    EXPECT_EQ(messages.shown[0].title, u"Fendrel"_s);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_EQ(form->windowTitle(), FormMain::defaultCaption());
}

// Preview on Terminal is there for those who enable it in the Options window;
// then it sends the current graphic in blocks and shows it, stopping at the
// first command that fails.
TEST_F(FormMainTest, PreviewOnTerminalOnlyWhenEnabled)
{
    const QString project = write(u"Resource.k7r"_s, "Logo\tMisc\\logo.bin\tLogo\tG\r\n");
    write(u"Misc/logo.bin"_s, QByteArray(250, '\x5a'));
    const auto sent = [](const ScriptedTransport &t) {
        QStringList texts;
        for (const QByteArray &r : t.requests) {
            const QByteArray text = r.mid(3, r.size() - 8);
            texts << QString::fromLatin1(text.left(6)) + u'+' +
                         QString::number(std::max<qsizetype>(0, text.size() - 6));
        }
        return texts;
    };
    for (const bool enabled : {false, true}) {
        settings.write(u"PreviewOnTerminal"_s, enabled ? u"True"_s : u"False"_s);
        FormMain main(state, services);
        ScriptedTransport terminal;
        main.terminal().useTransport(&terminal);
        main.openProjectFile(project);
        EXPECT_EQ(main.findChild<QAction *>(u"MenuPreview"_s)->isEnabled(), enabled);
        EXPECT_EQ(main.findChild<QToolButton *>(u"Command1"_s)->isEnabled(), enabled);
        for (int i = 0; i < 4; ++i)
            terminal.reply(frame::buildReply("A", 1));
        main.Command1_Click();
        if (!enabled) {
            EXPECT_TRUE(terminal.requests.empty());
            continue;
        }
        EXPECT_EQ(sent(terminal),
                  (QStringList{u"DL0000+240"_s, u"DL0120+240"_s, u"DL0240+20"_s, u"DS+0"_s}));
        terminal.requests.clear();
        terminal.reply(frame::buildReply("A", 1));
        terminal.reply(frame::buildReply("D", 1));
        main.MenuPreview_Click();
        EXPECT_EQ(sent(terminal), (QStringList{u"DL0000+240"_s, u"DL0120+240"_s}));
    }
    EXPECT_TRUE(messages.shown.empty());
    settings.write(u"PreviewOnTerminal"_s, QString());
}

} // namespace
