#include "mainwin/FormMain.h"

#include "editors/ui/FormGraphic.h"

void FormMain::openGraphicEditor()
{
    FormGraphic form(m_state, m_services, this);
    // Without its control the window has nothing to show; the load has said why.
    if (!form.controlCreated())
        return;
    // OK has written new dots; the preview shows them.
    if (form.exec() == QDialog::Accepted)
        refreshPreview();
}
