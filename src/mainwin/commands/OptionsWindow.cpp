#include "FormMain.h"

#include "TerminalCommands.h"

void FormMain::openOptionsWindow()
{
    terminalcommands::openOptionsWindow(m_services, terminalcommands::linkOf(*this), this);
}
