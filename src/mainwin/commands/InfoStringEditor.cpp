#include "editors/ui/FormInfoString.h"
#include "mainwin/FormMain.h"

void FormMain::openInfoStringEditor()
{
    FormInfoString form(m_state, m_services, this);
    if (!form.itemRefused())
        form.exec();
}
