#include "vog/core/DotData.h"

#include <array>

namespace vog::dotdata {

std::uint8_t NumberReader::next()
{
    int hundreds = 0, tens = 0, units = 0;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos++];
        if (c == ',')
            break;
        if (c >= '0' && c <= '9') {
            hundreds = tens;
            tens = units;
            units = c - '0';
        }
    }
    return static_cast<std::uint8_t>((hundreds * 100 + tens * 10 + units) % 256);
}

void packBand(const Plane &plane, int band, int width, std::uint8_t *out)
{
    for (int j = 0; j < width; ++j)
        out[j] = 0;
    for (int k = 0; k < 8; ++k) {
        const std::uint8_t *row = plane.data() + cellIndex(0, 8 * band + k);
        for (int j = 0; j < width; ++j)
            out[j] |= static_cast<std::uint8_t>((row[j] == 1) << k);
    }
}

void unpackBand(Plane &plane, int band, int width, const std::uint8_t *in)
{
    for (int k = 0; k < 8; ++k) {
        std::uint8_t *row = plane.data() + cellIndex(0, 8 * band + k);
        for (int j = 0; j < width; ++j)
            row[j] = (in[j] >> k) & 1;
    }
}

namespace {

// "000".."255", three characters each.
constexpr std::array<char, 256 * 3> makeDigits()
{
    std::array<char, 256 * 3> d{};
    for (int v = 0; v < 256; ++v) {
        d[3 * v] = static_cast<char>('0' + v / 100);
        d[3 * v + 1] = static_cast<char>('0' + v / 10 % 10);
        d[3 * v + 2] = static_cast<char>('0' + v % 10);
    }
    return d;
}
constexpr auto kDigits = makeDigits();

char *put(char *p, int value)
{
    const char *d = &kDigits[3 * value];
    p[0] = d[0];
    p[1] = d[1];
    p[2] = d[2];
    p[3] = ',';
    return p + 4;
}

} // namespace

std::string encode(const Plane &plane, int headerFirst, int headerSecond, int width, int bands)
{
    const std::size_t numbers = 2 + static_cast<std::size_t>(width) * bands;
    std::string text(numbers * 4, ',');
    char *p = text.data();
    p = put(p, headerFirst);
    p = put(p, headerSecond);
    std::array<std::uint8_t, kPlaneSide> bytes;
    for (int i = 0; i < bands; ++i) {
        packBand(plane, i, width, bytes.data());
        for (int j = 0; j < width; ++j)
            p = put(p, bytes[j]);
    }
    text.pop_back(); // no trailing comma
    return text;
}

void decode(NumberReader &reader, Plane &plane, int width, int bands)
{
    std::array<std::uint8_t, kPlaneSide> bytes;
    for (int i = 0; i < bands; ++i) {
        for (int j = 0; j < width; ++j)
            bytes[j] = reader.next();
        unpackBand(plane, i, width, bytes.data());
    }
}

} // namespace vog::dotdata
