#include "builder/Compile.h"

#include "builder/FilePair.h"
#include "builder/ItemFiles.h"
#include "builder/K7xLayout.h"
#include "builder/K7xWriter.h"
#include "platform/SaveFile.h"
#include "project/ItemFile.h"
#include "project/ItemTable.h"
#include "project/PathResolve.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace compile {

QString statusText(Stage stage)
{
    switch (stage) {
    case Stage::Processing:
        return QStringLiteral("Processing Resource Items...");
    case Stage::Constructing:
        return QStringLiteral("Constructing Resource file...");
    case Stage::Checksum:
        return QStringLiteral("Calculating Checksum...");
    case Stage::Completed:
        return QStringLiteral("Completed");
    case Stage::Error:
        break;
    }
    return QStringLiteral("Error");
}
QString differentFilesMessage()
{
    return QStringLiteral("Original and Output files must be different");
}

QString Outcome::message() const
{
    if (ok())
        return {};
    return checkMessage.isEmpty() ? context + error.text() : checkMessage;
}

namespace {

QString itemContext(const QString &fileName)
{
    return QStringLiteral("Resource Item file error ('...") + itemfile::shownName(fileName) +
           QStringLiteral(") OR Temporary File error (data.tmp): ");
}

class Compiler
{
public:
    explicit Compiler(const Request &request)
        : m_resolver(request.lister ? request.lister : pathresolve::listFolder),
          m_request(withResolvedOutput(request)), m_out(m_request.outputPath)
    {
        Q_ASSERT(request.folderPath.isEmpty() || request.folderPath.endsWith(QLatin1Char('/')) ||
                 request.folderPath.endsWith(QLatin1Char('\\')));
        m_original = QDir::toNativeSeparators(request.originalPath);
        m_output = QDir::toNativeSeparators(request.outputPath);
    }

    Outcome run();

private:
    // The output goes where its path leads on disk, in the letter case found
    // there; messages keep the path as the user gave it.
    Request withResolvedOutput(const Request &request)
    {
        Request resolved = request;
        resolved.outputPath = m_resolver.resolve(request.outputPath);
        return resolved;
    }
    // Item k's path as written, with "/" between folders.
    QString plainPath(qsizetype item) const
    {
        return pathresolve::withSlashes(m_request.folderPath + m_request.items.fileName(item));
    }
    void progress(Stage stage) const
    {
        if (m_request.progress)
            m_request.progress(stage);
    }

    Outcome failed(const QString &context, const PlatformError &error, qsizetype item = -1) const
    {
        return {Stage::Error, {}, context, error, item};
    }
    Outcome refused(const QString &message, qsizetype item = -1) const
    {
        return {Stage::Error, message, {}, {}, item};
    }
    Outcome outputFailed(const QString &context) const
    {
        return failed(context, m_out.writeFailure(errno));
    }

    std::optional<Outcome> measureItems();
    std::optional<Outcome> copyItems(k7x::Writer &writer);
    std::optional<Outcome> readOriginal(QByteArray &image);

    // One look-up operation for every path of the compile, so each folder is
    // listed at most once.
    pathresolve::Resolver m_resolver;
    Request m_request;
    // Where measureItems() found the items that are not where written.
    QHash<qsizetype, QString> m_found;
    // The bytes of the FIFOs and devices after m_taken, which cannot be read twice.
    QHash<qsizetype, QByteArray> m_once;
    // The bytes of the items before m_taken, read while they were measured.
    QByteArray m_data;
    qsizetype m_taken = 0;
    QString m_original;
    QString m_output;
    k7x::JumpTable m_table;
    SaveFile m_out;
};

// First pass: every item's size goes into the jump table, so the file can then
// be written front to back. The first items, up to the read-ahead, are read
// here as well; the others are only measured, and read one at a time when
// their bytes are written.
std::optional<Outcome> Compiler::measureItems()
{
    m_data.reserve(m_request.readAhead);
    const qsizetype count = m_request.items.count();
    for (qsizetype k = 0; k < count; ++k) {
        const QString fileName = m_request.items.fileName(k);
        const QString path = plainPath(k);
        itemfiles::Size size;
        if (m_taken == k && m_data.size() < m_request.readAhead) {
            const qint64 room = std::min(k7x::MaxItemSize, m_request.readAhead - m_data.size());
            const itemfiles::Taken taken = itemfiles::take(m_resolver, path, m_data, room);
            if (taken.read)
                m_taken = k + 1;
            size = {taken.bytes, taken.error, taken.path, std::move(taken.once)};
        } else {
            size = itemfiles::sizeOf(m_resolver, path);
        }
        if (size.error.isError())
            return failed(itemContext(fileName), size.error, k);
        if (size.once)
            m_once.insert(k, std::move(*size.once));
        else if (size.path != path)
            m_found.insert(k, size.path);
        // An unreadable file is found when it is read in the second pass.
        switch (m_table.add(size.bytes)) {
        case k7x::JumpTable::Added::Ok:
            break;
        case k7x::JumpTable::Added::ItemTooBig:
            return refused(itemfile::tooBigMessage(fileName), k);
        case k7x::JumpTable::Added::TooManyItems:
            return refused(QStringLiteral("Too many Resource Items (>65535)"), k);
        case k7x::JumpTable::Added::AreaTooBig:
            return refused(QStringLiteral("Resource Items are too big in total (>4G bytes)"), k);
        }
    }
    return std::nullopt;
}

std::optional<Outcome> Compiler::readOriginal(QByteArray &image)
{
    const QString context =
        QStringLiteral("Original File error ('") + m_original + QStringLiteral("'):");
    const QString invalid =
        QStringLiteral("Invalid Original File ('") + m_original + QStringLiteral("')");
    itemfiles::Start start =
        itemfiles::readStart(m_resolver, m_request.originalPath, k7x::ImageSize);
    if (start.missing)
        return refused(invalid);
    if (start.error.isError())
        return failed(context, start.error);
    if (start.bytes.size() < k7x::ImageSize)
        return refused(invalid);
    image = std::move(start.bytes);
    return std::nullopt;
}

// Second pass: the items' bytes, those read ahead first, then the others, each
// checked against the size it was measured at.
std::optional<Outcome> Compiler::copyItems(k7x::Writer &writer)
{
    const QString outputContext =
        QStringLiteral("Output File error ('") + m_output +
        QStringLiteral("') OR Temporary File error ('jump.tmp' or 'data.tmp'): ");
    errno = 0;
    if (!writer.writeData(m_data))
        return outputFailed(outputContext);
    m_data = QByteArray();
    QByteArray buffer(k7x::MaxItemSize, Qt::Uninitialized);
    const qsizetype count = m_request.items.count();
    for (qsizetype k = m_taken; k < count; ++k) {
        const qint64 expected = m_table.at(k).length;
        if (const auto once = m_once.constFind(k); once != m_once.cend()) {
            errno = 0;
            if (!writer.writeData(*once))
                return outputFailed(outputContext);
            continue;
        }
        const auto found = m_found.constFind(k);
        const QString path = found == m_found.cend() ? plainPath(k) : *found;
        PlatformError error;
        const qint64 got = itemfiles::read(path, buffer.data(), expected, error);
        if (got != expected) {
            // The file changed under the compile; its measured size is already
            // in the jump table, so the compile cannot go on.
            if (got >= 0)
                error = platformerror::make(got < expected ? platformerror::InputPastEnd
                                                           : platformerror::DeviceIO);
            return failed(itemContext(m_request.items.fileName(k)), error, k);
        }
        errno = 0;
        if (!writer.writeData(QByteArrayView(buffer.constData(), expected)))
            return outputFailed(outputContext);
    }
    return std::nullopt;
}

Outcome Compiler::run()
{
    if (sameFile(m_request.originalPath, m_request.outputPath))
        return refused(differentFilesMessage());

    progress(Stage::Processing);
    if (std::optional<Outcome> failure = measureItems())
        return *failure;

    progress(Stage::Constructing);
    const QString outputContext =
        QStringLiteral("Output File error ('") + m_output + QStringLiteral("'): ");
    if (const PlatformError error = m_out.begin(); error.isError())
        return failed(outputContext, error);

    QByteArray image;
    if (std::optional<Outcome> failure = readOriginal(image))
        return *failure;

    k7x::Writer writer(m_out);
    errno = 0;
    if (!writer.writeImage(image))
        return outputFailed(QStringLiteral("Original File error ('") + m_original +
                            QStringLiteral("') OR Output File error ('") + m_output +
                            QStringLiteral("'):"));
    errno = 0;
    if (!writer.writeHeader(m_table))
        return outputFailed(
            QStringLiteral("Output File error ('") + m_output +
            QStringLiteral("') OR Temporary File error ('jump.tmp' or 'data.tmp'): "));
    if (std::optional<Outcome> failure = copyItems(writer))
        return *failure;

    progress(Stage::Checksum);
    errno = 0;
    if (!writer.writeChecksum())
        return outputFailed(outputContext);
    if (const PlatformError error = m_out.commit(k7x::ImageSize + m_table.resourceLength());
        error.isError())
        return failed(outputContext, error);
    return {Stage::Completed, {}, {}, {}, -1};
}

} // namespace

Outcome run(const Request &request)
{
    return Compiler(request).run();
}

} // namespace compile
