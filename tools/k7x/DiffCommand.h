#pragma once

#include "Commands.h"

#include <QStringList>

namespace k7xtool {

// Exit status as cmp's: 0 the same, 1 different, 2 trouble.
int diff(const QStringList &args, Streams io);

} // namespace k7xtool
