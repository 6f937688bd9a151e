#include "FormMain.h"

void FormMain::openGraphicEditor()
{
    // Until its editor is wired in, the item is carried along as it is.
    showNotEditable();
}
