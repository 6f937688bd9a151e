#include "FormInfoString.h"
#include "FormMain.h"

void FormMain::openInfoStringEditor()
{
    FormInfoString form(m_state, m_services, this);
    form.exec();
}
