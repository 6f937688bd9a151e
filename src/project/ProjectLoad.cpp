#include "project/ProjectLoad.h"

#include "project/ItemTable.h"
#include "project/TextFields.h"

#include <QFileInfo>

#include <cerrno>

namespace projectload {

PlatformError ProjectBytes::open(const QString &path)
{
    if (QFileInfo(path).isDir())
        return platformerror::make(platformerror::PathFileAccess);
    m_file.setFileName(path);
    errno = 0;
    if (!m_file.open(QIODevice::ReadOnly))
        return platformerror::fromFile(m_file, errno);
    if (!m_file.isSequential()) {
        const qint64 size = m_file.size();
        if (size == 0)
            return {};
        m_mapped = m_file.map(0, size);
        if (m_mapped) {
            m_view = QByteArrayView(reinterpret_cast<const char *>(m_mapped), size);
            return {};
        }
    }
    errno = 0;
    m_copy = m_file.readAll();
    if (m_file.error() != QFileDevice::NoError)
        return platformerror::fromFile(m_file, errno);
    m_view = m_copy;
    return {};
}

PlatformError noItemsError()
{
    return {30009, QStringLiteral("The project file lists no items")};
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
