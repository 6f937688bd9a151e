#include "mainwin/FormMain.h"

#include "link/ui/TerminalCommands.h"
#include "link/ui/TerminalSession.h"

void FormMain::openItemViewer()
{
    terminalcommands::openItemViewer(m_state, m_services, *m_terminal, this);
}
