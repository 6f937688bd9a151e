#pragma once

#include "builder/K7xLayout.h"

#include <QByteArrayView>
#include <QStringView>

class QIODevice;

namespace k7x {

// Streams an extended firmware file in one pass, in file order: image, header
// and jump table, the items' bytes, checksum. Nothing is held back, so the
// device may be a pipe. Each call returns false when the device refused a
// write; the device's own error tells why.
class Writer
{
public:
    explicit Writer(QIODevice &device) : m_device(device) {}

    // Exactly the first ImageSize bytes of the original.
    bool writeImage(QByteArrayView image);
    bool writeHeader(const JumpTable &table, QStringView label = defaultLabel());
    // The items' bytes in table order, in pieces of any size.
    bool writeData(QByteArrayView bytes);
    bool writeChecksum();

private:
    bool put(QByteArrayView bytes);

    QIODevice &m_device;
    Checksum m_checksum;
    qint64 m_dataExpected = 0;
    qint64 m_dataWritten = 0;
};

} // namespace k7x
