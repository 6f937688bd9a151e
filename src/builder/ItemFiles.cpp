#include "builder/ItemFiles.h"

#include "project/PathResolve.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace itemfiles {
namespace {

PlatformError failure(const QString &path, int osError)
{
    if (osError == ENOENT || osError == ENOTDIR)
        return platformerror::forMissingOrUnreadable(path, osError);
    return platformerror::fromErrno(osError);
}

// Closes the descriptor it holds on every way out.
class Descriptor
{
public:
    Descriptor() = default;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int open(const QByteArray &path)
    {
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        return fd < 0 ? errno : 0;
    }

    int fd = -1;
};

// Reads up to size bytes; returns how many, or -1 with errno set.
qint64 readUpTo(int fd, char *buffer, qint64 size)
{
    qint64 total = 0;
    while (total < size) {
        const ssize_t got = ::read(fd, buffer + total, static_cast<size_t>(size - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

} // namespace

Size sizeOf(pathresolve::Resolver &resolver, const QString &path)
{
    struct stat info
    {
    };
    const auto tried = resolver.tryPath(path, [&info](const QByteArray &encoded) {
        return ::stat(encoded.constData(), &info) == 0 ? 0 : errno;
    });
    if (tried.error)
        return {0, failure(tried.path, tried.error), tried.path};
    if (S_ISDIR(info.st_mode))
        return {0, platformerror::make(platformerror::PathFileAccess), tried.path};
    return {static_cast<qint64>(info.st_size), {}, tried.path};
}

Taken take(pathresolve::Resolver &resolver, const QString &path, QByteArray &into, qint64 room)
{
    Descriptor file;
    const auto tried =
        resolver.tryPath(path, [&file](const QByteArray &encoded) { return file.open(encoded); });
    if (tried.error)
        return {0, failure(tried.path, tried.error), tried.path};
    struct stat info
    {
    };
    if (::fstat(file.fd, &info) != 0)
        return {0, platformerror::fromErrno(errno), tried.path};
    if (S_ISDIR(info.st_mode))
        return {0, platformerror::make(platformerror::PathFileAccess), tried.path};
    const qint64 size = info.st_size;
    if (size > room)
        return {size, {}, tried.path};
    const qsizetype start = into.size();
    into.resize(start + size);
    const qint64 got = readUpTo(file.fd, into.data() + start, size);
    if (got < 0) {
        into.truncate(start);
        return {0, failure(tried.path, errno), tried.path};
    }
    // A file that shrank after fstat counts at the size it was read at.
    into.truncate(start + got);
    return {got, {}, tried.path, true};
}

qint64 read(const QString &path, char *buffer, qint64 expected, PlatformError &error)
{
    Descriptor file;
    if (const int osError = file.open(QFile::encodeName(path))) {
        error = failure(path, osError);
        return -1;
    }
    struct stat info
    {
    };
    if (::fstat(file.fd, &info) != 0) {
        error = platformerror::fromErrno(errno);
        return -1;
    }
    if (S_ISDIR(info.st_mode)) {
        error = platformerror::make(platformerror::PathFileAccess);
        return -1;
    }
    // A file that changed size since it was measured is not read.
    if (S_ISREG(info.st_mode) && info.st_size != expected)
        return static_cast<qint64>(info.st_size);
    const qint64 got = readUpTo(file.fd, buffer, expected);
    if (got < 0)
        error = failure(path, errno);
    return got;
}

Start readStart(pathresolve::Resolver &resolver, const QString &path, qint64 size)
{
    Descriptor file;
    const auto tried =
        resolver.tryPath(path, [&file](const QByteArray &encoded) { return file.open(encoded); });
    if (tried.error == ENOENT || tried.error == ENOTDIR)
        return {{}, {}, true};
    if (tried.error)
        return {{}, failure(tried.path, tried.error)};
    struct stat info
    {
    };
    if (::fstat(file.fd, &info) != 0)
        return {{}, platformerror::fromErrno(errno)};
    if (S_ISDIR(info.st_mode))
        return {{}, platformerror::make(platformerror::PathFileAccess)};
    QByteArray bytes(size, Qt::Uninitialized);
    const qint64 got = readUpTo(file.fd, bytes.data(), size);
    if (got < 0)
        return {{}, platformerror::make(platformerror::DeviceIO)};
    bytes.truncate(got);
    return {bytes, {}};
}

} // namespace itemfiles
