#pragma once

// First, so that the modes' scoped White and Black are always declared before
// the cell values below: GCC 12's -Wshadow takes them for shadows otherwise.
#include "vog/core/EditModes.h"

#include <array>
#include <cstdint>

// The plain data of a dot graphic: two fixed planes, the size and the
// selection. This is exactly what one undo snapshot holds.
namespace vog {

inline constexpr int kPlaneSide = 128;
inline constexpr int kPlaneCells = kPlaneSide * kPlaneSide;

// Cells row by row, 128 to a row whatever the graphic's width.
using Plane = std::array<std::uint8_t, kPlaneCells>;

constexpr int cellIndex(int x, int y)
{
    return y * kPlaneSide + x;
}

constexpr Plane filledPlane(std::uint8_t value)
{
    Plane p{};
    p.fill(value);
    return p;
}

// Overlay cell values. The main plane holds only White and Black.
inline constexpr std::uint8_t White = 0;
inline constexpr std::uint8_t Black = 1;
inline constexpr std::uint8_t Empty = 2;

enum SelState : std::int16_t {
    SelNone = 0,
    SelDragging = 1,
    SelMarked = 2,
    SelResizing = 3,
    SelFloating = 4,
};

// Inclusive bounds of a normalised selection.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

struct DotState
{
    Plane main{};                       // committed dots, 0 or 1
    Plane overlay = filledPlane(Empty); // floating content, relative to the selection's top-left
    std::int16_t sizeX = 32;
    std::int16_t sizeY = 32;
    bool selSet = false;
    SelState selState = SelNone;
    std::int16_t selPosX1 = 0;
    std::int16_t selPosY1 = 0;
    std::int16_t selPosX2 = 0;
    std::int16_t selPosY2 = 0;

    bool operator==(const DotState &) const = default;
};

} // namespace vog
