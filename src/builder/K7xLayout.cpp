#include "builder/K7xLayout.h"

#include "platform/CodePage.h"

#include <QtEndian>

namespace k7x {

QByteArray labelField(QStringView label)
{
    const QByteArray text = codepage::encode(label.left(MaxLabelLength));
    QByteArray field(LabelFieldSize, '\0');
    field[0] = static_cast<char>(text.size());
    field.replace(1, text.size(), text);
    return field;
}

QByteArray header(quint32 resourceLength, quint16 itemCount, QStringView label)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(resourceLength, bytes.data());
    bytes.append(FormatBytes, sizeof FormatBytes);
    bytes.append(labelField(label));
    char count[2];
    qToBigEndian(itemCount, count);
    bytes.append(count, sizeof count);
    Q_ASSERT(bytes.size() == HeaderSize);
    return bytes;
}

QByteArray encodeEntry(const Entry &entry)
{
    QByteArray bytes(EntrySize, '\0');
    qToBigEndian(entry.offset, bytes.data());
    qToBigEndian(entry.length, bytes.data() + 4);
    return bytes;
}

Entry decodeEntry(QByteArrayView eightBytes)
{
    Q_ASSERT(eightBytes.size() >= 6);
    return {qFromBigEndian<quint32>(eightBytes.data()),
            qFromBigEndian<quint16>(eightBytes.data() + 4)};
}

void Checksum::add(QByteArrayView bytes)
{
    // Sum in a wide accumulator and fold once; the modulo makes this exact.
    quint64 sum = m_sum;
    for (const char byte : bytes)
        sum += static_cast<unsigned char>(byte);
    m_sum = static_cast<quint16>(sum & 0xFFFF);
}

QByteArray Checksum::storedBytes() const
{
    QByteArray bytes(ChecksumSize, '\0');
    qToBigEndian(stored(), bytes.data());
    return bytes;
}

JumpTable::Added JumpTable::add(qint64 length)
{
    Q_ASSERT(length >= 0);
    if (length > MaxItemSize)
        return Added::ItemTooBig;
    if (count() >= MaxItems)
        return Added::TooManyItems;
    if (k7x::resourceLength(count() + 1, m_dataSize + length) > MaxResourceLength)
        return Added::AreaTooBig;
    m_bytes.append(encodeEntry({static_cast<quint32>(m_dataSize), static_cast<quint16>(length)}));
    m_dataSize += length;
    return Added::Ok;
}

Entry JumpTable::at(qint64 item) const
{
    Q_ASSERT(item >= 0 && item < count());
    return decodeEntry(QByteArrayView(m_bytes).sliced(item * EntrySize, EntrySize));
}

} // namespace k7x
