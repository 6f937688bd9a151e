#include "platform/BoundedRead.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace boundedread {

Source::~Source()
{
    if (m_owned && m_fd >= 0)
        ::close(m_fd);
}

int openForReading(const QByteArray &encoded)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer, for ever.
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    // A socket cannot be opened at all: refused as a file that is not one.
    if (fd < 0 && errno == ENXIO) {
        struct stat info
        {
        };
        if (::stat(encoded.constData(), &info) == 0 && S_ISSOCK(info.st_mode))
            errno = EISDIR;
        else
            errno = ENXIO;
    }
    return fd;
}

int Source::openEncoded(const QByteArray &encoded)
{
    m_fd = openForReading(encoded);
    m_owned = m_fd >= 0;
    return m_fd < 0 ? errno : 0;
}

void Source::adopt(int fd)
{
    m_fd = fd;
    m_owned = false;
}

PlatformError Source::check()
{
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0)
        return platformerror::fromErrno(errno);
    if (S_ISREG(info.st_mode)) {
        m_kind = Kind::Regular;
        m_size = info.st_size;
        return {};
    }
    if (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
        m_kind = Kind::Sequential;
        return {};
    }
    return platformerror::make(platformerror::PathFileAccess);
}

PlatformError Source::readUpTo(QByteArray &into, qint64 upTo)
{
    m_atEnd = false;
    constexpr qint64 Chunk = 1 << 16;
    while (into.size() < upTo) {
        const qsizetype start = into.size();
        const qint64 room = std::min(Chunk, upTo - start);
        // Grown by doubling: a large input costs no quadratic copying.
        if (into.capacity() < start + room)
            into.reserve(std::min(upTo, std::max<qint64>(2 * into.capacity(), start + room)));
        into.resize(start + room);
        const ssize_t got = ::read(m_fd, into.data() + start, static_cast<size_t>(room));
        const int osError = errno;
        into.truncate(start + std::max<ssize_t>(got, 0));
        if (got > 0) {
            m_got += got;
            continue;
        }
        if (got < 0 && osError == EINTR)
            continue;
        // A FIFO reads as ended while it has no writer; one that has had no
        // bytes yet is given the wait to find one.
        const bool noWriterYet = got == 0 && m_kind == Kind::Sequential && m_got == 0 && !m_waited;
        if (got == 0 && !noWriterYet) {
            m_atEnd = true;
            return {};
        }
        if (got < 0 && osError != EAGAIN)
            return platformerror::fromErrno(osError);
        pollfd wanted{m_fd, POLLIN, 0};
        int ready = 0;
        do
            ready = ::poll(&wanted, 1, m_waitMs);
        while (ready < 0 && errno == EINTR);
        if (ready < 0)
            return platformerror::fromErrno(errno);
        if (ready == 0)
            return platformerror::make(platformerror::DeviceUnavailable);
        m_waited = true;
    }
    return {};
}

Result read(const QString &path, qint64 limit, Accept accept, int waitMs)
{
    Source source(waitMs);
    if (const int osError = source.openEncoded(QFile::encodeName(path)))
        return {{}, platformerror::forMissingOrUnreadable(path, osError)};
    if (const PlatformError error = source.check(); error.isError())
        return {{}, error};
    if (accept == Accept::RegularOnly && source.kind() != Kind::Regular)
        return {{}, platformerror::make(platformerror::PathFileAccess)};
    Result result;
    result.bytes.reserve(std::min(limit, source.kind() == Kind::Regular ? source.size() : limit));
    result.error = source.readUpTo(result.bytes, limit);
    if (result.error.isError())
        result.bytes.clear();
    return result;
}

} // namespace boundedread
