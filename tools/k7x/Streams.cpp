#include "Streams.h"

#include "builder/K7xReader.h"

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
    // Standard input is read from where it stands, even when it is a file;
    // a shell's pipe may pause, so it is waited for.
    boundedread::Source source(boundedread::WaitForever);
    source.adopt(m_file.handle());
    k7x::SequentialRead read = k7x::readSequential(source);
    if (read.error.isError())
        return read.error;
    m_cut = read.cut;
    m_buffer.setData(std::move(read.bytes));
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
