#pragma once

#include "builder/K7xLayout.h"
#include "platform/BoundedRead.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace k7x {

struct Fault
{
    enum class Kind {
        Truncated,    // too short to hold a resource area header
        Length,       // L differs from the file size minus the image
        Format,       // the two format bytes
        Label,        // label length over 8, or bytes after the label not zero
        Count,        // the jump table would run past the end of the file
        EntryOffset,  // an item does not start where the one before it ends
        EntryPastEnd, // an item runs past the end of the data area
        Reserved,     // an entry's two reserved bytes not zero
        DataSize,     // the data area holds more or fewer bytes than the items
        Checksum,
        Unreadable, // the device failed to deliver bytes it claims to hold
    };
    qint64 offset = 0; // absolute file offset the fault was found at
    Kind kind = Kind::Truncated;
    QString text;
};

// What a file holds and every fault found in it. Only bytes inside the file are
// ever read, whatever its header claims.
struct Contents
{
    qint64 fileSize = 0; // of a cut input: the bytes read
    bool cut = false;
    bool hasHeader = false;
    quint32 resourceLength = 0;
    QString label;
    qint64 itemCount = 0;       // as the header says
    std::vector<Entry> entries; // the entries that lie inside the file
    qint64 dataOffset = 0;      // absolute offset of the data area
    qint64 dataSize = 0;        // bytes between the jump table and the checksum
    quint16 storedChecksum = 0;
    std::vector<Fault> faults;

    bool ok() const { return faults.empty(); }
    // Whether item k's bytes lie wholly inside the data area.
    bool itemInside(qint64 item) const;
};

// Reads and verifies a file opened for reading on a random-access device.
// cut: the device holds only the start of a longer input (see readSequential).
Contents read(QIODevice &device, bool cut = false);

struct SequentialRead
{
    QByteArray bytes;
    bool cut = false; // the input goes on past what its header allows
    PlatformError error;
};

// A pipe, FIFO or device read in order: at most what the header at its start
// allows (the image and L bytes, or a whole header when L is less or the
// format bytes are wrong) plus one byte, so an endless input costs no more
// than the file it claims to be.
SequentialRead readSequential(boundedread::Source &source);

// Item k's bytes, or nothing when its entry is missing or points outside the
// data area or the device fails.
std::optional<QByteArray> readItem(QIODevice &device, const Contents &contents, qint64 item);

} // namespace k7x
