#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// Byte layout of an extended firmware file: the 64 KiB firmware image, then the
// resource area (24-byte header, jump table, data area, 16-bit checksum). All
// numbers are big-endian.
namespace k7x {

constexpr qint64 ImageSize = 0x10000;
constexpr qint64 HeaderSize = 24;
constexpr qint64 ChecksumSize = 2;
constexpr qint64 EntrySize = 8;
constexpr qint64 LabelFieldSize = 16;
constexpr qsizetype MaxLabelLength = 8;
constexpr qint64 MaxItemSize = 0xFFFF;
constexpr qint64 MaxItems = 0xFFFF;
constexpr qint64 MaxResourceLength = 0xFFFFFFFFLL;

// Offsets of the header fields.
constexpr qint64 LengthOffset = ImageSize;
constexpr qint64 FormatOffset = ImageSize + 4;
constexpr qint64 LabelOffset = ImageSize + 6;
constexpr qint64 CountOffset = ImageSize + 22;
constexpr qint64 JumpTableOffset = ImageSize + HeaderSize;

constexpr char FormatBytes[2] = {0x01, 0x00};

// The label every compile writes.
inline QString defaultLabel()
{
    return QStringLiteral("XXXXXXX");
}

constexpr qint64 entryOffset(qint64 item)
{
    return JumpTableOffset + EntrySize * item;
}
constexpr qint64 dataAreaOffset(qint64 itemCount)
{
    return JumpTableOffset + EntrySize * itemCount;
}
// L: from the length field to the end of the file, checksum included.
constexpr qint64 resourceLength(qint64 itemCount, qint64 dataSize)
{
    return HeaderSize + EntrySize * itemCount + dataSize + ChecksumSize;
}

// Length byte, up to 8 code-page characters, zero fill: always 16 bytes.
QByteArray labelField(QStringView label);

// The 24 header bytes for a resource area of length L with N items.
QByteArray header(quint32 resourceLength, quint16 itemCount, QStringView label);

struct Entry
{
    quint32 offset = 0; // from the start of the data area
    quint16 length = 0;
};

QByteArray encodeEntry(const Entry &entry);
Entry decodeEntry(QByteArrayView eightBytes);

// Running sum of bytes modulo 65536; the stored checksum is its complement, so
// the sum of the covered bytes plus the stored value is 0xFFFF.
class Checksum
{
public:
    void add(QByteArrayView bytes);
    quint16 sum() const { return m_sum; }
    quint16 stored() const { return static_cast<quint16>(0xFFFF - m_sum); }
    QByteArray storedBytes() const;

private:
    quint16 m_sum = 0;
};

// The jump table under construction, kept as its encoded bytes (8 per item),
// which is all the memory a compile needs beyond one item.
class JumpTable
{
public:
    enum class Added { Ok, ItemTooBig, TooManyItems, AreaTooBig };

    Added add(qint64 length);
    qint64 count() const { return m_bytes.size() / EntrySize; }
    qint64 dataSize() const { return m_dataSize; }
    qint64 resourceLength() const { return k7x::resourceLength(count(), m_dataSize); }
    Entry at(qint64 item) const;
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    qint64 m_dataSize = 0;
};

} // namespace k7x
