#include "mainwin/FormMain.h"

#include "link/TerminalLink.h"
#include "link/ui/TerminalCommands.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"

#include <QTableView>

void FormMain::previewOnTerminal()
{
    if (!m_state.hasCurrentItem())
        return;
    GridData->selectRow(static_cast<int>(m_state.currentItem()));
    terminalcommands::previewOnTerminal(m_state, m_services,
                                        terminalcommands::linkOf(*this, m_services.settings));
}
