#include "link/Waiting.h"

ReplyWait::ReplyWait(int timeoutMs)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeoutMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_loop, &QEventLoop::quit);
}

bool ReplyWait::run()
{
    if (m_finished)
        return true;
    m_timer.start();
    m_loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_timer.stop();
    return m_finished;
}
