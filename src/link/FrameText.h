#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Frames as a person reads them, for the program's frame log and the
// simulator's alike.
namespace frametext {

// "02 31 31": each byte as two lower-case hex digits.
QString hex(QByteArrayView bytes);
// "<STX>11DV0005C10A<ETX>": printable characters as they are, the protocol's
// control characters by name, any other byte as <xx>.
QString decoded(QByteArrayView bytes);
// "HH:mm:ss.zzz" in local time.
QString time(qint64 msecsSinceEpoch);
// "time direction hex | decoded".
QString line(qint64 msecsSinceEpoch, QStringView direction, QByteArrayView bytes);

} // namespace frametext
