#include "Commands.h"

#include "Arguments.h"
#include "ProjectInput.h"
#include "Streams.h"
#include "builder/Compile.h"
#include "builder/FilePair.h"
#include "platform/PlatformError.h"
#include "platform/SaveFile.h"

#include <QDir>
#include <QTextStream>

#include <optional>

namespace k7xtool {
namespace {

// Usage errors print the command's usage; --help prints it to standard output.
std::optional<int> checkArguments(const QString &command, const QStringList &args, qsizetype least,
                                  qsizetype most, Streams io)
{
    Arguments parsed;
    return parseArguments(command, args, {}, least, most, io, parsed);
}

} // namespace

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
            io.out << "  " << project->items.typeLetter(item) << "  "
                   << project->items.fullName(item) << '\t' << project->items.fileName(item);
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
