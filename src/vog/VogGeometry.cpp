#include "vog/VogGeometry.h"

#include <algorithm>

namespace vog {

int View::shownColumns() const
{
    return std::clamp(std::min(sizeX - fromX, visibleColumns()), 0, sizeX);
}

int View::shownRows() const
{
    return std::clamp(std::min(sizeY - fromY, visibleRows()), 0, sizeY);
}

Hit hitTest(const View &view, int x, int y, bool exact)
{
    const int p = view.pitch();
    const int gridWidth = view.visibleColumns() * p;
    const int gridHeight = view.visibleRows() * p;
    Hit hit;
    hit.inside = x < gridWidth && y < gridHeight;
    x = std::min(x, gridWidth);
    y = std::min(y, gridHeight);
    // Division truncates toward zero, so a point just left of or above the window
    // still maps to the first shown column or row.
    const int column = x / p;
    const int row = y / p;
    if (!exact && (x % p < view.dotGap || y % p < view.dotGap))
        hit.inside = false;
    hit.column = column + view.fromX;
    hit.row = row + view.fromY;
    if (hit.column > view.sizeX - 1 || hit.column < 0) {
        hit.column = std::clamp(hit.column, 0, view.sizeX - 1);
        hit.inside = false;
    }
    if (hit.row > view.sizeY - 1 || hit.row < 0) {
        hit.row = std::clamp(hit.row, 0, view.sizeY - 1);
        hit.inside = false;
    }
    return hit;
}

Handle hitHandle(const View &view, const Rect &selection, int x, int y)
{
    const int p = view.pitch();
    const int left = (selection.left - view.fromX) * p;
    const int right = (selection.right + 1 - view.fromX) * p;
    const int top = (selection.top - view.fromY) * p;
    const int bottom = (selection.bottom + 1 - view.fromY) * p;
    if (x < 0 || y < 0 || x > view.width || y > view.height)
        return Handle::Outside;
    if (x < left || x >= right || y < top || y >= bottom)
        return Handle::Outside;
    const int half = view.dotSize / 2;
    const bool nearLeft = x < left + view.dotGap + half;
    const bool nearRight = !nearLeft && x >= right - view.dotGap - half;
    const bool nearTop = y < top + view.dotGap + half;
    const bool nearBottom = !nearTop && y >= bottom - view.dotGap - half;
    if (nearTop)
        return nearLeft ? Handle::TopLeft : nearRight ? Handle::TopRight : Handle::Top;
    if (nearBottom)
        return nearLeft ? Handle::BottomLeft : nearRight ? Handle::BottomRight : Handle::Bottom;
    if (nearLeft)
        return Handle::Left;
    if (nearRight)
        return Handle::Right;
    return Handle::Inside;
}

namespace {

// Division that rounds toward minus infinity, so pixels left of or above the
// window lie on dots before the origin.
int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

ToolPoint toolPoint(const View &view, const Rect &selection, int x, int y)
{
    ToolPoint point;
    const Hit nearest = hitTest(view, x, y, true);
    point.nearest = Dot{nearest.column, nearest.row};
    point.inside = nearest.inside;
    point.onSquare = hitTest(view, x, y, false).inside;
    point.dot = Dot{floorDiv(x, view.pitch()) + view.fromX, floorDiv(y, view.pitch()) + view.fromY};
    point.handle = hitHandle(view, selection, x, y);
    return point;
}

FrameEdges frameEdges(const View &view, const Rect &selection)
{
    const int p = view.pitch();
    const int gap = view.dotGap;
    // Lines around the selected dots, counted from the first shown line.
    const int leftLine = std::max(selection.left, 0) - view.fromX;
    const int rightLine = std::min(selection.right + 1, view.sizeX) - view.fromX;
    const int topLine = std::max(selection.top, 0) - view.fromY;
    const int bottomLine = std::min(selection.bottom + 1, view.sizeY) - view.fromY;
    const int columns = view.shownColumns();
    const int rows = view.shownRows();

    // Extent along an edge: from the line before the first shown selected dot to
    // the end of the line after the last one.
    const int firstColumnLine = std::max(leftLine, 0);
    const int lastColumnLine = std::min(rightLine, columns);
    const int firstRowLine = std::max(topLine, 0);
    const int lastRowLine = std::min(bottomLine, rows);
    const bool spansColumns = firstColumnLine < lastColumnLine;
    const bool spansRows = firstRowLine < lastRowLine;

    auto vertical = [&](int line) {
        if (!spansRows || line < 0 || line > columns)
            return Strip{};
        return Strip{line * p, firstRowLine * p, gap, (lastRowLine - firstRowLine) * p + gap};
    };
    auto horizontal = [&](int line) {
        if (!spansColumns || line < 0 || line > rows)
            return Strip{};
        return Strip{firstColumnLine * p, line * p, (lastColumnLine - firstColumnLine) * p + gap,
                     gap};
    };
    return FrameEdges{
        {vertical(leftLine), vertical(rightLine), horizontal(topLine), horizontal(bottomLine)}};
}

} // namespace vog
