#pragma once

#include "platform/PlatformError.h"

#include <QByteArrayView>
#include <QString>

#include <map>
#include <sys/types.h>
#include <vector>

// Many files saved as one, for a whole tree written at once: each new file is
// written beside its target, all of them reach the disk with one sync of each
// file system, and only then is each renamed over its target. Until the
// renames every target is as it was, and a batch that is not committed leaves
// no trace. A replaced file keeps the old one's mode, owner and group where
// the process may set them. A target that is no regular file of one name (a
// device, a FIFO, a file with other hard links) is saved at once by the one
// save procedure (SaveFile) instead.
class SaveBatch
{
public:
    SaveBatch() = default;
    SaveBatch(const SaveBatch &) = delete;
    SaveBatch &operator=(const SaveBatch &) = delete;
    ~SaveBatch(); // removes what was not committed

    PlatformError add(const QString &path, QByteArrayView bytes);
    // Syncs, then renames; the first failure ends it (the files renamed by
    // then are in place, the others removed).
    PlatformError commit();

private:
    struct Pending
    {
        QByteArray temporary;
        QByteArray target;
    };
    std::vector<Pending> m_pending;
    std::map<dev_t, int> m_folders; // one open folder per file system, to sync
    unsigned m_serial = 0;
};
