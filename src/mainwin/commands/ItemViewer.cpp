#include "FormMain.h"

void FormMain::openItemViewer()
{
    // Wired in by the subsystem that owns this window.
}
