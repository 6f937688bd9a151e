#include "platform/SaveFile.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The descriptor that /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N
// names, or -1. Written through the descriptor itself, these work whatever
// the descriptor is (a pipe, a socket, a file opened for appending).
int ownDescriptor(const QString &path)
{
    if (path == QLatin1String("/dev/stdout"))
        return STDOUT_FILENO;
    if (path == QLatin1String("/dev/stderr"))
        return STDERR_FILENO;
    for (const QLatin1String prefix :
         {QLatin1String("/dev/fd/"), QLatin1String("/proc/self/fd/")}) {
        if (path.startsWith(prefix)) {
            bool number = false;
            const int fd = path.mid(prefix.size()).toInt(&number);
            return number && fd >= 0 ? fd : -1;
        }
    }
    return -1;
}

// Writes all bytes, from offset (or at the descriptor's own position when
// offset is negative). A reader that went away gives EPIPE instead of a
// signal that would end the whole program.
bool writeAll(int fd, const char *data, qint64 size, qint64 offset = -1)
{
    sigset_t pipe;
    sigset_t old;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &old);
    sigset_t pendingBefore;
    sigpending(&pendingBefore);
    const bool wasPending = sigismember(&pendingBefore, SIGPIPE) == 1;

    bool ok = true;
    while (size > 0) {
        const ssize_t n = offset < 0 ? ::write(fd, data, size_t(size))
                                     : ::pwrite(fd, data, size_t(size), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        data += n;
        size -= n;
        if (offset >= 0)
            offset += n;
    }

    const int osError = errno;
    if (!ok && osError == EPIPE && !wasPending) {
        const timespec now{};
        while (sigtimedwait(&pipe, nullptr, &now) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    errno = osError;
    return ok;
}

PlatformError fromErrnoOrFull(int osError)
{
    // Fewer bytes taken than given, with no error of the device's own.
    return osError ? platformerror::fromErrno(osError)
                   : platformerror::make(platformerror::DiskFull);
}

// A block device (a memory card, say) holds written bytes in the cache; its
// failures show only when they are pushed out.
PlatformError syncBlockDevice(int fd)
{
    struct stat info
    {
    };
    if (::fstat(fd, &info) == 0 && S_ISBLK(info.st_mode) && ::fsync(fd) != 0)
        return platformerror::fromErrno(errno);
    return {};
}

// Pushes the written bytes to the disk, where a write-back failure shows. File
// systems that cannot sync (EINVAL) or are mounted read-only since (EROFS)
// have nothing to push.
PlatformError syncData(int fd)
{
    if (::fdatasync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return platformerror::fromErrno(errno);
    return {};
}

bool isFull(int osError)
{
    return osError == ENOSPC || osError == EDQUOT || osError == EFBIG;
}

} // namespace

SaveFile::SaveFile(const QString &path) : m_path(path) {}

SaveFile::~SaveFile()
{
    cancel();
}

PlatformError SaveFile::begin()
{
    Q_ASSERT(!isOpen());
    m_written = 0;
    m_pending.clear();
    if (const int fd = ownDescriptor(m_path); fd >= 0) {
        if (::fcntl(fd, F_GETFL) < 0)
            return platformerror::fromErrno(errno);
        m_method = Method::Straight;
        m_fd = fd;
        m_ownsFd = false;
        QIODevice::open(WriteOnly | Unbuffered);
        return {};
    }

    const QByteArray native = QFile::encodeName(m_path);
    struct stat old
    {
    };
    const bool exists = ::stat(native.constData(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return platformerror::forUnwritable(m_path, EISDIR);
        if (S_ISCHR(old.st_mode) || S_ISBLK(old.st_mode) || S_ISFIFO(old.st_mode))
            return openExisting(Method::Straight);
        if (!S_ISREG(old.st_mode))
            return platformerror::make(platformerror::PathFileAccess);
        if (old.st_nlink > 1)
            return openExisting(Method::InPlace);
    }

    m_replace.setFileName(m_path);
    errno = 0;
    if (!m_replace.open(WriteOnly)) {
        const int osError = errno;
        // The folder takes no new file, but the file itself may be rewritten.
        if (exists && ::access(native.constData(), W_OK) == 0)
            return openExisting(Method::InPlace);
        return platformerror::forUnwritable(m_path, osError);
    }
    if (exists) {
        // The new file takes the old one's place, so it takes its owner and
        // mode too; an owner the process may not give is left as it is. The
        // mode goes last, since a change of owner clears set-id bits.
        const int fd = m_replace.handle();
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
        }
    }
    m_method = Method::Replace;
    QIODevice::open(WriteOnly | Unbuffered);
    return {};
}

PlatformError SaveFile::openExisting(Method method)
{
    errno = 0;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return platformerror::forUnwritable(m_path, errno);
    m_method = method;
    m_fd = fd;
    m_ownsFd = true;
    QIODevice::open(WriteOnly | Unbuffered);
    return {};
}

qint64 SaveFile::readData(char *, qint64)
{
    return -1;
}

qint64 SaveFile::writeData(const char *data, qint64 size)
{
    switch (m_method) {
    case Method::Replace:
        return m_replace.write(data, size);
    case Method::Straight:
        if (!writeAll(m_fd, data, size))
            return -1;
        m_written += size;
        return size;
    case Method::InPlace:
        m_pending.append(data, size);
        return size;
    }
    return -1;
}

PlatformError SaveFile::writeFailure(int osError) const
{
    if (m_method == Method::Replace) {
        if (const PlatformError error = platformerror::fromFile(m_replace, osError);
            error.isError())
            return error;
    }
    return fromErrnoOrFull(osError);
}

PlatformError SaveFile::commit(qint64 size)
{
    Q_ASSERT(isOpen());
    PlatformError error;
    switch (m_method) {
    case Method::Replace:
        error = commitReplace(size);
        break;
    case Method::Straight:
        if (m_written != size)
            error = fromErrnoOrFull(0);
        else
            error = syncBlockDevice(m_fd);
        break;
    case Method::InPlace:
        error = commitInPlace(size);
        break;
    }
    if (m_ownsFd && ::close(m_fd) != 0 && !error.isError())
        error = platformerror::fromErrno(errno);
    m_fd = -1;
    cancel();
    return error;
}

PlatformError SaveFile::commitReplace(qint64 size)
{
    errno = 0;
    if (!m_replace.flush() || m_replace.error() != QFileDevice::NoError ||
        m_replace.size() != size) {
        const PlatformError error = writeFailure(errno);
        m_replace.cancelWriting();
        return error;
    }
    // QSaveFile renames without a sync: a crash soon after could put an empty
    // file in the old one's place, and a write-back failure would go unseen.
    if (const PlatformError error = syncData(m_replace.handle()); error.isError()) {
        m_replace.cancelWriting();
        return error;
    }
    errno = 0;
    if (!m_replace.commit())
        return writeFailure(errno);
    return {};
}

// The room for a longer file is taken before the first old byte is
// overwritten, so a full disk leaves the old contents as they were.
PlatformError SaveFile::commitInPlace(qint64 size)
{
    if (m_pending.size() != size)
        return fromErrnoOrFull(0);
    struct stat now
    {
    };
    if (::fstat(m_fd, &now) != 0)
        return platformerror::fromErrno(errno);
    if (size > now.st_size) {
        // posix_fallocate returns its error rather than setting errno.
        const int osError = ::posix_fallocate(m_fd, now.st_size, size - now.st_size);
        if (isFull(osError)) {
            if (::ftruncate(m_fd, now.st_size) != 0) {
            }
            return platformerror::fromErrno(osError);
        }
    }
    errno = 0;
    if (!writeAll(m_fd, m_pending.constData(), size, 0))
        return fromErrnoOrFull(errno);
    if (size < now.st_size && ::ftruncate(m_fd, size) != 0)
        return platformerror::fromErrno(errno);
    return syncData(m_fd);
}

void SaveFile::closeDescriptor()
{
    if (m_fd >= 0 && m_ownsFd)
        ::close(m_fd);
    m_fd = -1;
    m_ownsFd = false;
}

void SaveFile::cancel()
{
    if (m_method == Method::Replace && m_replace.isOpen())
        m_replace.cancelWriting();
    closeDescriptor();
    m_pending = QByteArray();
    if (isOpen())
        QIODevice::close();
}

namespace savefile {

PlatformError save(const QString &path, QByteArrayView bytes)
{
    SaveFile file(path);
    if (const PlatformError error = file.begin(); error.isError())
        return error;
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const PlatformError error = file.writeFailure(errno);
        file.cancel();
        return error;
    }
    return file.commit(bytes.size());
}

} // namespace savefile
