#pragma once

#include "Commands.h"

#include <QStringList>

// The k7x commands for graphic items: render, import, sheet. Exit statuses as
// for the other commands.
namespace k7xtool {

int render(const QStringList &args, Streams io);
int importPicture(const QStringList &args, Streams io);
int sheet(const QStringList &args, Streams io);

} // namespace k7xtool
