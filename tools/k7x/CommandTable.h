#pragma once

#include "Commands.h"

#include <QString>
#include <QStringList>

#include <span>

// The one list of k7x's commands: the overview (k7x --help), each command's
// usage (k7x COMMAND --help) and the dispatch are all read from it.
namespace k7xtool {

struct Command
{
    const char *name;
    const char *arguments; // what follows the name on the usage line
    const char *summary;   // the overview's line
    const char *details;   // the usage text after its first line
    int (*run)(const QStringList &args, Streams io);
    bool needsFonts = false; // draws text, so needs a GUI application
};

std::span<const Command> commands();
const Command *findCommand(const QString &name);

// "Usage: k7x NAME ARGUMENTS" and the details.
QString usage(const Command &command);
QString overview();

// The whole command line after the program's name: dispatches to the command
// it names and gives the exit status.
int run(const QStringList &args, Streams io);

} // namespace k7xtool
