#include "GraphicCommands.h"

#include "platform/BoundedRead.h"

#include "ProjectInput.h"
#include "builder/FilePair.h"
#include "editors/GraphicCodec.h"
#include "editors/ItemLimits.h"
#include "graphics/ContactSheet.h"
#include "graphics/GraphicImage.h"
#include "graphics/ItemGraphic.h"
#include "project/ItemFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <optional>

namespace k7xtool {
namespace {

constexpr int MaxScale = 32;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The words and the one option a command was given.
struct Arguments
{
    QStringList words;
    std::optional<QString> option;
};

// Splits off `option` (with its value) from the command's words and checks
// their count; prints the usage (to standard output for --help) and gives the
// status to end with when the command should not go on.
std::optional<int> parse(const QString &command, const QStringList &args, const QString &option,
                         qsizetype words, Streams io, Arguments &parsed)
{
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        io.out << graphicUsage(command);
        return Done;
    }
    for (qsizetype k = 0; k < args.size(); ++k) {
        if (!option.isEmpty() && args[k] == option && k + 1 < args.size() && !parsed.option) {
            parsed.option = args[++k];
            continue;
        }
        if (args[k].startsWith(QLatin1String("--"))) {
            io.err << "k7x " << command << ": unknown or repeated option \"" << args[k] << "\"\n"
                   << graphicUsage(command);
            return Usage;
        }
        parsed.words << args[k];
    }
    if (parsed.words.size() != words) {
        io.err << graphicUsage(command);
        return Usage;
    }
    return std::nullopt;
}

bool refuseSameFile(const QString &from, const QString &to, Streams io)
{
    if (!compile::sameFile(from, to))
        return false;
    io.err << shown(to) << ": would overwrite the file it is taken from\n";
    return true;
}

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

QString graphicUsage(const QString &command)
{
    if (command == QLatin1String("render"))
        return QStringLiteral(
            "Usage: k7x render ITEM OUT.png [--scale N]\n"
            "Draws the graphic item file ITEM as a PNG picture, black dots on white, each dot\n"
            "N x N pixels (1 to 32; 1 when not given). A file the graphic editor cannot open\n"
            "is refused; one of the wrong length is drawn as the editor shows it, with a\n"
            "note on standard error.\n");
    if (command == QLatin1String("import"))
        return QStringLiteral(
            "Usage: k7x import PICTURE ITEM [--limits TEXT]\n"
            "Turns a picture (BMP, PNG, GIF, JPEG, ... any that Qt reads) into the graphic item\n"
            "file ITEM by the graphic editor's import rule: one pixel per dot, transparent is\n"
            "white, anything else not pure white is black, cropped to 128 x 128 dots, the\n"
            "height rounded up to whole bands of 8 dots. With --limits (the item's limits\n"
            "text from the project, for example 1,104,1,7) a size outside them is refused.\n"
            "ITEM is replaced in one step: a refused or failed import leaves it as it was.\n");
    if (command == QLatin1String("sheet"))
        return QStringLiteral(
            "Usage: k7x sheet PROJECT.k7r OUT.png\n"
            "Draws every graphic item of the project on one PNG contact sheet, in the\n"
            "project's order, each with its item number, full name and size. Items whose\n"
            "files are missing or hold no graphic are drawn as such, listed on standard\n"
            "error, and make the exit status 1 (the sheet is written all the same).\n");
    return {};
}

int render(const QStringList &args, Streams io)
{
    Arguments a;
    if (const auto status =
            parse(QStringLiteral("render"), args, QStringLiteral("--scale"), 2, io, a))
        return *status;
    int scale = 1;
    if (a.option) {
        bool ok = false;
        scale = a.option->toInt(&ok);
        if (!ok || scale < 1 || scale > MaxScale) {
            io.err << "k7x render: N must be a whole number from 1 to " << MaxScale << ", not \""
                   << *a.option << "\"\n"
                   << graphicUsage(QStringLiteral("render"));
            return Usage;
        }
    }
    const QString &item = a.words[0];
    const QString &out = a.words[1];
    if (refuseSameFile(item, out, io))
        return Refused;
    // A pipe or a device is read as the compile reads an item.
    const boundedread::Result read =
        boundedread::read(item, boundedread::ItemLimit, boundedread::Accept::AnyKind);
    if (!read.ok()) {
        io.err << shown(item) << ':' << read.error.text() << '\n';
        return Refused;
    }
    const graphics::ItemGraphic graphic = graphics::fromFileBytes(read.bytes);
    if (!graphic.note.isEmpty())
        io.err << shown(item) << ": " << graphic.note << '\n';
    if (!graphic.graphic)
        return Refused;
    if (const PlatformError error =
            graphics::writePng(graphics::toImage(*graphic.graphic, scale), out);
        error.isError()) {
        io.err << shown(out) << ':' << error.text() << '\n';
        return Refused;
    }
    return Done;
}

int importPicture(const QStringList &args, Streams io)
{
    Arguments a;
    if (const auto status =
            parse(QStringLiteral("import"), args, QStringLiteral("--limits"), 2, io, a))
        return *status;
    const QString &picturePath = a.words[0];
    const QString &item = a.words[1];
    if (refuseSameFile(picturePath, item, io))
        return Refused;
    const graphics::Picture picture = graphics::readPicture(picturePath);
    if (picture.error.isError()) {
        io.err << shown(picturePath) << ": Could not Import the file:" << picture.error.text()
               << '\n';
        return Refused;
    }
    const std::optional<graphics::Graphic> graphic = graphics::fromPicture(picture.image);
    if (!graphic) {
        io.err << shown(picturePath) << ": the picture has no pixels\n";
        return Refused;
    }
    if (a.option) {
        const GraphicLimits limits = itemlimits::parseGraphic(*a.option);
        if (!graphiccodec::sizeInRange(graphic->width(), graphic->height(), limits)) {
            io.err << shown(item) << ": " << graphiccodec::invalidSizeText() << ": "
                   << graphics::sizeText(*graphic) << ", the limits allow widths "
                   << number(limits.minWidth) << " to " << number(limits.maxWidth) << " and "
                   << number(limits.minBands) << " to " << number(limits.maxBands) << " bands\n";
            return Refused;
        }
    }
    if (const PlatformError error = itemfile::write(item, graphic->fileBytes()); error.isError()) {
        io.err << shown(item) << ':' << error.text() << '\n';
        return Refused;
    }
    return Done;
}

int sheet(const QStringList &args, Streams io)
{
    Arguments a;
    if (const auto status = parse(QStringLiteral("sheet"), args, {}, 2, io, a))
        return *status;
    const QString &projectFile = a.words[0];
    const QString &out = a.words[1];
    if (refuseSameFile(projectFile, out, io))
        return Refused;
    const ProjectInput project = ProjectInput::read(projectFile);
    if (!project.error.isEmpty()) {
        io.err << project.error << '\n';
        return Refused;
    }
    const std::vector<contactsheet::Entry> entries =
        contactsheet::collect(project.items, project.folder);
    const contactsheet::Sheet drawn =
        contactsheet::draw(QStringLiteral("%1: %2 graphic items")
                               .arg(shown(QFileInfo(projectFile).absoluteFilePath()))
                               .arg(entries.size()),
                           entries);
    if (!drawn.error.isEmpty()) {
        io.err << shown(out) << ": " << drawn.error << '\n';
        return Refused;
    }
    if (const PlatformError error = graphics::writePng(drawn.image, out); error.isError()) {
        io.err << shown(out) << ':' << error.text() << '\n';
        return Refused;
    }
    int missing = 0;
    for (const contactsheet::Entry &entry : entries) {
        if (!entry.graphic.missingOrInvalid())
            continue;
        ++missing;
        io.err << shown(projectFile) << ": item " << entry.item << " ("
               << itemfile::shownName(project.items.fileName(entry.item))
               << "): " << entry.graphic.note << '\n';
    }
    return missing ? Refused : Done;
}

std::unique_ptr<QCoreApplication> application(int &argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "sheet") == 0) {
        // Fonts come with a GUI application; the sheet is only drawn into an
        // image, so no display is needed, whatever platform the user set.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace k7xtool
