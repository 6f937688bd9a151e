// Every window's tab order and, for the windows a user can resize, the
// smallest size: no two visible controls may overlap there.
#include "GraphicFixture.h"
#include "builder/ui/FormCompile.h"
#include "editors/ui/FormConstant.h"
#include "editors/ui/FormEditSel.h"
#include "editors/ui/FormInfoString.h"
#include "editors/ui/FormSize.h"
#include "editors/ui/FormText.h"
#include "link/TerminalLink.h"
#include "link/ui/FormOption.h"
#include "link/ui/FormTerminalLog.h"
#include "link/ui/FormView.h"
#include "mainwin/FormMain.h"
#include "mainwin/frmFilePath.h"
#include "mainwin/frmGetNewProjectPath.h"
#include "support/ScriptedTransport.h"

#include <QAbstractButton>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <set>

namespace {

using namespace Qt::StringLiterals;

class WindowShapeTest : public GraphicWindowTest
{
protected:
    // A window with whatever owns it, owners first.
    struct Made
    {
        std::vector<std::unique_ptr<QWidget>> keep;
        QWidget *window = nullptr;
    };
    using Maker = std::function<Made()>;

    template <typename W> static Made alone(W *window)
    {
        Made m;
        m.keep.emplace_back(window);
        m.window = window;
        return m;
    }

    // A window and the window that owns it, the owner first.
    static Made owned(QWidget *owner, QWidget *window)
    {
        Made m = alone(owner);
        m.window = window;
        return m;
    }

    std::vector<std::pair<const char *, Maker>> windows()
    {
        const QByteArray info("a\tb\tc\td\te\tName\tInfo\t0-Off;1-On;2-Auto");
        return {
            {"FormMain", [this] { return alone(new FormMain(state, services)); }},
            {"FormCompile", [this] { return alone(new FormCompile(state, services)); }},
            {"FormOption",
             [this] {
                 auto *form = new FormOption(services, link);
                 form->Form_Load();
                 return alone(form);
             }},
            {"FormOption Ethernet",
             [this] {
                 settings.values.insert(u"IFACE"_s, u"False"_s);
                 auto *form = new FormOption(services, link);
                 form->Form_Load();
                 return alone(form);
             }},
            {"FormView", [this] { return alone(new FormView(state, services, transport)); }},
            {"FormTerminalLog", [this] { return alone(new FormTerminalLog(services, transport)); }},
            {"frmGetNewProjectPath",
             [this] {
                 return alone(new frmGetNewProjectPath(services, folder.path(), QDate(2026, 1, 2)));
             }},
            {"frmFilePath", [this] { return alone(new frmFilePath(services)); }},
            {"FormConstant",
             [this] {
                 useItem(u"C"_s, u"Const\\c.txt"_s, QByteArray("5"));
                 return alone(new FormConstant(state, services));
             }},
            {"FormInfoString",
             [this, info] {
                 useItem(u"I"_s, u"Info\\i.txt"_s, info);
                 return alone(new FormInfoString(state, services));
             }},
            {"FormEditSel",
             [this, info] {
                 useItem(u"I"_s, u"Info\\i.txt"_s, info);
                 auto *owner = new FormInfoString(state, services);
                 return owned(owner, new FormEditSel(owner->selections(), 0, services, owner));
             }},
            {"FormGraphic", [this] { return alone(graphicWindow()); }},
            {"FormSize",
             [this] {
                 FormGraphic *owner = graphicWindow();
                 return owned(owner,
                              new FormSize(owner->Vog, owner->graphicLimits(), messages, owner));
             }},
            {"FormText",
             [this] {
                 FormGraphic *owner = graphicWindow();
                 return owned(owner, new FormText(owner->Vog, services, owner));
             }},
        };
    }

    FormGraphic *graphicWindow()
    {
        useGraphic();
        writeGraphic(graphic(16, 2));
        return new FormGraphic(state, services);
    }

    // The named controls in the order Tab visits them, from the first.
    static QStringList tabChain(QWidget *window)
    {
        activate(*window);
        QStringList chain;
        QWidget *first = QApplication::focusWidget();
        for (int i = 0; i < 60 && QApplication::focusWidget(); ++i) {
            QWidget *at = QApplication::focusWidget();
            if (i > 0 && at == first)
                break;
            chain << at->objectName();
            QTest::keyClick(at, Qt::Key_Tab);
        }
        return chain;
    }

    // Named, visible controls: what the user sees as the window's parts.
    static QList<QWidget *> controls(QWidget *window)
    {
        QList<QWidget *> found;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s) &&
                w->isVisibleTo(window) && !w->isWindow())
                found << w;
        }
        return found;
    }

    TerminalLink link{settings};
    ScriptedTransport transport;
};

// Tab goes through a window's controls in the order they are seen: the
// left-hand fields top to bottom, then the buttons at their right or below.
TEST_F(WindowShapeTest, TabFollowsTheVisualOrder)
{
    const std::map<std::string, QStringList> expected = {
        {"FormMain", {u"CmdOpen"_s, u"CmdEdit"_s, u"CmdCompile"_s, u"GridData"_s}},
        {"FormCompile",
         {u"TextOriginal"_s, u"CmdOriginal"_s, u"TextOutput"_s, u"CmdOutput"_s, u"CmdCompile"_s,
          u"CmdClose"_s}},
        {"FormOption",
         {u"OptionSerial"_s, u"optCom_0"_s, u"CheckPreview"_s, u"CmdSetting_0"_s,
          u"CmdSetting_1"_s}},
        // The first control takes the focus, chosen or not.
        {"FormOption Ethernet",
         {u"OptionSerial"_s, u"TextIP"_s, u"TextUDP"_s, u"CheckPreview"_s, u"CmdSetting_0"_s,
          u"CmdSetting_1"_s}},
        {"FormView", {u"TextNum"_s, u"CmdOK"_s, u"CmdCancel"_s}},
        {"FormTerminalLog", {u"GridFrames"_s, u"CmdClear"_s, u"CmdSaveAs"_s, u"CmdClose"_s}},
        {"frmGetNewProjectPath",
         {u"txtPathName"_s, u"txtLocation"_s, u"cmdCtrl_0"_s, u"cmdCtrl_1"_s, u"cmdCtrl_2"_s}},
        {"frmFilePath",
         {u"drvDownloadSaved"_s, u"dirDownloadSaved"_s, u"cmdCtrl_0"_s, u"cmdCtrl_1"_s}},
        {"FormConstant", {u"TextValue"_s, u"CmdOK"_s, u"CmdCancel"_s}},
        {"FormInfoString",
         {u"TextName"_s, u"Textinfo"_s, u"GridSel"_s, u"CmdOK"_s, u"CmdCancel"_s}},
        {"FormEditSel", {u"TextSel"_s, u"CmdOK"_s, u"CmdCancel"_s}},
        // Undo and Redo are disabled; of each group of tools only the chosen one is a stop.
        {"FormGraphic",
         {u"OptionSelect"_s, u"OptionFilled"_s, u"OptionBlack"_s, u"CmdFill"_s, u"CmdCopy"_s,
          u"CmdPaste"_s, u"CmdRotate90"_s, u"CmdRotate180"_s, u"CmdRotate270"_s, u"CmdMirrorHor"_s,
          u"CmdMirrorVer"_s, u"CmdText"_s, u"CmdImport"_s, u"CmdSize"_s, u"CmdZoomOut"_s,
          u"CmdZoomIn"_s, u"Vog"_s, u"CmdOK"_s, u"CmdCancel"_s}},
        {"FormSize", {u"TextSizeX"_s, u"TextSizeY"_s, u"CmdOK"_s, u"CmdCancel"_s}},
        {"FormText", {u"TextData"_s, u"OptionLeft"_s, u"CmdFont"_s, u"CmdOK"_s, u"CmdCancel"_s}},
    };
    std::set<std::string> seen;
    for (auto &[name, make] : windows()) {
        SCOPED_TRACE(name);
        seen.insert(name);
        Made m = make();
        ASSERT_TRUE(expected.count(name));
        EXPECT_EQ(tabChain(m.window), expected.at(name));
        m.window->hide();
    }
    EXPECT_EQ(seen.size(), expected.size());
}

// At the least size a window lets itself be made, no two controls overlap, no
// label or button is narrower than its text and a grid shows three rows.
TEST_F(WindowShapeTest, NothingOverlapsAtTheLeastSize)
{
    int resizable = 0;
    for (auto &[name, make] : windows()) {
        SCOPED_TRACE(name);
        Made m = make();
        QWidget *window = m.window;
        window->show();
        if (window->minimumSize() == window->maximumSize() || name == std::string("FormMain"))
            continue; // the main window has a layout of its own
        ++resizable;
        window->resize(1, 1);
        QApplication::processEvents();
        const QList<QWidget *> parts = controls(window);
        const auto place = [window](const QWidget *w) {
            return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
        };
        for (QWidget *a : parts) {
            const std::string an = a->objectName().toStdString();
            EXPECT_TRUE(window->rect().contains(place(a))) << an << " lies outside";
            // Tool buttons show a picture of a fixed size, not a text.
            if (qobject_cast<QLabel *>(a) ||
                (qobject_cast<QAbstractButton *>(a) && !qobject_cast<QToolButton *>(a))) {
                EXPECT_GE(a->width(), a->minimumSizeHint().width()) << an << " is cut";
            }
            if (const auto *grid = qobject_cast<QTableView *>(a)) {
                EXPECT_GE(grid->viewport()->height(),
                          3 * grid->verticalHeader()->defaultSectionSize())
                    << an << " shows fewer than three rows";
            }
            for (QWidget *b : parts) {
                if (a < b && !a->isAncestorOf(b) && !b->isAncestorOf(a)) {
                    EXPECT_FALSE(place(a).intersects(place(b)))
                        << an << " overlaps " << b->objectName().toStdString();
                }
            }
        }
        window->hide();
    }
    EXPECT_EQ(resizable, 11);
}

} // namespace
