#pragma once

#include "Commands.h"

#include <QStringList>

namespace k7xtool {

int unpack(const QStringList &args, Streams io);

} // namespace k7xtool
