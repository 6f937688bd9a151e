#include "mainwin/FormMain.h"

#include "link/ui/TerminalCommands.h"
#include "platform/ui/Services.h"

void FormMain::openOptionsWindow()
{
    terminalcommands::openOptionsWindow(m_services,
                                        terminalcommands::linkOf(*this, m_services.settings), this);
}
