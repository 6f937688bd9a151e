#include "mainwin/FormMain.h"

#include "link/TerminalLink.h"
#include "link/ui/TerminalCommands.h"

void FormMain::openItemViewer()
{
    terminalcommands::openItemViewer(m_state, m_services, terminalcommands::linkOf(*this), this);
}
