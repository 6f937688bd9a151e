#pragma once

#include "platform/PlatformError.h"

#include <QByteArrayView>

class QSaveFile;

// Finishing an atomic write. QSaveFile commits a file that a full disk cut
// short without complaint (the device keeps what it could not write in its
// buffer), so the size that reached the disk is checked before the commit.
namespace savefile {

// Flushes, checks that exactly size bytes are on disk, and commits. On failure
// the old file stays as it was and the error says why (61 for a full disk).
PlatformError commit(QSaveFile &file, qint64 size);

// Writes exactly these bytes to a file opened for writing, then commits as above.
PlatformError writeAndCommit(QSaveFile &file, QByteArrayView bytes);

} // namespace savefile
