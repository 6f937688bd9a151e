#include "builder/K7xReader.h"

#include "platform/CodePage.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>

namespace k7x {
namespace {

QString hex(qint64 value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper();
}

QString number(qint64 value)
{
    return QString::number(value);
}

class Scanner
{
public:
    Scanner(QIODevice &device, Contents &contents) : m_device(device), m_contents(contents) {}

    // Exactly size bytes at offset, or nothing (with a fault) when the device
    // delivers fewer. Callers never ask beyond the file's size.
    std::optional<QByteArray> at(qint64 offset, qint64 size)
    {
        Q_ASSERT(offset >= 0 && offset + size <= m_contents.fileSize);
        if (!m_device.seek(offset)) {
            unreadable(offset);
            return std::nullopt;
        }
        QByteArray bytes = m_device.read(size);
        if (bytes.size() != size) {
            unreadable(offset);
            return std::nullopt;
        }
        return bytes;
    }

    void fault(qint64 offset, Fault::Kind kind, const QString &text)
    {
        m_contents.faults.push_back({offset, kind, text});
    }

    void unreadable(qint64 offset)
    {
        fault(offset, Fault::Kind::Unreadable, QStringLiteral("the file cannot be read here"));
    }

    void header();
    void jumpTable();
    void checksum();

private:
    QIODevice &m_device;
    Contents &m_contents;
};

void Scanner::header()
{
    Contents &c = m_contents;
    if (c.fileSize < ImageSize + HeaderSize + ChecksumSize) {
        fault(c.fileSize, Fault::Kind::Truncated,
              QStringLiteral("the file ends after %1 bytes, before the end of the resource area "
                             "header (%2 bytes at least)")
                  .arg(number(c.fileSize), number(ImageSize + HeaderSize + ChecksumSize)));
        return;
    }
    const std::optional<QByteArray> bytes = at(ImageSize, HeaderSize);
    if (!bytes)
        return;
    c.hasHeader = true;
    const char *data = bytes->constData();
    c.resourceLength = qFromBigEndian<quint32>(data);
    if (c.cut)
        fault(LengthOffset, Fault::Kind::Length,
              QStringLiteral("resource area length %1, but more than %2 bytes follow the image")
                  .arg(number(c.resourceLength), number(c.fileSize - ImageSize - 1)));
    else if (c.resourceLength != c.fileSize - ImageSize)
        fault(LengthOffset, Fault::Kind::Length,
              QStringLiteral("resource area length %1, but %2 bytes follow the image")
                  .arg(number(c.resourceLength), number(c.fileSize - ImageSize)));
    for (int i = 0; i < 2; ++i) {
        if (data[4 + i] != FormatBytes[i])
            fault(FormatOffset + i, Fault::Kind::Format,
                  QStringLiteral("format byte %1, expected %2")
                      .arg(hex(static_cast<unsigned char>(data[4 + i])),
                           hex(static_cast<unsigned char>(FormatBytes[i]))));
    }
    const int labelLength = static_cast<unsigned char>(data[6]);
    if (labelLength > MaxLabelLength)
        fault(LabelOffset, Fault::Kind::Label,
              QStringLiteral("label length %1, at most %2 allowed")
                  .arg(number(labelLength), number(MaxLabelLength)));
    const qsizetype shown = qMin<qsizetype>(labelLength, LabelFieldSize - 1);
    c.label = codepage::decode(QByteArrayView(data + 7, shown));
    for (qsizetype i = 7 + shown; i < 7 + LabelFieldSize - 1; ++i) {
        if (data[i] != 0) {
            fault(ImageSize + i, Fault::Kind::Label,
                  QStringLiteral("label field not zero after the label"));
            break;
        }
    }
    c.itemCount = qFromBigEndian<quint16>(data + 22);
}

void Scanner::jumpTable()
{
    Contents &c = m_contents;
    const qint64 room = c.fileSize - ChecksumSize - JumpTableOffset;
    qint64 inside = c.itemCount;
    if (EntrySize * c.itemCount > room) {
        inside = room / EntrySize;
        fault(CountOffset, Fault::Kind::Count,
              QStringLiteral("%1 items need a jump table up to %2, past the end of the file")
                  .arg(number(c.itemCount), hex(dataAreaOffset(c.itemCount) + ChecksumSize)));
    }
    c.dataOffset = dataAreaOffset(inside);
    c.dataSize = c.fileSize - ChecksumSize - c.dataOffset;
    const std::optional<QByteArray> table = at(JumpTableOffset, EntrySize * inside);
    if (!table)
        return;
    c.entries.reserve(static_cast<std::size_t>(inside));
    // A table of garbage would give a fault per entry; past this many the rest
    // are only counted.
    constexpr std::size_t MaxEntryFaults = 16;
    const std::size_t faultsBefore = c.faults.size();
    std::size_t suppressed = 0;
    qint64 expected = 0;
    for (qint64 k = 0; k < inside; ++k) {
        const QByteArrayView bytes = QByteArrayView(*table).sliced(k * EntrySize, EntrySize);
        const Entry entry = decodeEntry(bytes);
        c.entries.push_back(entry);
        const qint64 where = entryOffset(k);
        if (entry.offset != expected)
            fault(where, Fault::Kind::EntryOffset,
                  QStringLiteral("item %1 starts at data offset %2, but the items before it "
                                 "end at %3")
                      .arg(number(k), number(entry.offset), number(expected)));
        if (qint64(entry.offset) + entry.length > c.dataSize)
            fault(where, Fault::Kind::EntryPastEnd,
                  QStringLiteral("item %1 (data offset %2, %3 bytes) runs past the end of the "
                                 "data area (%4 bytes)")
                      .arg(number(k), number(entry.offset), number(entry.length),
                           number(c.dataSize)));
        if (bytes[6] != 0 || bytes[7] != 0)
            fault(where + 6, Fault::Kind::Reserved,
                  QStringLiteral("item %1: reserved bytes not zero").arg(number(k)));
        expected += entry.length;
        while (c.faults.size() > faultsBefore + MaxEntryFaults) {
            c.faults.pop_back();
            ++suppressed;
        }
    }
    if (suppressed > 0)
        fault(JumpTableOffset, Fault::Kind::EntryOffset,
              QStringLiteral("%1 more faults in the jump table").arg(number(qint64(suppressed))));
    if (inside == c.itemCount && expected != c.dataSize)
        fault(c.dataOffset + qMin(expected, c.dataSize), Fault::Kind::DataSize,
              QStringLiteral("the data area holds %1 bytes, the items %2")
                  .arg(number(c.dataSize), number(expected)));
}

void Scanner::checksum()
{
    Contents &c = m_contents;
    const qint64 end = c.fileSize - ChecksumSize;
    Checksum sum;
    constexpr qint64 Chunk = 1 << 16;
    for (qint64 offset = ImageSize; offset < end; offset += Chunk) {
        const std::optional<QByteArray> bytes = at(offset, qMin(Chunk, end - offset));
        if (!bytes)
            return;
        sum.add(*bytes);
    }
    const std::optional<QByteArray> stored = at(end, ChecksumSize);
    if (!stored)
        return;
    c.storedChecksum = qFromBigEndian<quint16>(stored->constData());
    if (c.storedChecksum != sum.stored())
        fault(end, Fault::Kind::Checksum,
              QStringLiteral("checksum %1, the resource area needs %2")
                  .arg(hex(c.storedChecksum), hex(sum.stored())));
}

} // namespace

bool Contents::itemInside(qint64 item) const
{
    if (item < 0 || item >= qint64(entries.size()))
        return false;
    const Entry &entry = entries[static_cast<std::size_t>(item)];
    return qint64(entry.offset) + entry.length <= dataSize;
}

Contents read(QIODevice &device, bool cut)
{
    Contents contents;
    contents.fileSize = device.size();
    contents.cut = cut;
    Scanner scanner(device, contents);
    scanner.header();
    if (!contents.hasHeader)
        return contents;
    scanner.jumpTable();
    scanner.checksum();
    return contents;
}

SequentialRead readSequential(boundedread::Source &source)
{
    SequentialRead read;
    read.error = source.readUpTo(read.bytes, JumpTableOffset);
    if (read.error.isError() || source.atEnd())
        return read;
    // A header without the format bytes is no header to trust: only as much
    // is read as it takes to say what is wrong with it.
    const char *data = read.bytes.constData();
    const bool formatted =
        data[FormatOffset] == FormatBytes[0] && data[FormatOffset + 1] == FormatBytes[1];
    const qint64 length = formatted ? qFromBigEndian<quint32>(data + LengthOffset) : 0;
    const qint64 limit = ImageSize + std::max(length, HeaderSize + ChecksumSize) + 1;
    read.error = source.readUpTo(read.bytes, limit);
    read.cut = !read.error.isError() && !source.atEnd();
    return read;
}

std::optional<QByteArray> readItem(QIODevice &device, const Contents &contents, qint64 item)
{
    if (!contents.itemInside(item))
        return std::nullopt;
    const Entry &entry = contents.entries[static_cast<std::size_t>(item)];
    if (!device.seek(contents.dataOffset + entry.offset))
        return std::nullopt;
    QByteArray bytes = device.read(entry.length);
    if (bytes.size() != entry.length)
        return std::nullopt;
    return bytes;
}

} // namespace k7x
