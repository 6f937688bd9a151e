#include "vog/core/Shapes.h"

#include <algorithm>

namespace vog::shapes {

int floodFill(Plane &plane, int sizeX, int sizeY, int x, int y, std::uint8_t value,
              FillStack &stack)
{
    if (x < 0 || y < 0 || x >= sizeX || y >= sizeY)
        return 0;
    const std::uint8_t old = plane[cellIndex(x, y)];
    if (old == value)
        return 0;
    // Span by span: a seed grows to the whole run of the old value in its
    // row, which is filled at once; the runs touching it above and below get
    // a seed each. A cell is seeded at most once from each side, so the stack
    // holds at most twice the planes' cells.
    std::vector<std::uint16_t> &seeds = stack.cells();
    seeds.clear();
    int changed = 0;
    seeds.push_back(static_cast<std::uint16_t>(cellIndex(x, y)));
    auto seedRuns = [&](int row, int left, int right) {
        if (row < 0 || row >= sizeY)
            return;
        const std::uint8_t *cells = &plane[cellIndex(0, row)];
        for (int cx = left; cx <= right; ++cx) {
            if (cells[cx] == old && (cx == left || cells[cx - 1] != old))
                seeds.push_back(static_cast<std::uint16_t>(cellIndex(cx, row)));
        }
    };
    while (!seeds.empty()) {
        const int seed = seeds.back();
        seeds.pop_back();
        const int row = seed / kPlaneSide;
        std::uint8_t *cells = &plane[cellIndex(0, row)];
        int left = seed % kPlaneSide;
        if (cells[left] != old)
            continue;
        int right = left;
        while (left > 0 && cells[left - 1] == old)
            --left;
        while (right + 1 < sizeX && cells[right + 1] == old)
            ++right;
        std::fill(cells + left, cells + right + 1, value);
        changed += right - left + 1;
        seedRuns(row - 1, left, right);
        seedRuns(row + 1, left, right);
    }
    return changed;
}

} // namespace vog::shapes
