#include "graphics/Graphic.h"

#include <QtGlobal>

#include <algorithm>

namespace graphics {

Graphic::Graphic(int width, int bands)
    : m_width(width), m_bands(bands), m_columns(qsizetype(width) * bands, '\0')
{
    Q_ASSERT(width >= 1 && width <= MaxWidth && bands >= 1 && bands <= MaxBands);
}

bool Graphic::dot(int x, int y) const
{
    Q_ASSERT(x >= 0 && x < m_width && y >= 0 && y < height());
    const auto column = static_cast<unsigned char>(m_columns[(y / BandHeight) * m_width + x]);
    return (column >> (y % BandHeight)) & 1;
}

void Graphic::setDot(int x, int y, bool black)
{
    Q_ASSERT(x >= 0 && x < m_width && y >= 0 && y < height());
    char &column = m_columns[(y / BandHeight) * m_width + x];
    const auto bit = static_cast<unsigned char>(1u << (y % BandHeight));
    column = static_cast<char>(black ? static_cast<unsigned char>(column) | bit
                                     : static_cast<unsigned char>(column) & ~bit);
}

QByteArray Graphic::fileBytes() const
{
    QByteArray bytes;
    bytes.reserve(fileSize());
    bytes.append(static_cast<char>(m_width));
    bytes.append(static_cast<char>(m_bands));
    bytes.append(m_columns);
    return bytes;
}

namespace {

bool headerAccepted(QByteArrayView file)
{
    if (file.size() < 2)
        return false;
    const int width = static_cast<unsigned char>(file[0]);
    const int bands = static_cast<unsigned char>(file[1]);
    return width >= 1 && width <= MaxWidth && bands >= 1 && bands <= MaxBands;
}

} // namespace

std::optional<Graphic> decode(QByteArrayView file)
{
    if (!headerAccepted(file))
        return std::nullopt;
    Graphic graphic(static_cast<unsigned char>(file[0]), static_cast<unsigned char>(file[1]));
    const qsizetype present = std::min(graphic.m_columns.size(), file.size() - 2);
    std::copy_n(file.data() + 2, present, graphic.m_columns.data());
    return graphic;
}

QString invalidReason(QByteArrayView file)
{
    if (file.isEmpty())
        return QStringLiteral("Not a graphic: the file is empty");
    if (file.size() < 2)
        return QStringLiteral("Not a graphic: the file holds 1 byte");
    if (headerAccepted(file))
        return {};
    return QStringLiteral("Not a graphic: width %1, %2 bands")
        .arg(static_cast<unsigned char>(file[0]))
        .arg(static_cast<unsigned char>(file[1]));
}

QString sizeText(const Graphic &graphic)
{
    return QStringLiteral("%1 x %2 dots (%3 %4)")
        .arg(graphic.width())
        .arg(graphic.height())
        .arg(graphic.bands())
        .arg(graphic.bands() == 1 ? QStringLiteral("band") : QStringLiteral("bands"));
}

} // namespace graphics
