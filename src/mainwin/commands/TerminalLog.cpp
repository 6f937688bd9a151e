#include "mainwin/FormMain.h"

#include "link/ui/TerminalCommands.h"

void FormMain::openTerminalLog()
{
    terminalcommands::openTerminalLog(m_services, *this);
}
