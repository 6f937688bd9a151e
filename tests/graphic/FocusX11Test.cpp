// The keyboard under a real X server. After every refusal of an editor or of
// Options, once the message box has closed, one typed character must replace
// the refused text in the box at fault, whether Enter, a click on OK or the
// typing itself led to the check: only real events show where a closing
// message box leaves the focus. And Tab leaves the info string grid.
#include "GraphicFixture.h"
#include "editors/ui/FormConstant.h"
#include "editors/ui/FormEditSel.h"
#include "editors/ui/FormInfoString.h"
#include "editors/ui/FormSize.h"
#include "editors/ui/FormText.h"
#include "editors/ui/SelectionListModel.h"
#include "link/TerminalLink.h"
#include "link/ui/FormOption.h"
#include "support/XSession.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <functional>
#include <memory>

namespace {

using namespace Qt::StringLiterals;
using namespace xsession;

// How the check is reached.
enum class Via { Enter, Click, EnterOnOk, Typing };

class FocusX11 : public xsession::OnX<GraphicWindowTest>
{
protected:
    // The window under test, the box at fault and the button that checks.
    struct Window
    {
        std::vector<std::unique_ptr<QWidget>> keep; // owners first
        QWidget *window = nullptr;
        QWidget *box = nullptr;
        QPushButton *ok = nullptr;
    };

    // The window, its owner (if it has one) kept first.
    static Window window(QWidget *owner, QWidget *form, QWidget *box, QPushButton *ok)
    {
        Window w;
        w.keep.emplace_back(owner ? owner : form);
        w.window = form;
        w.box = box;
        w.ok = ok;
        return w;
    }

    QString boxText(QWidget *box) const
    {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            return line->text();
        return qobject_cast<QPlainTextEdit *>(box)->toPlainText();
    }

    BoxMessages boxes;
    Services real{boxes, dialogs, settings, registry};
    TerminalLink link{settings};
};

TEST_F(FocusX11, TheNextKeyReplacesTheRefusedText)
{
    const QString info = u"a\tb\tc\td\te\tName\tInfo\t0-Off;1-On"_s;
    const auto constant = [this](const char *limits) {
        return [this, limits] {
            useItem(u"C"_s, u"Const\\c.txt"_s, QByteArray("15"), QLatin1String(limits));
            auto *form = new FormConstant(state, real);
            return window(nullptr, form, form->TextValue, form->CmdOK);
        };
    };
    const auto infoString = [this, info](bool name) {
        return [this, info, name] {
            useItem(u"I"_s, u"Info\\i.txt"_s, info.toLatin1());
            auto *form = new FormInfoString(state, real);
            return window(nullptr, form, name ? form->TextName : form->Textinfo, form->CmdOK);
        };
    };
    const auto editSel = [this, info] {
        useItem(u"I"_s, u"Info\\i.txt"_s, info.toLatin1());
        auto *owner = new FormInfoString(state, real);
        auto *form = new FormEditSel(owner->selections(), 1, real, owner);
        return window(owner, form, form->TextSel, form->CmdOK);
    };
    const auto size = [this](bool x) {
        return [this, x] {
            useGraphic(u"1,16,1,4"_s);
            writeGraphic(graphic(16, 2));
            auto *owner = new FormGraphic(state, real);
            auto *form = new FormSize(owner->Vog, owner->graphicLimits(), boxes, owner);
            return window(owner, form, x ? form->TextSizeX : form->TextSizeY, form->CmdOK);
        };
    };
    const auto text = [this] {
        useGraphic();
        writeGraphic(graphic(64, 4));
        auto *owner = new FormGraphic(state, real);
        auto *form = new FormText(owner->Vog, real, owner);
        return window(owner, form, form->TextData, form->CmdOK);
    };
    const auto options = [this](bool ip) {
        return [this, ip] {
            settings.values.insert(u"IFACE"_s, u"False"_s);
            auto *form = new FormOption(real, link);
            form->Form_Load();
            return window(nullptr, form, ip ? form->TextIP : form->TextUDP, form->CmdSetting[0]);
        };
    };

    const struct
    {
        const char *what;
        std::function<Window()> make;
        const char *bad; // put into the box at fault
        Via via;
        const char *message; // how the message starts
    } cases[] = {
        {"constant", constant(""), "99999", Via::Enter, "Value is out of range"},
        {"constant", constant("10,20"), "9", Via::Click, "Value is out of range"},
        {"info name tab", infoString(true), "N\tx", Via::Enter, "Name field cannot contain TAB"},
        {"info tab", infoString(false), "I\tx", Via::Click, "Info field cannot contain TAB"},
        {"info code page", infoString(true), "\xc5\x81", Via::Click, "Name field cannot contain"},
        {"info too long", infoString(false), nullptr, Via::Enter, "New InfoString is too long"},
        {"selection", editSel, "a;b", Via::Enter, "Selection field cannot contain TAB or ';'"},
        {"size x", size(true), "17", Via::Enter, "Size X is out of range"},
        {"size x", size(true), "0", Via::Click, "Size X is out of range"},
        {"size y", size(false), "5", Via::Enter, "Size Y is out of range"},
        {"text", text, "ab", Via::Typing, "Text cannot contain"},
        {"options ip", options(true), "1.2.3", Via::Click, "Invalid IP address"},
        {"options udp", options(false), "10000", Via::EnterOnOk, "Invalid UDP port"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + (c.bad ? c.bad : "(long)"));
        Window w = c.make();
        boxes.texts.clear();
        w.window->move(300, 200);
        xsession::activate(w.window);
        ASSERT_EQ(QApplication::activeWindow(), w.window);
        const QString bad = c.bad ? QString::fromUtf8(c.bad) : QString(241, u'i');
        if (auto *line = qobject_cast<QLineEdit *>(w.box))
            line->setText(bad);
        else if (c.via != Via::Typing)
            qobject_cast<QPlainTextEdit *>(w.box)->setPlainText(bad);
        w.box->setFocus(Qt::MouseFocusReason);
        settle(100);

        Closer closer;
        switch (c.via) {
        case Via::Enter:
            keys({u"Return"_s});
            break;
        case Via::Click:
            click(w.ok);
            break;
        case Via::EnterOnOk:
            w.ok->setFocus(Qt::TabFocusReason);
            settle(100);
            keys({u"Return"_s});
            break;
        case Via::Typing:
            type(bad);
            // Pasted: xdotool types no character beyond the keyboard's map.
            QApplication::clipboard()->setText(QString::fromUtf8("\xc5\x81"));
            keys({u"ctrl+v"_s});
            break;
        }
        QElapsedTimer clock;
        clock.start();
        while (closer.closed == 0 && clock.elapsed() < 3000)
            settle(50);
        settle(300);
        // The virtual display has no window manager to give the keyboard back
        // to the window when its message box has gone: do as one does.
        xdo({u"windowfocus"_s, u"--sync"_s, QString::number(w.window->winId())});
        settle(300);
        ASSERT_EQ(closer.closed, 1);
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_TRUE(boxes.texts.front().startsWith(QString::fromUtf8(c.message)))
            << boxes.texts.front().toStdString();
        ASSERT_TRUE(w.window->isVisible());

        type(u"7"_s);
        EXPECT_EQ(boxText(w.box), u"7"_s)
            << "focus in "
            << (QApplication::focusWidget()
                    ? QApplication::focusWidget()->objectName().toStdString()
                    : std::string("nothing"));
        w.window->hide();
        if (w.window != w.keep.front().get())
            delete w.window;
    }
}

// Tab and Shift+Tab go from control to control, through the grid as one stop;
// Ctrl+Tab, Ctrl+Shift+Tab and the arrows move between the grid's rows.
TEST_F(FocusX11, TabLeavesTheSelectionGrid)
{
    useItem(u"I"_s, u"Info\\i.txt"_s, QByteArray("a\tb\tc\td\te\tName\tInfo\t0-Off;1-On;2-Auto"));
    FormInfoString form(state, real);
    form.move(300, 200);
    xsession::activate(&form);
    form.TextName->setFocus(Qt::MouseFocusReason);
    settle(100);
    const auto focused = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                           : u"nothing"_s;
    };
    const struct
    {
        const char *key;
        const char *focus;
        int row; // the grid's current row after the key
    } steps[] = {
        {"Tab", "Textinfo", 0},     {"Tab", "GridSel", 0},       {"ctrl+Tab", "GridSel", 1},
        {"ctrl+Tab", "GridSel", 2}, {"ctrl+Tab", "GridSel", 2},  {"ctrl+shift+Tab", "GridSel", 1},
        {"Up", "GridSel", 0},       {"Down", "GridSel", 1},      {"Tab", "CmdOK", 1},
        {"Tab", "CmdCancel", 1},    {"Tab", "TextName", 1},      {"shift+Tab", "CmdCancel", 1},
        {"shift+Tab", "CmdOK", 1},  {"shift+Tab", "GridSel", 1}, {"shift+Tab", "Textinfo", 1},
    };
    for (const auto &step : steps) {
        keys({QString::fromLatin1(step.key)});
        EXPECT_EQ(focused(), QLatin1String(step.focus)) << step.key;
        EXPECT_EQ(form.GridSel->currentIndex().row(), step.row) << step.key;
    }
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_TRUE(form.isVisible());
}

// A click into a number box selects its whole text, although the press that
// brings the focus places the cursor: the next key replaces the number.
TEST_F(FocusX11, AClickIntoANumberBoxSelectsItAll)
{
    useItem(u"C"_s, u"Const\\c.txt"_s, QByteArray("15"));
    FormConstant form(state, real);
    form.move(300, 200);
    xsession::activate(&form);
    form.CmdCancel->setFocus(Qt::TabFocusReason);
    settle(100);
    click(form.TextValue);
    type(u"7"_s);
    EXPECT_EQ(form.TextValue->text(), u"7"_s);
}

} // namespace
