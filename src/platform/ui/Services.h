#pragma once

#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"

// The user-facing services a window needs. main() owns the real ones; a test
// hands in doubles. Windows receive this by reference from the window that
// opens them.
struct Services
{
    Messages &messages;
    FileDialogs &dialogs;
};
