#include "FormMain.h"

void FormMain::openOptionsWindow()
{
    // Wired in by the subsystem that owns this window.
}
