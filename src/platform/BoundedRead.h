#pragma once

#include "platform/PlatformError.h"

#include <QByteArray>
#include <QString>

// Every read of a file the user names goes through here, bounded by what its
// format can hold, so that an endless input (/dev/zero, a FIFO that never ends)
// costs at most that many bytes and a FIFO without a writer a short wait,
// never a hang.
namespace boundedread {

// The most bytes an item file can hold, plus one so that "too big" can still
// be told: 65,536.
constexpr qint64 ItemLimit = 65536;
// The most a project file may hold, 32 MB: 65,535 items of 512 bytes a line.
constexpr qint64 ProjectLimit = 32LL << 20;
// How long a FIFO or a device may keep the reader waiting for its next bytes.
constexpr int DefaultWaitMs = 2000;
// Waits for as long as the input takes (a shell's pipe).
constexpr int WaitForever = -1;

// Opens the encoded path for reading without waiting for a FIFO's writer; the
// descriptor, or -1 with errno set (a socket: EISDIR, refused as a folder is).
int openForReading(const QByteArray &encoded);

enum class Kind {
    Regular,    // a file with a size
    Sequential, // a FIFO, a pipe, a character or block device: read to its end
};

// One input opened for reading. Opening never blocks: a FIFO is opened
// without waiting for a writer, and the wait for data is bounded by waitMs.
class Source
{
public:
    explicit Source(int waitMs = DefaultWaitMs) : m_waitMs(waitMs) {}
    ~Source();
    Source(const Source &) = delete;
    Source &operator=(const Source &) = delete;

    // Opens the encoded path; 0 or the errno value of open, for a look-up
    // that retries with another spelling. A folder or a socket is not
    // refused here, but by check().
    int openEncoded(const QByteArray &encoded);
    // Reads an open descriptor that the caller keeps (standard input).
    void adopt(int fd);
    // After a successful open: the kind of file, or the refusal of a folder
    // (75), a socket and any other kind (75).
    PlatformError check();

    Kind kind() const { return m_kind; }
    qint64 size() const { return m_size; } // of a regular file, as opened
    int descriptor() const { return m_fd; }

    // Appends to into until the input ends or into holds upTo bytes. An input
    // that delivers nothing for waitMs fails with 68 (Device unavailable).
    PlatformError readUpTo(QByteArray &into, qint64 upTo);
    // Whether the last readUpTo stopped at the end of the input.
    bool atEnd() const { return m_atEnd; }

private:
    int m_waitMs;
    int m_fd = -1;
    bool m_owned = false;
    bool m_atEnd = false;
    bool m_waited = false; // a wait for data has ended with some
    qint64 m_got = 0;
    Kind m_kind = Kind::Regular;
    qint64 m_size = 0;
};

struct Result
{
    QByteArray bytes; // at most the limit asked for
    PlatformError error;

    bool ok() const { return !error.isError(); }
};

enum class Accept {
    AnyKind,     // FIFOs and devices are read to their end (the compile)
    RegularOnly, // they are refused unread (the windows, which must not wait)
};

// Up to limit bytes of the file at path. A folder, a socket and, with
// RegularOnly, anything but a regular file are refused with 75.
Result read(const QString &path, qint64 limit, Accept accept, int waitMs = DefaultWaitMs);

} // namespace boundedread
