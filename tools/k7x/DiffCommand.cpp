#include "DiffCommand.h"

#include "Arguments.h"
#include "DiffPicture.h"
#include "FirmwareDiff.h"
#include "ProjectInput.h"
#include "Streams.h"
#include "graphics/Graphic.h"
#include "graphics/GraphicImage.h"
#include "project/ItemType.h"

#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <optional>

namespace k7xtool {
namespace {

enum DiffStatus { Same = 0, Different = 1, Trouble = 2 };

constexpr int PictureScale = 4;

using firmwarediff::ItemChange;

// The graphic item k of a file, or why there is none.
struct ItemDots
{
    std::optional<graphics::Graphic> graphic;
    bool unreadable = false;
};

ItemDots dotsOf(Opened &file, qint64 k)
{
    const std::optional<QByteArray> bytes = k7x::readItem(file.input.device(), file.contents, k);
    if (!bytes)
        return {std::nullopt, true};
    return {graphics::decode(*bytes), false};
}

QString dimensions(const graphics::Graphic &graphic)
{
    return QStringLiteral("%1 x %2").arg(graphic.width()).arg(graphic.height());
}

class Report
{
public:
    Report(Opened &a, Opened &b, const std::optional<ProjectInput> &project,
           const std::optional<QString> &pictures, Streams io)
        : m_a(a), m_b(b), m_project(project), m_pictures(pictures), m_io(io)
    {
    }

    // False when a picture could not be written or an item read.
    bool item(const ItemChange &change);

private:
    bool isGraphic(qint64 k) const
    {
        return m_project && k < m_project->items.count() &&
               m_project->items.type(k) == ItemType::Graphic;
    }
    bool dots(qint64 k);

    Opened &m_a;
    Opened &m_b;
    const std::optional<ProjectInput> &m_project;
    const std::optional<QString> &m_pictures;
    Streams m_io;
};

bool Report::item(const ItemChange &change)
{
    QTextStream &out = m_io.out;
    out << "item " << change.item;
    if (m_project && change.item < m_project->items.count())
        out << " (" << m_project->items.typeLetter(change.item) << ' '
            << m_project->items.fullName(change.item) << ')';
    switch (change.kind) {
    case ItemChange::Kind::Added:
        out << ": added, " << change.sizeB << " bytes\n";
        return true;
    case ItemChange::Kind::Removed:
        out << ": removed, " << change.sizeA << " bytes\n";
        return true;
    case ItemChange::Kind::Changed:
        out << ": changed, " << change.sizeA << " -> " << change.sizeB << " bytes";
        break;
    }
    const bool ok = !isGraphic(change.item) || dots(change.item);
    out << '\n';
    return ok;
}

bool Report::dots(qint64 k)
{
    QTextStream &out = m_io.out;
    const ItemDots a = dotsOf(m_a, k);
    const ItemDots b = dotsOf(m_b, k);
    if (a.unreadable || b.unreadable) {
        m_io.err << "k7x diff: item " << k << " cannot be read\n";
        return false;
    }
    if (!a.graphic || !b.graphic) {
        out << ", not a graphic in "
            << (!a.graphic && !b.graphic ? "either"
                : !a.graphic             ? "A"
                                         : "B");
        return true;
    }
    const int canvas = std::max(a.graphic->width(), b.graphic->width()) *
                       std::max(a.graphic->height(), b.graphic->height());
    out << ", " << diffpicture::changedDots(*a.graphic, *b.graphic) << " of " << canvas
        << " dots changed";
    if (a.graphic->width() != b.graphic->width() || a.graphic->bands() != b.graphic->bands())
        out << " (" << dimensions(*a.graphic) << " -> " << dimensions(*b.graphic) << " dots)";
    if (!m_pictures)
        return true;
    const QString path = QDir(*m_pictures).filePath(QStringLiteral("item%1.png").arg(k));
    const PlatformError error =
        graphics::writePng(diffpicture::draw(*a.graphic, *b.graphic, PictureScale), path);
    if (error.isError()) {
        m_io.err << shown(path) << ':' << error.text() << '\n';
        return false;
    }
    return true;
}

// False, with the reason, when the file cannot be compared.
bool openVerified(Opened &opened, const QString &path, Streams io)
{
    if (!open(opened, path, io))
        return false;
    if (opened.contents.ok())
        return true;
    io.err << shown(path) << ": " << opened.contents.faults.size()
           << " faults; k7x verify lists them\n";
    return false;
}

} // namespace

int diff(const QStringList &args, Streams io)
{
    const QString command = QStringLiteral("diff");
    const QString projectOption = QStringLiteral("--project");
    const QString picturesOption = QStringLiteral("--pictures");
    Arguments parsed;
    if (const auto status =
            parseArguments(command, args, {projectOption, picturesOption}, 2, 2, io, parsed))
        return *status;
    const QString &pathA = parsed.words[0];
    const QString &pathB = parsed.words[1];
    const std::optional<QString> projectFile = parsed.option(projectOption);
    const std::optional<QString> pictures = parsed.option(picturesOption);
    if (isStandardStream(pathA) && isStandardStream(pathB)) {
        io.err << "k7x diff: only one of A and B can be standard input\n" << usage(command);
        return Trouble;
    }
    if (pictures && !projectFile) {
        io.err << "k7x diff: --pictures needs --project, which tells the graphics\n"
               << usage(command);
        return Trouble;
    }
    Opened a;
    Opened b;
    if (!openVerified(a, pathA, io) || !openVerified(b, pathB, io))
        return Trouble;
    std::optional<ProjectInput> project;
    if (projectFile) {
        project = ProjectInput::read(*projectFile);
        if (!project->error.isEmpty()) {
            io.err << project->error << '\n';
            return Trouble;
        }
    }
    const firmwarediff::Result result =
        firmwarediff::compare(a.input.device(), a.contents, b.input.device(), b.contents);
    if (result.unreadable) {
        io.err << "k7x diff: " << shown(pathA) << " or " << shown(pathB)
               << " cannot be read to its end\n";
        return Trouble;
    }
    if (result.same())
        return Same;
    if (pictures && !QDir().mkpath(*pictures)) {
        io.err << shown(*pictures) << ": the folder cannot be made\n";
        return Trouble;
    }

    QTextStream &out = io.out;
    if (result.imageBytes > 0)
        out << "image: " << result.imageBytes << " of " << k7x::ImageSize
            << " bytes differ, the first at " << hex(result.firstImage, 5) << '\n';
    if (result.labelChanged)
        out << "label: \"" << a.contents.label << "\" -> \"" << b.contents.label << "\"\n";
    Report report(a, b, project, pictures, io);
    bool trouble = false;
    for (const ItemChange &change : result.items)
        trouble = !report.item(change) || trouble;
    if (result.checksumChanged)
        out << "checksum: " << hex(a.contents.storedChecksum, 4) << " -> "
            << hex(b.contents.storedChecksum, 4) << '\n';
    return trouble ? Trouble : Different;
}

} // namespace k7xtool
