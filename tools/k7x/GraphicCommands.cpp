#include "GraphicCommands.h"

#include "Arguments.h"
#include "platform/BoundedRead.h"

#include "ProjectInput.h"
#include "Streams.h"
#include "builder/FilePair.h"
#include "editors/GraphicCodec.h"
#include "editors/ItemLimits.h"
#include "graphics/ContactSheet.h"
#include "graphics/GraphicImage.h"
#include "graphics/ItemGraphic.h"
#include "project/ItemFile.h"

#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace k7xtool {
namespace {

constexpr int MaxScale = 32;

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

int render(const QStringList &args, Streams io)
{
    Arguments a;
    if (const auto status = parseArguments(QStringLiteral("render"), args,
                                           {QStringLiteral("--scale")}, 2, 2, io, a))
        return *status;
    const std::optional<QString> scaleText = a.option(QStringLiteral("--scale"));
    int scale = 1;
    if (scaleText) {
        bool ok = false;
        scale = scaleText->toInt(&ok);
        if (!ok || scale < 1 || scale > MaxScale) {
            io.err << "k7x render: N must be a whole number from 1 to " << MaxScale << ", not \""
                   << *scaleText << "\"\n"
                   << usage(QStringLiteral("render"));
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
    if (const auto status = parseArguments(QStringLiteral("import"), args,
                                           {QStringLiteral("--limits")}, 2, 2, io, a))
        return *status;
    const std::optional<QString> limitsText = a.option(QStringLiteral("--limits"));
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
    if (limitsText) {
        const GraphicLimits limits = itemlimits::parseGraphic(*limitsText);
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
    if (const auto status = parseArguments(QStringLiteral("sheet"), args, {}, 2, 2, io, a))
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

} // namespace k7xtool
