#pragma once

// The pointer as the windowing system sees it now, not as the events a window
// happened to receive tell it: a wait that throws input away, or a message box
// that takes a release, leaves a window's own idea of the buttons behind.
namespace pointer {

// Whether the primary button is held down at this moment.
bool primaryButtonDown();

} // namespace pointer
