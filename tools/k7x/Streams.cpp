#include "Streams.h"

#include "builder/K7xReader.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <unistd.h>

namespace k7xtool {

PlatformError Input::open(const QString &path, QIODevice *standardInput)
{
    errno = 0;
    if (isStandardStream(path)) {
        if (standardInput)
            return readWhole(*standardInput);
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
    m_buffer.setData(read.bytes);
    m_file.close();
    m_buffer.open(QIODevice::ReadOnly);
    return {};
}

// To the end, or to the first failed read: bytes that were read before a
// failure are never taken for the whole input.
PlatformError Input::readWhole(QIODevice &from)
{
    QByteArray bytes;
    constexpr qint64 Chunk = 1 << 16;
    for (;;) {
        const qsizetype had = bytes.size();
        bytes.resize(had + Chunk);
        errno = 0;
        const qint64 got = from.read(bytes.data() + had, Chunk);
        if (got < 0) {
            const int osError = errno;
            if (auto *file = qobject_cast<QFileDevice *>(&from))
                return platformerror::fromFile(*file, osError);
            return platformerror::fromErrno(osError ? osError : EIO);
        }
        bytes.resize(had + got);
        if (got == 0)
            break;
    }
    m_buffer.setData(bytes);
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

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString hex(qint64 value, int digits)
{
    return QStringLiteral("0x%1")
        .arg(value, digits, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QStringLiteral("0X"), QStringLiteral("0x"));
}

bool open(Opened &opened, const QString &path, Streams io)
{
    const PlatformError error = opened.input.open(path, io.in);
    if (error.isError()) {
        io.err << shown(path) << ':' << error.text() << '\n';
        return false;
    }
    opened.contents = k7x::read(opened.input.device(), opened.input.cut());
    return true;
}

} // namespace k7xtool
