#include "FormMain.h"

#include "ProjectState.h"
#include "TerminalCommands.h"
#include "TerminalLink.h"

#include <QTableView>

void FormMain::previewOnTerminal()
{
    if (m_state.currentRow() < 1)
        return;
    GridData->selectRow(m_state.currentRow() - 1);
    terminalcommands::previewOnTerminal(m_state, m_services, terminalcommands::linkOf(*this));
}
