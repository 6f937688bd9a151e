#include "vog/VogPaint.h"

#include <algorithm>
#include <cstring>

namespace vog::paint {
namespace {

void fill(QImage &image, int x, int y, int w, int h, QRgb colour)
{
    const QRect area = QRect(x, y, w, h).intersected(image.rect());
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        std::fill(line + area.left(), line + area.right() + 1, colour);
    }
}

// The colour of a shown dot: the main plane, or inside a set selection the floating
// content over it (an empty cell lets the main plane show through, greyed).
QRgb dotColour(const DotModel &model, const Rect &selection, bool inSelection, int c, int r,
               const ShownShape &shape)
{
    if (shape.mask && shape.mask->covers(c, r))
        return penCell(shape.pen, model.mainCell(c, r)) != White ? blackDot : whiteDot;
    if (inSelection) {
        const std::uint8_t cell = model.overlayCell(c - selection.left, r - selection.top);
        if (cell != Empty)
            return cell != White ? floatingBlack : whiteDot;
        return model.mainCell(c, r) != White ? blackUnderEmpty : whiteDot;
    }
    return model.mainCell(c, r) != White ? blackDot : whiteDot;
}

} // namespace

void renderDots(QImage &image, const DotModel &model, const View &view, ShownShape shape)
{
    const int width = image.width();
    const int p = view.pitch();
    const int columns = view.shownColumns();
    const int rows = view.shownRows();
    const Rect selection = model.selection();
    const bool selSet = model.SelSet();

    // Every row of pixels that crosses dots is the same for the whole height of a
    // dot, so each dot row is built once and copied.
    const int lineBytes = width * static_cast<int>(sizeof(QRgb));
    for (int r = 0; r < rows; ++r) {
        const int top = r * p;
        fill(image, 0, top, width, view.dotGap, gridColour);
        const int dotTop = top + view.dotGap;
        if (dotTop >= image.height())
            break;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(dotTop));
        std::fill(line, line + width, gridColour);
        const int row = r + view.fromY;
        const bool rowInSelection = selSet && row >= selection.top && row <= selection.bottom;
        for (int c = 0; c < columns; ++c) {
            const int column = c + view.fromX;
            const bool inSelection =
                rowInSelection && column >= selection.left && column <= selection.right;
            const int left = c * p + view.dotGap;
            const int right = std::min(left + view.dotSize, width);
            std::fill(line + left, line + right,
                      dotColour(model, selection, inSelection, column, row, shape));
        }
        const int bottom = std::min(dotTop + view.dotSize, image.height());
        for (int y = dotTop + 1; y < bottom; ++y)
            std::memcpy(image.scanLine(y), line, static_cast<std::size_t>(lineBytes));
    }
    // Below the last shown row all is grid; right of the last shown column each
    // dot row above was left in the grid colour.
    const int gridBottom = rows * p;
    fill(image, 0, gridBottom, width, image.height() - gridBottom, gridColour);
}

QRect renderDotsIn(QImage &image, const DotModel &model, const View &view, const Rect &dots,
                   ShownShape shape)
{
    const Rect selection = model.selection();
    const bool selSet = model.SelSet();
    const int first = std::max(dots.left, view.fromX);
    const int last = std::min(dots.right, view.fromX + view.shownColumns() - 1);
    const int top = std::max(dots.top, view.fromY);
    const int bottom = std::min(dots.bottom, view.fromY + view.shownRows() - 1);
    if (first > last || top > bottom)
        return {};
    const int p = view.pitch();
    for (int r = top; r <= bottom; ++r) {
        const bool rowInSelection = selSet && r >= selection.top && r <= selection.bottom;
        for (int c = first; c <= last; ++c) {
            const bool inSelection = rowInSelection && c >= selection.left && c <= selection.right;
            fill(image, (c - view.fromX) * p + view.dotGap, (r - view.fromY) * p + view.dotGap,
                 view.dotSize, view.dotSize, dotColour(model, selection, inSelection, c, r, shape));
        }
    }
    const QRect painted((first - view.fromX) * p + view.dotGap,
                        (top - view.fromY) * p + view.dotGap, (last - first) * p + view.dotSize,
                        (bottom - top) * p + view.dotSize);
    return painted.intersected(image.rect());
}

QRect drawFrame(QImage &image, const View &view, const Rect &selection, bool visible, bool dashed)
{
    const QRgb colour = visible ? frameColour : gridColour;
    const FrameEdges frame = frameEdges(view, selection);
    QRect painted;
    for (const Strip &edge : frame.edges) {
        if (edge.width <= 0 || edge.height <= 0)
            continue;
        if (dashed) {
            forEachDash(edge, view.dotGap,
                        [&](int x, int y, int w, int h) { fill(image, x, y, w, h, colour); });
        } else {
            fill(image, edge.x, edge.y, edge.width, edge.height, colour);
        }
        painted |= QRect(edge.x, edge.y, edge.width, edge.height);
    }
    return painted.intersected(image.rect());
}

} // namespace vog::paint
