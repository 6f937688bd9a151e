#include "mainwin/FormMain.h"

#include "link/ui/TerminalCommands.h"

void FormMain::openOptionsWindow()
{
    terminalcommands::openOptionsWindow(m_services, terminalcommands::linkOf(*this), this);
}
