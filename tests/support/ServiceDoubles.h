#pragma once

#include "platform/ui/Services.h"
#include "support/MemorySettings.h"
#include "support/RecordingMessages.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TemporaryRegistry.h"

// A double of every service a window takes, and the Services over them: empty
// settings, an empty class registry, no message and no dialog answer yet.
struct ServiceDoubles
{
    RecordingMessages messages;
    ScriptedFileDialogs dialogs;
    MemorySettings settings;
    TemporaryRegistry registry;
    Services services{messages, dialogs, settings, registry};
};
