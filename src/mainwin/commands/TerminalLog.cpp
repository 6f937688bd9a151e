#include "mainwin/FormMain.h"

#include "link/ui/TerminalCommands.h"
#include "link/ui/TerminalSession.h"

void FormMain::openTerminalLog()
{
    terminalcommands::openTerminalLog(m_services, *m_terminal, *this);
}
