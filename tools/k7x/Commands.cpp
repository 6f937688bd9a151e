#include "Commands.h"

#include "GraphicCommands.h"
#include "ProjectInput.h"
#include "Streams.h"
#include "builder/Compile.h"
#include "builder/FilePair.h"
#include "builder/K7xReader.h"
#include "platform/PlatformError.h"
#include "platform/SaveFile.h"

#include <QDir>
#include <QTextStream>

#include <optional>

namespace k7xtool {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool wantsHelp(const QStringList &args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

// Usage errors print the command's usage; --help prints it to standard output.
std::optional<int> checkArguments(const QString &command, const QStringList &args, qsizetype least,
                                  qsizetype most, Streams io)
{
    if (wantsHelp(args)) {
        io.out << usage(command);
        return Done;
    }
    if (args.size() < least || args.size() > most) {
        io.err << usage(command);
        return Usage;
    }
    return std::nullopt;
}

// An extended firmware file opened and read.
struct Opened
{
    Input input;
    k7x::Contents contents;
};

// False, with the reason on standard error, when the file cannot be read.
bool open(Opened &opened, const QString &path, Streams io)
{
    const PlatformError error = opened.input.open(path);
    if (error.isError()) {
        io.err << shown(path) << ':' << error.text() << '\n';
        return false;
    }
    opened.contents = k7x::read(opened.input.device(), opened.input.cut());
    return true;
}

QString hex(qint64 value, int digits)
{
    return QStringLiteral("0x%1")
        .arg(value, digits, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QStringLiteral("0X"), QStringLiteral("0x"));
}

} // namespace

QString usage(const QString &command)
{
    if (QString graphic = graphicUsage(command); !graphic.isEmpty())
        return graphic;
    if (command == QLatin1String("build"))
        return QStringLiteral(
            "Usage: k7x build PROJECT.k7r ORIGINAL OUTPUT\n"
            "Compiles the project's item files, in the project's order, with the first 64 KiB\n"
            "of ORIGINAL into the extended firmware file OUTPUT: the same bytes as the editor's\n"
            "Compile window. OUTPUT is replaced only when the compile succeeds. ORIGINAL \"-\"\n"
            "reads standard input, OUTPUT \"-\" writes standard output.\n");
    if (command == QLatin1String("verify"))
        return QStringLiteral(
            "Usage: k7x verify FILE\n"
            "Checks an extended firmware file: header, label, item count, jump table (each\n"
            "item inside the data area, contiguous and in order), resource area length and\n"
            "checksum. Prints one line per fault on standard output and exits 1 when there\n"
            "is any; otherwise prints a one-line summary. FILE \"-\" reads standard input.\n");
    if (command == QLatin1String("list"))
        return QStringLiteral(
            "Usage: k7x list FILE [PROJECT.k7r]\n"
            "Prints the jump table (item number, data offset, length; with a project also the\n"
            "type letter, full name and file name of each item), then the label and totals.\n"
            "FILE \"-\" reads standard input.\n");
    if (command == QLatin1String("extract"))
        return QStringLiteral(
            "Usage: k7x extract FILE K OUT\n"
            "Writes the bytes of item K (counting from 0) of FILE to OUT.\n"
            "FILE \"-\" reads standard input, OUT \"-\" writes standard output.\n");
    return QStringLiteral(
        "Usage: k7x COMMAND ARGUMENTS...\n"
        "Builds and inspects extended firmware files (.k7x), and turns graphic items into\n"
        "pictures and back, without the editor's windows.\n"
        "\n"
        "Commands:\n"
        "  build PROJECT.k7r ORIGINAL OUTPUT   compile a project into OUTPUT\n"
        "  verify FILE                         check every field and the checksum\n"
        "  list FILE [PROJECT.k7r]             show the jump table\n"
        "  extract FILE K OUT                  write item K's bytes to OUT\n"
        "  render ITEM OUT.png [--scale N]     draw a graphic item as a picture\n"
        "  import PICTURE ITEM [--limits TEXT] turn a picture into a graphic item\n"
        "  sheet PROJECT.k7r OUT.png           every graphic of a project on one picture\n"
        "\n"
        "Inputs and outputs may be pipes, FIFOs or devices; \"-\" names standard input or\n"
        "output. k7x COMMAND --help describes a command. Exit status: 0 done, 1 refused input,\n"
        "2 usage error.\n");
}

int build(const QStringList &args, Streams io)
{
    if (const auto status = checkArguments(QStringLiteral("build"), args, 3, 3, io))
        return *status;
    const ProjectInput project = ProjectInput::read(args[0]);
    if (!project.error.isEmpty()) {
        io.err << project.error << '\n';
        return Refused;
    }
    const compile::Outcome outcome =
        compile::run({project.items, project.folder, inputPath(args[1]), outputPath(args[2]), {}});
    if (!outcome.ok()) {
        io.err << outcome.message() << '\n';
        return Refused;
    }
    return Done;
}

int verify(const QStringList &args, Streams io)
{
    if (const auto status = checkArguments(QStringLiteral("verify"), args, 1, 1, io))
        return *status;
    Opened opened;
    if (!open(opened, args[0], io))
        return Refused;
    const k7x::Contents &c = opened.contents;
    for (const k7x::Fault &fault : c.faults)
        io.out << shown(args[0]) << ": " << hex(fault.offset, 5) << ": " << fault.text << '\n';
    if (!c.ok())
        return Refused;
    io.out << shown(args[0]) << ": OK, label \"" << c.label << "\", " << c.itemCount << " items, "
           << c.dataSize << " data bytes, " << c.fileSize << " bytes, checksum "
           << hex(c.storedChecksum, 4) << '\n';
    return Done;
}

int list(const QStringList &args, Streams io)
{
    if (const auto status = checkArguments(QStringLiteral("list"), args, 1, 2, io))
        return *status;
    Opened opened;
    if (!open(opened, args[0], io))
        return Refused;
    std::optional<ProjectInput> project;
    if (args.size() == 2) {
        project = ProjectInput::read(args[1]);
        if (!project->error.isEmpty()) {
            io.err << project->error << '\n';
            return Refused;
        }
    }
    const k7x::Contents &c = opened.contents;
    io.out << qSetFieldWidth(6) << "#" << qSetFieldWidth(11) << "Offset" << qSetFieldWidth(7)
           << "Length" << qSetFieldWidth(0);
    if (project)
        io.out << "  T  Full Name\tFilename";
    io.out << '\n';
    for (std::size_t k = 0; k < c.entries.size(); ++k) {
        const k7x::Entry &entry = c.entries[k];
        io.out << qSetFieldWidth(6) << k << qSetFieldWidth(11) << entry.offset << qSetFieldWidth(7)
               << entry.length << qSetFieldWidth(0);
        const qsizetype item = static_cast<qsizetype>(k);
        if (project && item < project->items.count())
            io.out << "  " << project->items.type(item) << "  " << project->items.fullName(item)
                   << '\t' << project->items.fileName(item);
        io.out << '\n';
    }
    qint64 total = 0;
    for (const k7x::Entry &entry : c.entries)
        total += entry.length;
    io.out << "Label \"" << c.label << "\", " << c.itemCount << " items, " << total
           << " item bytes, data area " << c.dataSize << " bytes, file " << c.fileSize
           << " bytes\n";
    if (project && project->items.count() != c.itemCount)
        io.err << shown(args[1]) << ": the project lists " << project->items.count()
               << " items, the file holds " << c.itemCount << '\n';
    if (!c.ok()) {
        io.err << shown(args[0]) << ": " << c.faults.size() << " faults; k7x verify lists them\n";
        return Refused;
    }
    return Done;
}

int extract(const QStringList &args, Streams io)
{
    if (const auto status = checkArguments(QStringLiteral("extract"), args, 3, 3, io))
        return *status;
    bool number = false;
    const qint64 item = args[1].toLongLong(&number);
    if (!number || item < 0) {
        io.err << "k7x extract: K must be an item number from 0, not \"" << args[1] << "\"\n"
               << usage(QStringLiteral("extract"));
        return Usage;
    }
    if (!isStandardStream(args[0]) && !isStandardStream(args[2]) &&
        compile::sameFile(args[0], args[2])) {
        io.err << shown(args[2]) << ": would overwrite the file it is taken from\n";
        return Refused;
    }
    Opened opened;
    if (!open(opened, args[0], io))
        return Refused;
    const std::optional<QByteArray> bytes =
        k7x::readItem(opened.input.device(), opened.contents, item);
    if (!bytes) {
        io.err << shown(args[0]) << ": item " << item << " is not in the file ("
               << opened.contents.entries.size() << " items readable)\n";
        return Refused;
    }
    const PlatformError error = savefile::save(outputPath(args[2]), *bytes);
    if (error.isError()) {
        io.err << shown(args[2]) << ':' << error.text() << '\n';
        return Refused;
    }
    return Done;
}

} // namespace k7xtool
