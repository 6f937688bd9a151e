#include "platform/SaveBatch.h"

#include "platform/SaveFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

PlatformError failure(int osError)
{
    // Fewer bytes taken than given, with no error of the device's own: a full disk.
    return platformerror::fromErrno(osError ? osError : ENOSPC);
}

} // namespace

SaveBatch::~SaveBatch()
{
    for (const Pending &pending : m_pending)
        ::unlink(pending.temporary.constData());
    for (const auto &[device, fd] : m_folders)
        ::close(fd);
}

PlatformError SaveBatch::add(const QString &path, QByteArrayView bytes)
{
    const QByteArray target = QFile::encodeName(path);
    struct stat old
    {
    };
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || old.st_nlink > 1))
        return savefile::save(path, bytes);

    int fd = -1;
    QByteArray temporary;
    do {
        temporary =
            target + ".new" + QByteArray::number(::getpid()) + '-' + QByteArray::number(m_serial++);
        errno = 0;
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0) {
        const int osError = errno;
        // The folder takes no new file, but the file itself may be rewritten.
        if (exists && ::access(target.constData(), W_OK) == 0)
            return savefile::save(path, bytes);
        return platformerror::forUnwritable(path, osError);
    }
    if (exists) {
        // As the save procedure does: owner first, since it clears set-id bits.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
        }
    }
    errno = 0;
    const bool written = writeAll(fd, bytes.data(), bytes.size());
    const int osError = errno;
    struct stat info
    {
    };
    const bool known = ::fstat(fd, &info) == 0;
    if (::close(fd) != 0 || !written || !known) {
        const int closeError = errno;
        ::unlink(temporary.constData());
        return failure(written ? closeError : osError);
    }
    m_pending.push_back({temporary, target});
    if (!m_folders.count(info.st_dev)) {
        const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
        const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folderFd < 0)
            return platformerror::fromErrno(errno);
        m_folders.emplace(info.st_dev, folderFd);
    }
    return {};
}

PlatformError SaveBatch::commit()
{
    for (const auto &[device, fd] : m_folders) {
        if (::syncfs(fd) != 0)
            return platformerror::fromErrno(errno);
    }
    for (std::size_t i = 0; i < m_pending.size(); ++i) {
        if (::rename(m_pending[i].temporary.constData(), m_pending[i].target.constData()) != 0) {
            const int osError = errno;
            m_pending.erase(m_pending.begin(), m_pending.begin() + std::ptrdiff_t(i));
            return platformerror::fromErrno(osError);
        }
    }
    m_pending.clear();
    return {};
}
