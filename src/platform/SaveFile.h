#pragma once

#include "platform/PlatformError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

// The one way a file is written for the user. How the bytes reach the target
// depends on what the target is:
// - a regular file with one name (or a new file) in a folder that takes new
//   files is replaced atomically: a new file beside it, renamed over it at the
//   commit, with the old file's mode, owner and group where the process may
//   set them; a failure leaves the old file as it was;
// - a character or block device or a FIFO is written straight into, as are
//   /dev/stdout, /dev/stderr and /dev/fd/N, which name this process's own
//   descriptors; a socket or other kind is refused;
// - a regular file with other names, or a writable one in a folder that takes
//   no new files, is rewritten in place at the commit from the bytes held in
//   memory, so every name sees the new bytes and the file is incomplete only
//   for as long as those bytes take to write.
// Symbolic links are followed.
class SaveFile : public QIODevice
{
public:
    enum class Method { Replace, Straight, InPlace };

    explicit SaveFile(const QString &path);
    ~SaveFile() override; // an unfinished write is cancelled

    // Opens the target for writing. On failure nothing was changed.
    PlatformError begin();
    Method method() const { return m_method; }

    // Why a write returned short, from the errno the failed call left.
    PlatformError writeFailure(int osError) const;
    // Checks that exactly size bytes were written and finishes the file; the
    // size that reached the disk is checked too, because a full disk can cut
    // a file short without an error of the device's own (61 for a full disk).
    PlatformError commit(qint64 size);
    // Drops what was written, where that is possible: a replaced or in-place
    // file stays as it was.
    void cancel();

protected:
    qint64 readData(char *data, qint64 size) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    PlatformError openExisting(Method method);
    PlatformError commitReplace(qint64 size);
    PlatformError commitInPlace(qint64 size);
    void closeDescriptor();

    QString m_path;
    Method m_method = Method::Replace;
    QSaveFile m_replace;
    int m_fd = -1;
    bool m_ownsFd = false;
    qint64 m_written = 0;
    QByteArray m_pending; // the new contents of an in-place rewrite
};

namespace savefile {

// Writes exactly these bytes to path as above.
PlatformError save(const QString &path, QByteArrayView bytes);

} // namespace savefile
