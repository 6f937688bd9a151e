#include "link/FrameText.h"

#include "link/Frame.h"

#include <QDateTime>

namespace frametext {

QString hex(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(' '));
}

QString decoded(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (c == frame::STX)
            text += QStringLiteral("<STX>");
        else if (c == frame::ETX)
            text += QStringLiteral("<ETX>");
        else if (c == frame::CR)
            text += QStringLiteral("<CR>");
        else if (code < 0x20 || code > 0x7E)
            text += QStringLiteral("<%1>").arg(code, 2, 16, QLatin1Char('0'));
        else
            text += QLatin1Char(c);
    }
    return text;
}

QString time(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch).toString(QStringLiteral("HH:mm:ss.zzz"));
}

QString line(qint64 msecsSinceEpoch, QStringView direction, QByteArrayView bytes)
{
    return time(msecsSinceEpoch) + QLatin1Char(' ') + direction.toString() + QLatin1Char(' ') +
           hex(bytes) + QStringLiteral(" | ") + decoded(bytes);
}

} // namespace frametext
