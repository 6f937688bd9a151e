#pragma once

#include "platform/PlatformError.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace pathresolve {
class Resolver;
}

// With tens of thousands of small items the system calls are the compile's
// cost, so these go straight to the operating system and make no more calls
// than needed: open, fstat, read, close for an item read at once; one stat,
// then open, fstat, read, close for one measured first and read later.
namespace itemfiles {

struct Size
{
    qint64 bytes = 0;
    PlatformError error;
    QString path; // where the file was found ("/" separated), or looked for last
    // A FIFO or a device cannot be read twice: its bytes, read to its end (at
    // most one more than an item may hold).
    std::optional<QByteArray> once;
};

// The size of a regular file, looked up by resolver (the path as written,
// else its letter-case match); a FIFO or a device is read now, within the
// bounded wait. A folder or a socket is an access error.
Size sizeOf(pathresolve::Resolver &resolver, const QString &path);

struct Taken
{
    qint64 bytes = 0; // the file's size
    PlatformError error;
    QString path;                   // as in Size
    bool read = false;              // whether its bytes were appended
    std::optional<QByteArray> once; // as in Size, when they did not fit room
};

// Opens the file (looked up by resolver) and, when it holds no more than room
// bytes, appends them to into: open, fstat, read, close. A larger file is only
// measured. A FIFO or a device is read as sizeOf reads it. A folder or a
// socket is an access error.
Taken take(pathresolve::Resolver &resolver, const QString &path, QByteArray &into, qint64 room);

// Reads the file at path (as sizeOf found it) into buffer, which must hold
// expected bytes. Returns expected when the file still has that size, the
// size it has now when it changed, or -1 with error set.
qint64 read(const QString &path, char *buffer, qint64 expected, PlatformError &error);

struct Start
{
    QByteArray bytes; // fewer than asked for when the file is shorter
    PlatformError error;
    bool missing = false; // nothing by that name, even in other letter case
};

// The first size bytes of a file (the original firmware), looked up by
// resolver; a folder is an access error.
Start readStart(pathresolve::Resolver &resolver, const QString &path, qint64 size);

} // namespace itemfiles
