#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

// Waits for a reply without freezing the windows: a local event loop keeps
// painting and timers going, while whatever the user types or clicks during
// the wait is thrown away rather than replayed after it.
class ReplyWait
{
public:
    explicit ReplyWait(int timeoutMs);
    ReplyWait(const ReplyWait &) = delete;
    ReplyWait &operator=(const ReplyWait &) = delete;

    // Context for connections that must end with the wait.
    QObject *context() { return &m_context; }
    // Starts the time-out again (a serial line counts silence, not the whole reply).
    void restartTimeout() { m_timer.start(); }
    void finish() { m_finished = true, m_loop.quit(); }
    // True when finish() was called, false on time-out.
    bool run();

    // Whether the event is something a user did (keys, mouse, wheel, touch,
    // a click on a window's close button), which a wait discards.
    static bool isUserInput(const QEvent &event);

private:
    QObject m_context;
    QEventLoop m_loop;
    QTimer m_timer;
    bool m_finished = false;
};
