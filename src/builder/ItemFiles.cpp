#include "builder/ItemFiles.h"

#include "builder/K7xLayout.h"
#include "platform/BoundedRead.h"
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

// Opens as every bounded read does, and closes on every way out.
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
        fd = boundedread::openForReading(path);
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

bool sequential(mode_t mode)
{
    return S_ISFIFO(mode) || S_ISCHR(mode) || S_ISBLK(mode);
}

// A FIFO's or a device's bytes, read to its end but never past one more than
// an item may hold.
std::optional<QByteArray> readOnce(const QString &path, PlatformError &error)
{
    boundedread::Result read =
        boundedread::read(path, k7x::MaxItemSize + 1, boundedread::Accept::AnyKind);
    error = read.error;
    if (!read.ok())
        return std::nullopt;
    return std::move(read.bytes);
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
    Size size{0, {}, tried.path, std::nullopt};
    if (tried.error)
        size.error = failure(tried.path, tried.error);
    else if (sequential(info.st_mode))
        size.once = readOnce(tried.path, size.error);
    else if (!S_ISREG(info.st_mode))
        size.error = platformerror::make(platformerror::PathFileAccess);
    else
        size.bytes = static_cast<qint64>(info.st_size);
    if (size.once)
        size.bytes = size.once->size();
    return size;
}

Taken take(pathresolve::Resolver &resolver, const QString &path, QByteArray &into, qint64 room)
{
    Descriptor file;
    const auto tried =
        resolver.tryPath(path, [&file](const QByteArray &encoded) { return file.open(encoded); });
    Taken taken{0, {}, tried.path, false, std::nullopt};
    if (tried.error) {
        taken.error = failure(tried.path, tried.error);
        return taken;
    }
    struct stat info
    {
    };
    if (::fstat(file.fd, &info) != 0) {
        taken.error = platformerror::fromErrno(errno);
        return taken;
    }
    if (sequential(info.st_mode)) {
        boundedread::Source source;
        source.adopt(file.fd);
        QByteArray bytes;
        taken.error = source.check();
        if (!taken.error.isError())
            taken.error = source.readUpTo(bytes, k7x::MaxItemSize + 1);
        if (taken.error.isError())
            return taken;
        taken.bytes = bytes.size();
        taken.read = taken.bytes <= room;
        if (taken.read)
            into.append(bytes);
        else
            taken.once = std::move(bytes);
        return taken;
    }
    if (!S_ISREG(info.st_mode)) {
        taken.error = platformerror::make(platformerror::PathFileAccess);
        return taken;
    }
    taken.bytes = info.st_size;
    if (taken.bytes > room)
        return taken;
    const qsizetype start = into.size();
    into.resize(start + taken.bytes);
    const qint64 got = readUpTo(file.fd, into.data() + start, taken.bytes);
    if (got < 0) {
        into.truncate(start);
        taken.error = failure(tried.path, errno);
        taken.bytes = 0;
        return taken;
    }
    // A file that shrank after fstat counts at the size it was read at.
    into.truncate(start + got);
    taken.bytes = got;
    taken.read = true;
    return taken;
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
    // Only a regular file is read again; one that changed size since it was
    // measured is not read.
    if (!S_ISREG(info.st_mode)) {
        error = platformerror::make(platformerror::PathFileAccess);
        return -1;
    }
    if (info.st_size != expected)
        return static_cast<qint64>(info.st_size);
    const qint64 got = readUpTo(file.fd, buffer, expected);
    if (got < 0)
        error = failure(path, errno);
    return got;
}

Start readStart(pathresolve::Resolver &resolver, const QString &path, qint64 size)
{
    boundedread::Source file;
    const auto tried = resolver.tryPath(
        path, [&file](const QByteArray &encoded) { return file.openEncoded(encoded); });
    if (tried.error == ENOENT || tried.error == ENOTDIR)
        return {{}, {}, true};
    if (tried.error)
        return {{}, failure(tried.path, tried.error)};
    if (const PlatformError error = file.check(); error.isError())
        return {{}, error};
    QByteArray bytes;
    if (const PlatformError error = file.readUpTo(bytes, size); error.isError())
        return {{}, error};
    return {bytes, {}};
}

} // namespace itemfiles
