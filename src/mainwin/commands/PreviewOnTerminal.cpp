#include "mainwin/FormMain.h"

#include "link/ui/TerminalCommands.h"
#include "link/ui/TerminalSession.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"

#include <QTableView>

void FormMain::previewOnTerminal()
{
    if (!m_state.hasCurrentItem())
        return;
    GridData->selectRow(static_cast<int>(m_state.currentItem()));
    terminalcommands::previewOnTerminal(m_state, m_services, m_terminal->transport());
}
