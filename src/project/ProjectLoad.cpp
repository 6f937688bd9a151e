#include "project/ProjectLoad.h"

#include "project/ItemTable.h"
#include "project/TextFields.h"

#include "platform/BoundedRead.h"

namespace projectload {

PlatformError ProjectBytes::open(const QString &path)
{
    boundedread::Source source;
    if (const int osError = source.openEncoded(QFile::encodeName(path)))
        return platformerror::forMissingOrUnreadable(path, osError);
    if (const PlatformError error = source.check(); error.isError())
        return error;
    if (source.kind() == boundedread::Kind::Regular) {
        const qint64 size = source.size();
        if (size > boundedread::ProjectLimit)
            return tooBigError();
        if (size == 0)
            return {};
        m_file.setFileName(path);
        if (m_file.open(QIODevice::ReadOnly)) {
            m_mapped = m_file.map(0, size);
            if (m_mapped) {
                m_view = QByteArrayView(reinterpret_cast<const char *>(m_mapped), size);
                return {};
            }
        }
    }
    // Pipes, FIFOs and devices, and files that cannot be mapped: read in order,
    // one byte past the limit to tell a file that is too big.
    m_copy.reserve(boundedread::ProjectLimit + 1);
    if (const PlatformError error = source.readUpTo(m_copy, boundedread::ProjectLimit + 1);
        error.isError())
        return error;
    if (m_copy.size() > boundedread::ProjectLimit) {
        m_copy = QByteArray();
        return tooBigError();
    }
    m_view = m_copy;
    return {};
}

PlatformError noItemsError()
{
    return {30009, QStringLiteral("The project file lists no items")};
}

PlatformError tooBigError()
{
    return {30010, QStringLiteral("The project file is larger than 32 MB")};
}

QString failureText(const projectfile::ParseResult &result)
{
    switch (result.failure) {
    case projectfile::ParseResult::Failure::None:
        return {};
    case projectfile::ParseResult::Failure::InvalidLine:
        return QStringLiteral("Invalid Project File Data at line ") +
               textfields::BlankSignedNumber(static_cast<long long>(result.line));
    case projectfile::ParseResult::Failure::NoItems:
        return noItemsError().text();
    }
    return {};
}

Result load(const QString &path, ItemTable &table)
{
    ProjectBytes file;
    if (const PlatformError error = file.open(path); error.isError())
        return {error.text()};
    return {failureText(projectfile::parse(file.bytes(), table))};
}

} // namespace projectload
