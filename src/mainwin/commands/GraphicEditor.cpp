#include "mainwin/FormMain.h"

#include "editors/ui/FormGraphic.h"

void FormMain::openGraphicEditor()
{
    FormGraphic form(m_state, m_services, this);
    // Without its control or a file it can take, the window has nothing to
    // show; the load has said why.
    if (!form.controlCreated() || form.itemRefused())
        return;
    // OK has written new dots; the preview shows them.
    if (form.exec() == QDialog::Accepted)
        refreshPreview();
}
