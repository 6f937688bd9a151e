#include "FormMain.h"

void FormMain::openCompileWindow()
{
    // Wired in by the subsystem that owns this window.
}
