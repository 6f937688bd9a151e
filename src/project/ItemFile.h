#pragma once

#include "platform/PlatformError.h"

#include <QByteArray>
#include <QString>

// Reading and writing the one file that belongs to each resource item. The
// editors, the compile and the terminal preview all go through here.
namespace itemfile {

struct ReadResult
{
    QByteArray bytes;
    PlatformError error; // number 0 when the read succeeded

    bool ok() const { return !error.isError(); }
};

// The file's bytes, in order, up to one more than an item may hold (65,536),
// so that an endless file costs no more. A missing file fails before anything
// else; so does anything that is not a regular file (75), unread, since a
// window must not wait for a FIFO or a device.
ReadResult read(const QString &path);

// Whether read bytes are more than an item may hold (65,535).
bool tooBig(const QByteArray &bytes);

// "Resource Item file '...name' is too big (>64K bytes)".
QString tooBigMessage(const QString &fileName);

// Replaces the file's contents with exactly these bytes, creating it when
// missing. The write is atomic: on failure the old file stays as it was.
PlatformError write(const QString &path, const QByteArray &bytes);

// Where a write to path lands: symbolic links followed (also one that leads to
// a file not yet there), "." and ".." resolved; a missing file under its
// nearest folder that exists.
QString writeTarget(const QString &path);

// Whether a write to path lands outside the project folder.
bool liesOutside(const QString &path, const QString &projectFolder);

// An item's file name as the item table holds it ("\\" between folders),
// shown with this system's separator.
QString shownName(const QString &fileName);

// "Could not access Resource file ('name'): 53: File not found" + suffix, where
// name is the file name as the item table gives it.
QString accessMessage(const QString &fileName, const PlatformError &error,
                      const QString &suffix = {});

} // namespace itemfile
