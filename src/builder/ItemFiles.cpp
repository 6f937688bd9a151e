#include "builder/ItemFiles.h"

#include <QFile>

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

} // namespace

Size sizeOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {0, failure(path, errno)};
    if (S_ISDIR(info.st_mode))
        return {0, platformerror::make(platformerror::PathFileAccess)};
    return {static_cast<qint64>(info.st_size), {}};
}

qint64 read(const QString &path, char *buffer, qint64 expected, PlatformError &error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = failure(path, errno);
        return -1;
    }
    // Up to one byte more than expected, so a file that grew is noticed.
    qint64 total = 0;
    while (total <= expected) {
        const ssize_t got = ::read(fd, buffer + total, static_cast<size_t>(expected + 1 - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = failure(path, errno);
            ::close(fd);
            return -1;
        }
        if (got == 0)
            break;
        total += got;
    }
    ::close(fd);
    return total;
}

} // namespace itemfiles
