#pragma once

#include "Commands.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

// The k7x commands for graphic items: render, import, sheet. Exit statuses as
// for the other commands.
namespace k7xtool {

int render(const QStringList &args, Streams io);
int importPicture(const QStringList &args, Streams io);
int sheet(const QStringList &args, Streams io);

// Usage text of a graphic command; empty for any other command.
QString graphicUsage(const QString &command);

// The application object for the command line: a GUI one on the offscreen
// platform for the contact sheet, whose text needs fonts; otherwise a core one.
std::unique_ptr<QCoreApplication> application(int &argc, char **argv);

} // namespace k7xtool
