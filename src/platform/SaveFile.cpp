#include "platform/SaveFile.h"

#include <QSaveFile>

#include <cerrno>

namespace savefile {
namespace {

PlatformError failure(const QSaveFile &file, int osError)
{
    const PlatformError error = platformerror::fromFile(file, osError);
    if (error.isError())
        return error;
    // Fewer bytes taken than given, with no error of the device's own.
    return osError ? platformerror::fromErrno(osError)
                   : platformerror::make(platformerror::DiskFull);
}

} // namespace

PlatformError commit(QSaveFile &file, qint64 size)
{
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError || file.size() != size) {
        const PlatformError error = failure(file, errno);
        file.cancelWriting();
        return error;
    }
    errno = 0;
    if (!file.commit())
        return failure(file, errno);
    return {};
}

PlatformError writeAndCommit(QSaveFile &file, QByteArrayView bytes)
{
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const PlatformError error = failure(file, errno);
        file.cancelWriting();
        return error;
    }
    return commit(file, bytes.size());
}

} // namespace savefile
