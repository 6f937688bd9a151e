#include "builder/Compile.h"

#include "builder/FilePair.h"
#include "builder/ItemFiles.h"
#include "builder/K7xLayout.h"
#include "builder/K7xWriter.h"
#include "platform/SaveFile.h"
#include "project/ItemTable.h"
#include "project/PathResolve.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace compile {

QString processingStatus()
{
    return QStringLiteral("Processing Resource Items...");
}
QString constructingStatus()
{
    return QStringLiteral("Constructing Resource file...");
}
QString checksumStatus()
{
    return QStringLiteral("Calculating Checksum...");
}
QString completedStatus()
{
    return QStringLiteral("Completed");
}
QString errorStatus()
{
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

// Item file names use "\" between folders; shown to the user, they take this
// system's separator.
QString shownName(const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('\\'), QDir::separator());
    return QDir::toNativeSeparators(name);
}

QString itemContext(const QString &fileName)
{
    return QStringLiteral("Resource Item file error ('...") + shownName(fileName) +
           QStringLiteral(") OR Temporary File error (data.tmp): ");
}

QString tooBigMessage(const QString &fileName)
{
    return QStringLiteral("Resource Item file '...") + shownName(fileName) +
           QStringLiteral("' is too big (>64K bytes)");
}

class Compiler
{
public:
    explicit Compiler(const Request &request) : m_request(request), m_out(request.outputPath)
    {
        Q_ASSERT(request.folderPath.isEmpty() || request.folderPath.endsWith(QLatin1Char('/')) ||
                 request.folderPath.endsWith(QLatin1Char('\\')));
        m_original = QDir::toNativeSeparators(request.originalPath);
        m_output = QDir::toNativeSeparators(request.outputPath);
    }

    Outcome run();

private:
    // Item k's path as written, with "/" between folders. When no file is
    // there, resolvedPath() matches it without regard to letter case; trying
    // the plain path first spares the look-up for the usual project.
    QString plainPath(qsizetype item) const
    {
        QString path = m_request.folderPath + m_request.items.fileName(item);
        return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    static QString resolvedPath(const QString &plain) { return pathresolve::resolve(plain); }
    void progress(const QString &status) const
    {
        if (m_request.progress)
            m_request.progress(status);
    }

    Outcome failed(const QString &context, const PlatformError &error, qsizetype item = -1) const
    {
        return {errorStatus(), {}, context, error, item};
    }
    Outcome refused(const QString &message, qsizetype item = -1) const
    {
        return {errorStatus(), message, {}, {}, item};
    }
    Outcome outputFailed(const QString &context) const
    {
        return failed(context, m_out.writeFailure(errno));
    }

    std::optional<Outcome> measureItems();
    std::optional<Outcome> copyItems(k7x::Writer &writer);
    std::optional<Outcome> readOriginal(QByteArray &image);

    const Request &m_request;
    QString m_original;
    QString m_output;
    k7x::JumpTable m_table;
    SaveFile m_out;
};

// First pass: every item's size goes into the jump table, so the file can then
// be written front to back while holding only one item at a time.
std::optional<Outcome> Compiler::measureItems()
{
    const qsizetype count = m_request.items.count();
    for (qsizetype k = 0; k < count; ++k) {
        const QString fileName = m_request.items.fileName(k);
        QString path = plainPath(k);
        itemfiles::Size size = itemfiles::sizeOf(path);
        if (size.error.number == platformerror::FileNotFound ||
            size.error.number == platformerror::PathNotFound) {
            const QString resolved = resolvedPath(path);
            if (resolved != path) {
                path = resolved;
                size = itemfiles::sizeOf(path);
            }
        }
        if (size.error.isError())
            return failed(itemContext(fileName), size.error, k);
        // An unreadable file is found when it is read in the second pass.
        switch (m_table.add(size.bytes)) {
        case k7x::JumpTable::Added::Ok:
            break;
        case k7x::JumpTable::Added::ItemTooBig:
            return refused(tooBigMessage(fileName), k);
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
    const QFileInfo info(m_request.originalPath);
    if (info.isDir())
        return failed(context, platformerror::make(platformerror::PathFileAccess));
    if (!info.exists())
        return refused(invalid);
    QFile original(m_request.originalPath);
    errno = 0;
    if (!original.open(QIODevice::ReadOnly))
        return failed(context, platformerror::fromFile(original, errno));
    // Read in order until the image is complete, whatever the file's size
    // says: a pipe, a FIFO or /dev/stdin has none.
    image.resize(k7x::ImageSize);
    qint64 got = 0;
    while (got < k7x::ImageSize) {
        errno = 0;
        const qint64 n = original.read(image.data() + got, k7x::ImageSize - got);
        if (n < 0 || original.error() != QFileDevice::NoError)
            return failed(context, platformerror::fromFile(original, errno));
        if (n == 0)
            return refused(invalid);
        got += n;
    }
    return std::nullopt;
}

// Second pass: the items' bytes, each checked against the size it was measured at.
std::optional<Outcome> Compiler::copyItems(k7x::Writer &writer)
{
    const QString outputContext =
        QStringLiteral("Output File error ('") + m_output +
        QStringLiteral("') OR Temporary File error ('jump.tmp' or 'data.tmp'): ");
    QByteArray buffer(k7x::MaxItemSize + 1, Qt::Uninitialized);
    const qsizetype count = m_request.items.count();
    for (qsizetype k = 0; k < count; ++k) {
        const qint64 expected = m_table.at(k).length;
        const QString plain = plainPath(k);
        PlatformError error;
        qint64 got = itemfiles::read(plain, buffer.data(), expected, error);
        if (got < 0 && (error.number == platformerror::FileNotFound ||
                        error.number == platformerror::PathNotFound)) {
            const QString resolved = resolvedPath(plain);
            if (resolved != plain)
                got = itemfiles::read(resolved, buffer.data(), expected, error);
        }
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

    progress(processingStatus());
    if (std::optional<Outcome> failure = measureItems())
        return *failure;

    progress(constructingStatus());
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

    progress(checksumStatus());
    errno = 0;
    if (!writer.writeChecksum())
        return outputFailed(outputContext);
    if (const PlatformError error = m_out.commit(k7x::ImageSize + m_table.resourceLength());
        error.isError())
        return failed(outputContext, error);
    return {completedStatus(), {}, {}, {}, -1};
}

} // namespace

Outcome run(const Request &request)
{
    return Compiler(request).run();
}

} // namespace compile
