#include "CommandTable.h"

#include "DiffCommand.h"
#include "GraphicCommands.h"
#include "UnpackCommand.h"

#include <QTextStream>

#include <array>

namespace k7xtool {
namespace {

const std::array<Command, 9> table{{
    {"build", "PROJECT.k7r ORIGINAL OUTPUT", "compile a project into OUTPUT",
     "Compiles the project's item files, in the project's order, with the first 64 KiB\n"
     "of ORIGINAL into the extended firmware file OUTPUT: the same bytes as the editor's\n"
     "Compile window. OUTPUT is replaced only when the compile succeeds. ORIGINAL \"-\"\n"
     "reads standard input, OUTPUT \"-\" writes standard output.\n",
     build},
    {"verify", "FILE", "check every field and the checksum",
     "Checks an extended firmware file: header, label, item count, jump table (each\n"
     "item inside the data area, contiguous and in order), resource area length and\n"
     "checksum. Prints one line per fault on standard output and exits 1 when there\n"
     "is any; otherwise prints a one-line summary. FILE \"-\" reads standard input.\n",
     verify},
    {"list", "FILE [PROJECT.k7r]", "show the jump table",
     "Prints the jump table (item number, data offset, length; with a project also the\n"
     "type letter, full name and file name of each item), then the label and totals.\n"
     "FILE \"-\" reads standard input.\n",
     list},
    {"extract", "FILE K OUT", "write item K's bytes to OUT",
     "Writes the bytes of item K (counting from 0) of FILE to OUT.\n"
     "FILE \"-\" reads standard input, OUT \"-\" writes standard output.\n",
     extract},
    {"diff", "A.k7x B.k7x [--project PROJECT.k7r] [--pictures DIR]",
     "say which items differ between two firmware files",
     "Prints one line for each difference between two extended firmware files, in file\n"
     "order: the firmware image (the first 64 KiB), the label, each item that was\n"
     "added, removed or changed (its number and its size in each file) and the\n"
     "checksum. --project names the items and gives their type letters; a graphic item\n"
     "(type G) then says how many dots changed, and --pictures DIR writes\n"
     "DIR/itemK.png for it: A, B and the changed dots side by side. A or B \"-\" reads\n"
     "standard input. Exit status as cmp's: 0 the same, 1 different, 2 trouble (a file\n"
     "that k7x verify refuses, a usage error).\n",
     diff},
    {"unpack", "FW.k7x PROJECT.k7r DIR", "turn a firmware file back into a project",
     "Writes each item of FW.k7x to the file that the project names for it, under DIR\n"
     "(folders created, \"\\\" between folders, names as written), a copy of the project\n"
     "file, and the first 64 KiB of FW.k7x as DIR/original.bin, so that\n"
     "k7x build DIR/PROJECT.k7r DIR/original.bin OUT gives the same bytes again.\n"
     "PROJECT.k7r \"-\" names the items DIR/itemNNNNN.bin and lists them, type letter X,\n"
     "in DIR/Resource.k7r. Refused, with DIR left as it was: a firmware that k7x verify\n"
     "refuses or whose item count differs from the project's, a name that leads out of\n"
     "DIR, and two items that name the same file with different bytes. All the files\n"
     "reach the disk first, then each replaces its old self in one step. FW.k7x \"-\"\n"
     "reads standard input.\n",
     unpack},
    {"render", "ITEM OUT.png [--scale N]", "draw a graphic item as a picture",
     "Draws the graphic item file ITEM as a PNG picture, black dots on white, each dot\n"
     "N x N pixels (1 to 32; 1 when not given). A file the graphic editor cannot open\n"
     "is refused; one of the wrong length is drawn as the editor shows it, with a\n"
     "note on standard error.\n",
     render},
    {"import", "PICTURE ITEM [--limits TEXT]", "turn a picture into a graphic item",
     "Turns a picture (BMP, PNG, GIF, JPEG, ... any that Qt reads) into the graphic item\n"
     "file ITEM by the graphic editor's import rule: one pixel per dot, transparent is\n"
     "white, anything else not pure white is black, cropped to 128 x 128 dots, the\n"
     "height rounded up to whole bands of 8 dots. With --limits (the item's limits\n"
     "text from the project, for example 1,104,1,7) a size outside them is refused.\n"
     "ITEM is replaced in one step: a refused or failed import leaves it as it was.\n",
     importPicture},
    {"sheet", "PROJECT.k7r OUT.png", "every graphic of a project on one picture",
     "Draws every graphic item of the project on one PNG contact sheet, in the\n"
     "project's order, each with its item number, full name and size. Items whose\n"
     "files are missing or hold no graphic are drawn as such, listed on standard\n"
     "error, and make the exit status 1 (the sheet is written all the same).\n",
     sheet, true},
}};

bool asksForHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

} // namespace

std::span<const Command> commands()
{
    return table;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : table) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

QString usage(const Command &command)
{
    return QStringLiteral("Usage: k7x %1 %2\n")
               .arg(QLatin1String(command.name), QLatin1String(command.arguments)) +
           QLatin1String(command.details);
}

QString usage(const QString &command)
{
    if (const Command *found = findCommand(command))
        return usage(*found);
    return overview();
}

QString overview()
{
    QString text = QStringLiteral(
        "Usage: k7x COMMAND ARGUMENTS...\n"
        "Builds, compares and inspects extended firmware files (.k7x), takes them apart\n"
        "into projects, and turns graphic items into pictures and back, without the\n"
        "editor's windows.\n"
        "\n"
        "Commands:\n");
    for (const Command &command : table)
        text += QStringLiteral("%1 %2\n")
                    .arg(QLatin1String(command.name), -8)
                    .arg(QLatin1String(command.summary));
    text += QStringLiteral(
        "\n"
        "Inputs and outputs may be pipes, FIFOs or devices; \"-\" names standard input or\n"
        "output. k7x COMMAND --help gives a command's arguments and options. Exit status:\n"
        "0 done, 1 refused input, 2 usage error (diff: 0 the same, 1 different, 2 trouble).\n");
    return text;
}

int run(const QStringList &args, Streams io)
{
    if (args.isEmpty()) {
        io.err << overview();
        return Usage;
    }
    if (asksForHelp(args[0])) {
        io.out << overview();
        return Done;
    }
    const Command *command = findCommand(args[0]);
    if (!command) {
        io.err << "k7x: unknown command \"" << args[0] << "\"\n" << overview();
        return Usage;
    }
    return command->run(args.mid(1), io);
}

} // namespace k7xtool
