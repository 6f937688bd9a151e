#include "UnpackCommand.h"

#include "Arguments.h"
#include "FirmwareDiff.h"
#include "ProjectInput.h"
#include "Streams.h"
#include "UnpackPlan.h"
#include "builder/K7xLayout.h"
#include "platform/SaveBatch.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace k7xtool {
namespace {

// Why writing `relative` under the folder would reach outside it or replace
// something of the wrong kind; empty when it may be written. `canonicalDir`
// is the folder with links resolved, or empty when it does not exist yet.
QString blocked(const QString &dir, const QString &canonicalDir, const QString &relative,
                bool folder)
{
    if (canonicalDir.isEmpty())
        return {};
    const QFileInfo info(dir + QLatin1Char('/') + relative);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (target.isEmpty() || !target.startsWith(canonicalDir + QLatin1Char('/')))
            return QStringLiteral("is a symbolic link that leads out of the folder");
    }
    if (folder && !info.isDir())
        return QStringLiteral("is in the way of a folder");
    if (!folder && info.isDir())
        return QStringLiteral("is a folder");
    return {};
}

class Unpacker
{
public:
    Unpacker(Opened &firmware, const QString &dir, Streams io)
        : m_firmware(firmware), m_dir(dir), m_io(io)
    {
    }

    // False, with the reason on standard error, when nothing may be written.
    bool check(const unpackplan::Plan &plan, const QString &projectName);
    // False, with the reason, when a write failed.
    bool write(const unpackplan::Plan &plan, const QString &projectName,
               const QByteArray &projectBytes);

private:
    QString target(const QString &relative) const { return m_dir + QLatin1Char('/') + relative; }
    bool save(const QString &relative, QByteArrayView bytes);

    Opened &m_firmware;
    QString m_dir;
    Streams m_io;
    SaveBatch m_batch; // one sync for the whole tree
};

bool Unpacker::check(const unpackplan::Plan &plan, const QString &projectName)
{
    const QFileInfo dir(m_dir);
    if (dir.exists() && !dir.isDir()) {
        m_io.err << shown(m_dir) << ": not a folder\n";
        return false;
    }
    const QString canonical = dir.exists() ? dir.canonicalFilePath() : QString();
    const auto refuse = [&](const QString &relative, const QString &why) {
        m_io.err << shown(target(relative)) << ": " << why << "; nothing unpacked\n";
        return false;
    };
    for (const QString &folder : plan.folders) {
        if (const QString why = blocked(m_dir, canonical, folder, true); !why.isEmpty())
            return refuse(folder, why);
    }
    QStringList files{QLatin1String(unpackplan::OriginalName), projectName};
    for (const unpackplan::File &file : plan.files)
        files << file.path;
    for (const QString &file : files) {
        if (const QString why = blocked(m_dir, canonical, file, false); !why.isEmpty())
            return refuse(file, why);
    }
    QIODevice &device = m_firmware.input.device();
    for (const auto &[item, earlier] : plan.twins) {
        if (k7x::readItem(device, m_firmware.contents, item) !=
            k7x::readItem(device, m_firmware.contents, earlier)) {
            m_io.err << "k7x unpack: items " << earlier << " and " << item
                     << " name the same file with different bytes; nothing unpacked\n";
            return false;
        }
    }
    return true;
}

bool Unpacker::save(const QString &relative, QByteArrayView bytes)
{
    const PlatformError error = m_batch.add(target(relative), bytes);
    if (!error.isError())
        return true;
    m_io.err << shown(target(relative)) << ':' << error.text() << '\n';
    return false;
}

bool Unpacker::write(const unpackplan::Plan &plan, const QString &projectName,
                     const QByteArray &projectBytes)
{
    QDir dir;
    if (!dir.mkpath(m_dir)) {
        m_io.err << shown(m_dir) << ": the folder cannot be made\n";
        return false;
    }
    for (const QString &folder : plan.folders) {
        if (!dir.mkpath(target(folder))) {
            m_io.err << shown(target(folder)) << ": the folder cannot be made\n";
            return false;
        }
    }
    QIODevice &device = m_firmware.input.device();
    firmwarediff::ItemStream items(device, m_firmware.contents);
    for (const unpackplan::File &file : plan.files) {
        const std::optional<QByteArrayView> bytes = items.item(file.item);
        if (!bytes) {
            m_io.err << "k7x unpack: item " << file.item << " cannot be read\n";
            return false;
        }
        if (!save(file.path, *bytes))
            return false;
    }
    if (!device.seek(0)) {
        m_io.err << "k7x unpack: the firmware image cannot be read\n";
        return false;
    }
    const QByteArray image = device.read(k7x::ImageSize);
    if (image.size() != k7x::ImageSize) {
        m_io.err << "k7x unpack: the firmware image cannot be read\n";
        return false;
    }
    if (!save(QLatin1String(unpackplan::OriginalName), image) || !save(projectName, projectBytes))
        return false;
    if (const PlatformError error = m_batch.commit(); error.isError()) {
        m_io.err << shown(m_dir) << ':' << error.text() << '\n';
        return false;
    }
    return true;
}

} // namespace

int unpack(const QStringList &args, Streams io)
{
    const QString command = QStringLiteral("unpack");
    Arguments parsed;
    if (const auto status = parseArguments(command, args, {}, 3, 3, io, parsed))
        return *status;
    const QString &firmwarePath = parsed.words[0];
    const QString &projectFile = parsed.words[1];
    const QString dir = QDir::cleanPath(parsed.words[2]);
    const bool named = !isStandardStream(projectFile);
    if (isStandardStream(parsed.words[2])) {
        io.err << "k7x unpack: DIR must be a folder, not standard output\n" << usage(command);
        return Usage;
    }

    Opened firmware;
    if (!open(firmware, firmwarePath, io))
        return Refused;
    const k7x::Contents &contents = firmware.contents;
    if (!contents.ok()) {
        io.err << shown(firmwarePath) << ": " << contents.faults.size()
               << " faults; k7x verify lists them\n";
        return Refused;
    }
    const qint64 count = contents.itemCount;
    std::optional<ProjectInput> project;
    QString projectName = QLatin1String(unpackplan::ListingName);
    if (named) {
        project = ProjectInput::read(projectFile, true);
        if (!project->error.isEmpty()) {
            io.err << project->error << '\n';
            return Refused;
        }
        if (project->items.count() != count) {
            io.err << shown(projectFile) << ": the project lists " << project->items.count()
                   << " items, " << shown(firmwarePath) << " holds " << count
                   << "; nothing unpacked\n";
            return Refused;
        }
        projectName = QFileInfo(projectFile).fileName();
    }
    const unpackplan::Plan plan =
        unpackplan::make(project ? &project->items : nullptr, count, projectName);
    if (!plan.error.isEmpty()) {
        io.err << "k7x unpack: " << plan.error << "; nothing unpacked\n";
        return Refused;
    }
    Unpacker unpacker(firmware, dir, io);
    if (!unpacker.check(plan, projectName))
        return Refused;
    if (contents.label != k7x::defaultLabel())
        io.err << shown(firmwarePath) << ": note: the label \"" << contents.label
               << "\" is not kept; k7x build writes \"" << k7x::defaultLabel() << "\"\n";
    if (!unpacker.write(plan, projectName, project ? project->bytes : unpackplan::listing(count)))
        return Refused;
    return Done;
}

} // namespace k7xtool
