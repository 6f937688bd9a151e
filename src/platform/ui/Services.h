#pragma once

#include "platform/Settings.h"
#include "platform/automation/Registry.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"

// The services a window needs. main() owns the real ones; a test hands in
// doubles. Windows receive this by reference from the window that opens them
// and reach no service any other way.
struct Services
{
    Messages &messages;
    FileDialogs &dialogs;
    Settings &settings;
    // Where controls are created from (the user's registry over the machine's).
    const automation::ClassRegistry &registry;
};
