#include "mainwin/FormMain.h"

#include "link/TerminalLink.h"
#include "link/ui/TerminalCommands.h"
#include "project/ProjectState.h"

#include <QTableView>

void FormMain::previewOnTerminal()
{
    if (m_state.currentRow() < 1)
        return;
    GridData->selectRow(m_state.currentRow() - 1);
    terminalcommands::previewOnTerminal(m_state, m_services, terminalcommands::linkOf(*this));
}
