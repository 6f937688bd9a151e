#include "mainwin/FormMain.h"

#include "link/ui/TerminalCommands.h"
#include "link/ui/TerminalSession.h"

void FormMain::openOptionsWindow()
{
    terminalcommands::openOptionsWindow(m_services, *m_terminal, this);
}
