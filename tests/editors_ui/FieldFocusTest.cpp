// Where a refusal leaves the keyboard when whatever told of it hands the focus
// back late: at once, on the next turn of the event loop, or when the window is
// next activated. The box at fault must end with the focus and all its text
// selected in every case.
#include "platform/ui/FieldFocus.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

enum class HandBack { Never, AtOnce, NextTurn, AtActivation };

// On the window's next activation the focus goes to the button, as a message
// box may make it do.
class FocusOnActivation final : public QObject
{
public:
    explicit FocusOnActivation(QWidget &to) : m_to(to) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate)
            m_to.setFocus(Qt::ActiveWindowFocusReason);
        return false;
    }

private:
    QWidget &m_to;
};

TEST(FieldFocus, TheBoxAtFaultEndsWithTheFocusAndItsWholeText)
{
    for (const HandBack late :
         {HandBack::Never, HandBack::AtOnce, HandBack::NextTurn, HandBack::AtActivation}) {
        SCOPED_TRACE(static_cast<int>(late));
        QDialog window;
        auto *other = new QLineEdit(QStringLiteral("other"), &window);
        auto *box = new QLineEdit(QStringLiteral("12345"), &window);
        auto *ok = new QPushButton(QStringLiteral("OK"), &window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(other);
        layout->addWidget(box);
        layout->addWidget(ok);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus();
        // A refusal in the box before: a later one in another box wins.
        fieldfocus::backTo(*other);

        FocusOnActivation onActivation(*ok);
        box->setCursorPosition(2);
        ok->setFocus();
        switch (late) {
        case HandBack::Never:
        case HandBack::AtOnce:
            break;
        case HandBack::NextTurn:
            QTimer::singleShot(0, ok, [ok] { ok->setFocus(); });
            break;
        case HandBack::AtActivation:
            QApplication::setActiveWindow(nullptr);
            window.installEventFilter(&onActivation);
            break;
        }
        fieldfocus::backTo(*box);
        if (late == HandBack::AtOnce)
            ok->setFocus();
        if (late == HandBack::AtActivation) {
            QApplication::processEvents(); // later than the next turn
            QApplication::setActiveWindow(&window);
        }
        for (int turn = 0; turn < 3; ++turn)
            QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(box->selectedText(), QStringLiteral("12345"));
        window.removeEventFilter(&onActivation);
    }
}

} // namespace
