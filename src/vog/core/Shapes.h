#pragma once

#include "vog/core/DotState.h"

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

// The dots of lines, rectangles and ellipses, and the flood fill. Shapes hand
// every dot to a callback, off the graphic as well: the caller clips.
namespace vog::shapes {

// Every dot on the straight line from (x0, y0) to (x1, y1), both ends
// included, each once, in order from the first.
template <class Plot> void line(int x0, int y0, int x1, int y1, Plot plot)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x0, y0);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// The rectangle with corners (x0, y0) and (x1, y1), in either order.
template <class Plot> void rectangle(int x0, int y0, int x1, int y1, bool filled, Plot plot)
{
    const int left = x0 < x1 ? x0 : x1, right = x0 < x1 ? x1 : x0;
    const int top = y0 < y1 ? y0 : y1, bottom = y0 < y1 ? y1 : y0;
    for (int y = top; y <= bottom; ++y) {
        const bool edgeRow = y == top || y == bottom;
        for (int x = left; x <= right; ++x)
            if (filled || edgeRow || x == left || x == right)
                plot(x, y);
    }
}

// The ellipse inscribed in the box with corners (x0, y0) and (x1, y1), in
// either order: it touches all four sides and is symmetric in both axes.
// Filled, each row from its left to its right outline dot. A dot may be
// handed over more than once.
template <class Plot> void ellipse(int x0, int y0, int x1, int y1, bool filled, Plot plot)
{
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    // Four quadrants stepped together along the error of the implicit
    // equation, in 64 bits (the terms grow with the fourth power of the size).
    std::int64_t a = x1 - x0, b = y1 - y0;
    const std::int64_t b1 = b & 1;
    std::int64_t dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    std::int64_t err = dx + dy + b1 * a * a;
    int top = y0 + static_cast<int>((b + 1) / 2);
    int bottom = top - static_cast<int>(b1);
    const std::int64_t a8 = 8 * a * a, b8 = 8 * b * b;
    auto span = [&](int left, int right, int y) {
        if (filled) {
            for (int x = left; x <= right; ++x)
                plot(x, y);
        } else {
            plot(left, y);
            plot(right, y);
        }
    };
    do {
        span(x0, x1, top);
        span(x0, x1, bottom);
        const std::int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++top;
            --bottom;
            err += dy += a8;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += b8;
        }
    } while (x0 <= x1);
    // A flat ellipse (one or two columns) ends early: finish its tips.
    while (top - bottom <= b) {
        span(x0 - 1, x1 + 1, top++);
        span(x0 - 1, x1 + 1, bottom--);
    }
}

// Room for every cell of the planes, made once and kept by the caller, so a
// fill allocates nothing.
class FillStack
{
public:
    FillStack() { m_cells.reserve(2 * static_cast<std::size_t>(kPlaneCells)); }
    std::vector<std::uint16_t> &cells() { return m_cells; }

private:
    std::vector<std::uint16_t> m_cells;
};

// The 4-connected region of (x, y)'s value within sizeX x sizeY takes `value`.
// Returns the number of cells changed (0 when the region holds it already).
int floodFill(Plane &plane, int sizeX, int sizeY, int x, int y, std::uint8_t value,
              FillStack &stack);

} // namespace vog::shapes
