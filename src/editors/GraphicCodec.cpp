#include "editors/GraphicCodec.h"

#include "editors/ItemLimits.h"
#include "project/TextFields.h"

#include <algorithm>
#include <cmath>

namespace graphiccodec {

QString bytesToDotText(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size() * 5);
    for (const char byte : bytes) {
        text += QLatin1Char(' ');
        text += QString::number(static_cast<unsigned char>(byte));
        text += QLatin1Char(',');
    }
    return text;
}

namespace {

char toByte(double value)
{
    // Rounds half to even, as the conversion the text was made for does.
    const double rounded = std::nearbyint(value);
    if (!(rounded > 0))
        return 0;
    if (rounded > 255)
        return static_cast<char>(255);
    return static_cast<char>(static_cast<unsigned char>(rounded));
}

} // namespace

QByteArray dotTextToBytes(QStringView text)
{
    QByteArray bytes;
    if (text.isEmpty())
        return bytes;
    bytes.reserve(text.size() / 4 + 1);
    qsizetype pos = 0; // 0-based index of the current position
    for (;;) {
        // The leading-number reading stops at the next comma, so reading only
        // up to it gives the same number without rescanning the rest.
        const qsizetype comma = text.indexOf(QLatin1Char(','), pos);
        const QStringView number = comma < 0 ? text.mid(pos) : text.mid(pos, comma - pos);
        bytes.append(toByte(textfields::LeadingNumber(number)));
        if (pos + 1 >= text.size())
            break;
        const qsizetype next = text.indexOf(QLatin1Char(','), pos + 1);
        if (next < 0)
            break;
        pos = next + 1;
    }
    return bytes;
}

int bandCount(int heightInDots)
{
    return heightInDots <= 0 ? 0 : (heightInDots + 7) / 8;
}

bool sizeInRange(int width, int heightInDots, const GraphicLimits &limits)
{
    const int bands = bandCount(heightInDots);
    return limits.minWidth <= width && width <= limits.maxWidth && limits.minBands <= bands &&
           bands <= limits.maxBands;
}

WholeLift liftWhole(const QByteArray &graphic, int heightInDots)
{
    if (graphic.size() < 2)
        return {};
    const int width = static_cast<unsigned char>(graphic[0]);
    const int bands = static_cast<unsigned char>(graphic[1]);
    // Bits of the last band's bytes for rows at or below the height.
    const int shownInLast = std::clamp(heightInDots - 8 * (bands - 1), 0, 8);
    const auto hidden = static_cast<unsigned char>(0xFF << shownInLast);
    QByteArray rest = graphic;
    QByteArray floating = graphic;
    floating[1] = static_cast<char>(heightInDots);
    for (qsizetype i = 2; i < rest.size(); ++i) {
        const bool lastBand = (i - 2) / std::max(width, 1) == bands - 1;
        rest[i] = static_cast<char>(lastBand ? static_cast<unsigned char>(rest[i]) & hidden : 0);
    }
    return {bytesToDotText(rest), bytesToDotText(floating)};
}

QString invalidSizeText()
{
    return QStringLiteral("Current Graphic size is invalid");
}

} // namespace graphiccodec
