#include "editors/ui/FormConstant.h"
#include "mainwin/FormMain.h"

void FormMain::openConstantEditor()
{
    FormConstant form(m_state, m_services, this);
    if (!form.itemRefused())
        form.exec();
}
