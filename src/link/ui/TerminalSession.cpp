#include "link/ui/TerminalSession.h"

#include "link/ui/FormTerminalLog.h"

TerminalSession::~TerminalSession()
{
    delete m_logWindow;
}

FormTerminalLog *TerminalSession::logWindow() const
{
    return m_logWindow;
}

void TerminalSession::setLogWindow(FormTerminalLog *window)
{
    m_logWindow = window;
}
