#include "vog/core/Shapes.h"

namespace vog::shapes {

int floodFill(Plane &plane, int sizeX, int sizeY, int x, int y, std::uint8_t value,
              FillStack &stack)
{
    if (x < 0 || y < 0 || x >= sizeX || y >= sizeY)
        return 0;
    const std::uint8_t old = plane[cellIndex(x, y)];
    if (old == value)
        return 0;
    // A cell takes the value as it is pushed, so none is pushed twice and the
    // stack never holds more than the planes have cells.
    std::vector<std::uint16_t> &todo = stack.cells();
    todo.clear();
    int changed = 0;
    auto visit = [&](int cx, int cy) {
        const int i = cellIndex(cx, cy);
        if (plane[i] != old)
            return;
        plane[i] = value;
        ++changed;
        todo.push_back(static_cast<std::uint16_t>(i));
    };
    visit(x, y);
    while (!todo.empty()) {
        const int i = todo.back();
        todo.pop_back();
        const int cx = i % kPlaneSide, cy = i / kPlaneSide;
        if (cx > 0)
            visit(cx - 1, cy);
        if (cx + 1 < sizeX)
            visit(cx + 1, cy);
        if (cy > 0)
            visit(cx, cy - 1);
        if (cy + 1 < sizeY)
            visit(cx, cy + 1);
    }
    return changed;
}

} // namespace vog::shapes
