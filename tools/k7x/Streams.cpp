#include "Streams.h"

#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace k7xtool {

PlatformError Input::open(const QString &path)
{
    errno = 0;
    if (isStandardStream(path)) {
        if (!m_file.open(STDIN_FILENO, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return platformerror::fromErrno(errno);
    } else {
        if (QFileInfo(path).isDir())
            return platformerror::make(platformerror::PathFileAccess);
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly))
            return platformerror::fromFile(m_file, errno);
        if (!m_file.isSequential())
            return {};
    }
    // Standard input is read from where it stands, even when it is a file.
    errno = 0;
    m_buffer.setData(m_file.readAll());
    if (m_file.error() != QFileDevice::NoError)
        return platformerror::fromFile(m_file, errno);
    m_file.close();
    m_buffer.open(QIODevice::ReadOnly);
    return {};
}

QIODevice &Input::device()
{
    if (m_buffer.isOpen())
        return m_buffer;
    return m_file;
}

bool isStandardStream(const QString &argument)
{
    return argument == QLatin1String("-");
}

QString inputPath(const QString &argument)
{
    return isStandardStream(argument) ? QStringLiteral("/dev/stdin") : argument;
}

QString outputPath(const QString &argument)
{
    return isStandardStream(argument) ? QStringLiteral("/dev/stdout") : argument;
}

} // namespace k7xtool
