#include "link/Waiting.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// Eats user input on its way to any window while installed on the application.
// The input is processed as far as the application itself (so it knows which
// buttons are still held) and goes no further.
class InputDiscarder final : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override { return ReplyWait::isUserInput(*event); }
};

} // namespace

ReplyWait::ReplyWait(int timeoutMs)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeoutMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_loop, &QEventLoop::quit);
}

bool ReplyWait::isUserInput(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        // The window system's close button, not a close the program asks for.
        return event.spontaneous();
    default:
        return false;
    }
}

bool ReplyWait::run()
{
    if (m_finished)
        return true;
    InputDiscarder discarder;
    QCoreApplication *app = QCoreApplication::instance();
    if (app)
        app->installEventFilter(&discarder);
    m_timer.start();
    // Not ExcludeUserInputEvents: that would hold the input back and deliver
    // it all after the wait.
    m_loop.exec();
    m_timer.stop();
    if (app)
        app->removeEventFilter(&discarder);
    return m_finished;
}
