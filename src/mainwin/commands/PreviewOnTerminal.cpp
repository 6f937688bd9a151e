#include "FormMain.h"

void FormMain::previewOnTerminal()
{
    // Wired in by the subsystem that owns this window.
}
