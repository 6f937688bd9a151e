#pragma once

#include "platform/PlatformError.h"

#include <QByteArray>
#include <QString>

// The compile touches every item file twice, once for its size and once for its
// bytes; with tens of thousands of small items the system calls are the cost,
// so these go straight to the operating system and make no more calls than
// needed (one stat; open, read, close).
namespace itemfiles {

struct Size
{
    qint64 bytes = 0;
    PlatformError error;
};

// The size of a regular file; a folder is an access error.
Size sizeOf(const QString &path);

// Reads the file into buffer, which must hold expected + 1 bytes, and returns
// how many bytes it held (more than expected when it has grown), or -1 with
// error set.
qint64 read(const QString &path, char *buffer, qint64 expected, PlatformError &error);

} // namespace itemfiles
