#include "mainwin/FormMain.h"

#include "builder/ui/FormCompile.h"

#include <QTableView>

void FormMain::openCompileWindow()
{
    FormCompile form(m_state, m_services, GridData, this);
    form.exec();
}
