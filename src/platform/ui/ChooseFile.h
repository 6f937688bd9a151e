#pragma once

#include "platform/ui/FileDialogs.h"

#include <QString>

#include <optional>

struct Services;

// Asks for a file the way every window does: an invalid name asks again
// without a proposed name, a cancel returns nothing, and any other failure is
// shown to the user and returns nothing.
namespace choosefile {

enum class Mode { Open, Save };

std::optional<QString> ask(Services &services, Mode mode, FileDialogs::Request request);

} // namespace choosefile
