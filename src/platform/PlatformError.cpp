#include "platform/PlatformError.h"

#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>

QString PlatformError::text() const
{
    const QString sign = number < 0 ? QString() : QStringLiteral(" ");
    return sign + QString::number(number) + QStringLiteral(": ") + description;
}

namespace platformerror {

QString describe(int number)
{
    switch (number) {
    case None:
        return {};
    case BadFileName:
        return QStringLiteral("Bad file name or number");
    case FileNotFound:
        return QStringLiteral("File not found");
    case FileAlreadyOpen:
        return QStringLiteral("File already open");
    case DeviceIO:
        return QStringLiteral("Device I/O error");
    case FileAlreadyExists:
        return QStringLiteral("File already exists");
    case DiskFull:
        return QStringLiteral("Disk full");
    case InputPastEnd:
        return QStringLiteral("Input past end of file");
    case TooManyFiles:
        return QStringLiteral("Too many files");
    case DeviceUnavailable:
        return QStringLiteral("Device unavailable");
    case PermissionDenied:
        return QStringLiteral("Permission denied");
    case DiskNotReady:
        return QStringLiteral("Disk not ready");
    case PathFileAccess:
        return QStringLiteral("Path/File access error");
    case PathNotFound:
        return QStringLiteral("Path not found");
    case SymbolicLinkLoop:
        return QStringLiteral("Too many levels of symbolic links");
    case InvalidPicture:
        return QStringLiteral("Invalid picture");
    case InvalidFileName:
        return QStringLiteral("Invalid file name");
    case DialogCancelled:
        return QStringLiteral("Cancel was selected");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

PlatformError make(int number)
{
    return PlatformError{number, describe(number)};
}

PlatformError fromErrno(int osError)
{
    switch (osError) {
    case 0:
        return make(DeviceIO);
    case ENOENT:
        return make(FileNotFound);
    case ENOTDIR:
        return make(PathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return make(PermissionDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return make(DiskFull);
    case EIO:
        return make(DeviceIO);
    case EEXIST:
        return make(FileAlreadyExists);
    case EISDIR:
    case EBUSY:
        return make(PathFileAccess);
    case EMFILE:
    case ENFILE:
        return make(TooManyFiles);
    case ENAMETOOLONG:
    case EINVAL:
        return make(BadFileName);
    case ENODEV:
    case ENXIO:
        return make(DeviceUnavailable);
    case ELOOP:
        return make(SymbolicLinkLoop);
    default:
        return make(DeviceIO);
    }
}

PlatformError forMissingOrUnreadable(const QString &path, int osError)
{
    const QFileInfo info(path);
    if (info.isDir())
        return make(PathFileAccess);
    if (!info.exists()) {
        const QFileInfo parent(info.absolutePath());
        if (!parent.exists() || !parent.isDir())
            return make(PathNotFound);
        if (osError == 0 || osError == ENOENT)
            return make(FileNotFound);
    }
    return fromErrno(osError);
}

PlatformError forUnwritable(const QString &path, int osError)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isWritable())
        return make(PermissionDenied);
    return forMissingOrUnreadable(path, osError);
}

PlatformError fromFile(const QFileDevice &file, int osError)
{
    switch (file.error()) {
    case QFileDevice::NoError:
        return {};
    case QFileDevice::OpenError:
        return forMissingOrUnreadable(file.fileName(), osError);
    case QFileDevice::PermissionsError:
        return make(PermissionDenied);
    case QFileDevice::ResourceError:
        return make(osError == EMFILE ? TooManyFiles : DiskFull);
    case QFileDevice::WriteError:
        return osError ? fromErrno(osError) : make(DiskFull);
    case QFileDevice::ReadError:
        return make(DeviceIO);
    default:
        return osError ? fromErrno(osError) : make(DeviceIO);
    }
}

} // namespace platformerror
