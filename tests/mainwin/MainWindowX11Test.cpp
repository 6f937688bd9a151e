// The main window's access keys and shortcuts pressed by xdotool: only real
// keys show which widget takes them (Enter on the grid, not elsewhere).
#include "MainWindowFixture.h"

#include "support/QtPrinting.h"
#include "support/XSession.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using MainWindowX11 = xsession::OnX<MainWindowFixture>;

// Notes and closes every window that a command opens modally.
class ModalNotes
{
public:
    ModalNotes()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened << modal->objectName();
                modal->close();
            }
        });
        m_timer.start(50);
    }
    QStringList opened;

private:
    QTimer m_timer;
};

TEST_F(MainWindowX11, ShortcutsAndAccessKeysRunTheirCommands)
{
    write(u"bin/guide/index.html"_s, "<html>");
    form->setProgramFolder(path(u"bin"_s));
    QStringList shell;
    form->setShellOpen([&](const QString &what) { shell << what; });
    open("A\ta.bin\tfirst\tT\r\nB\tb.bin\tsecond\tT\r\n");
    ModalNotes modals;
    // Each key with the hand on the grid, as after a click into it; without a
    // window manager the window is made active again after every modal one.
    const auto press = [&](const QString &key) {
        xsession::activate(form.get());
        grid->setFocus();
        xsession::keys({key});
        xsession::settle(200);
    };

    press(u"alt+f"_s);
    const QWidget *popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup ? popup->objectName() : QString(), u"MenuFile"_s);
    xsession::keys({u"Escape"_s, u"Escape"_s});
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    press(u"Return"_s);
    EXPECT_EQ(messages.texts(),
              QStringList{u"This Resource Item cannot be edited and must be left 'as is'"_s});
    form->findChild<QWidget *>(u"CmdOpen"_s)->setFocus();
    xsession::keys({u"Return"_s});
    EXPECT_EQ(messages.shown.size(), 1u) << "Enter edits only on the grid";

    for (const char *key : {"ctrl+b", "F7", "ctrl+n"})
        press(QLatin1String(key));
    EXPECT_EQ(modals.opened,
              (QStringList{u"FormCompile"_s, u"FormCompile"_s, u"frmGetNewProjectPath"_s}));

    press(u"F1"_s);
    EXPECT_EQ(shell, QStringList{path(u"bin/guide/index.html"_s)});

    press(u"ctrl+o"_s); // cancelled by the double
    EXPECT_EQ(dialogs.requests.size(), 2u) << "the fixture's open and this one";

    press(u"ctrl+q"_s);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(settings.values.value(u"MainWindowPlace"_s).isEmpty());
}

} // namespace
