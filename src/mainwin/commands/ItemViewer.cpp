#include "mainwin/FormMain.h"

#include "link/TerminalLink.h"
#include "link/ui/TerminalCommands.h"
#include "platform/ui/Services.h"

void FormMain::openItemViewer()
{
    terminalcommands::openItemViewer(m_state, m_services,
                                     terminalcommands::linkOf(*this, m_services.settings), this);
}
