#include "FormMain.h"

#include "TerminalCommands.h"
#include "TerminalLink.h"

void FormMain::openItemViewer()
{
    terminalcommands::openItemViewer(m_state, m_services, terminalcommands::linkOf(*this), this);
}
