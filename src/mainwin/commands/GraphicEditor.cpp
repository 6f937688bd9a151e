#include "FormMain.h"

#include "FormGraphic.h"

void FormMain::openGraphicEditor()
{
    FormGraphic form(m_state, m_services, this);
    // Without its control the window has nothing to show; the load has said why.
    if (form.controlCreated())
        form.exec();
}
