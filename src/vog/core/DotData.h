#pragma once

#include "vog/core/DotState.h"

#include <cstdint>
#include <string>
#include <string_view>

// Dot data strings ("002,001,001,000") and the band packing they share with
// the clipboard bytes: a band is eight rows, one byte per column, the top row
// in bit 0. Only a cell of exactly 1 encodes as a set bit.
namespace vog::dotdata {

// Reads comma-separated numbers the lenient way stored strings rely on: only
// the last three digits of a field count, other characters are skipped, a
// field without digits or past the end reads 0, values wrap modulo 256.
class NumberReader
{
public:
    explicit NumberReader(std::string_view text) : m_text(text) {}
    std::uint8_t next();

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Band `band` of columns 0..width-1 into out[0..width-1].
void packBand(const Plane &plane, int band, int width, std::uint8_t *out);
// Sets cells (j, 8 * band + k) to bit k of in[j], 0 or 1.
void unpackBand(Plane &plane, int band, int width, const std::uint8_t *in);

constexpr int bandsFor(int rows)
{
    return (rows + 7) / 8;
}

// Header numbers first, then `bands` bands of `width` column bytes.
std::string encode(const Plane &plane, int headerFirst, int headerSecond, int width, int bands);
// Reads `bands` bands of `width` numbers from the reader into the plane.
void decode(NumberReader &reader, Plane &plane, int width, int bands);

} // namespace vog::dotdata
