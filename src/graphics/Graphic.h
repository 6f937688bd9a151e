#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// A dot graphic as a graphic item file holds it: width in dots, height in bands
// of eight dot rows, then the column bytes band by band from the top, each band
// column by column from the left, the top row of a band in the lowest bit.
namespace graphics {

inline constexpr int MaxWidth = 128;
inline constexpr int MaxBands = 16;
inline constexpr int BandHeight = 8;

class Graphic
{
public:
    Graphic() = default;
    // All white; width 1..MaxWidth, bands 1..MaxBands.
    Graphic(int width, int bands);

    int width() const { return m_width; }
    int bands() const { return m_bands; }
    int height() const { return m_bands * BandHeight; }
    bool isNull() const { return m_width == 0; }

    bool dot(int x, int y) const;
    void setDot(int x, int y, bool black);

    // The column bytes alone, band by band.
    const QByteArray &columns() const { return m_columns; }
    // The item file: header and column bytes.
    QByteArray fileBytes() const;
    qsizetype fileSize() const { return 2 + m_columns.size(); }

    friend bool operator==(const Graphic &, const Graphic &) = default;

private:
    friend std::optional<Graphic> decode(QByteArrayView file);
    int m_width = 0;
    int m_bands = 0;
    QByteArray m_columns;
};

// An item file read as the graphic editor reads it: a header of width 1..128
// and 1..16 bands is accepted, bytes missing at the end are white and surplus
// bytes are ignored. Any other header (an empty file too) gives nothing.
std::optional<Graphic> decode(QByteArrayView file);

// Why decode refused a file, in a few words: "Not a graphic: width 0, 0 bands".
QString invalidReason(QByteArrayView file);

// "104 x 56 dots (7 bands)".
QString sizeText(const Graphic &graphic);

} // namespace graphics
