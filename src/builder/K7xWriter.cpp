#include "builder/K7xWriter.h"

#include <QIODevice>

namespace k7x {

bool Writer::put(QByteArrayView bytes)
{
    m_checksum.add(bytes);
    return m_device.write(bytes.data(), bytes.size()) == bytes.size();
}

bool Writer::writeImage(QByteArrayView image)
{
    Q_ASSERT(image.size() == ImageSize);
    // The image is not covered by the checksum.
    return m_device.write(image.data(), image.size()) == image.size();
}

bool Writer::writeHeader(const JumpTable &table, QStringView label)
{
    m_dataExpected = table.dataSize();
    return put(header(static_cast<quint32>(table.resourceLength()),
                      static_cast<quint16>(table.count()), label)) &&
           put(table.bytes());
}

bool Writer::writeData(QByteArrayView bytes)
{
    m_dataWritten += bytes.size();
    Q_ASSERT(m_dataWritten <= m_dataExpected);
    return put(bytes);
}

bool Writer::writeChecksum()
{
    Q_ASSERT(m_dataWritten == m_dataExpected);
    const QByteArray stored = m_checksum.storedBytes();
    return m_device.write(stored) == stored.size();
}

} // namespace k7x
