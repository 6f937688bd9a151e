#include "vog/core/DotModel.h"

#include <algorithm>
#include <array>
#include <utility>

// Paint, mirror, rotate and tight bound: each works on the normalised
// rectangle of the active plane (absolute on the main plane, relative to the
// selection's top-left on the overlay).
namespace vog {

DotModel::Region DotModel::activeRegion(const Rect &r)
{
    if (mainIsActive())
        return Region{&m_state.main[cellIndex(r.left, r.top)], r.width(), r.height()};
    return Region{m_state.overlay.data(), r.width(), r.height()};
}

void DotModel::PaintSelection(PaintMode mode)
{
    if (!m_state.selSet)
        return;
    const bool onMain = mainIsActive();
    const Region a = activeRegion(selection());
    for (int y = 0; y < a.h; ++y) {
        std::uint8_t *row = &a.at(0, y);
        for (int x = 0; x < a.w; ++x) {
            std::uint8_t &c = row[x];
            if (mode == PaintMode::White)
                c = White;
            else if (mode == PaintMode::Black)
                c = Black;
            else if (onMain)
                c = c == White ? Black : White;
            else if (c == White || c == Black)
                c = c == White ? Black : White; // empty cells stay empty
        }
    }
}

void DotModel::MirrorSelection(bool hor)
{
    if (!m_state.selSet)
        return;
    const Region a = activeRegion(selection());
    if (hor) {
        for (int y = 0; y < a.h; ++y)
            for (int x = 0; x <= (a.w - 1) / 2; ++x)
                std::swap(a.at(x, y), a.at(a.w - 1 - x, y));
    } else {
        for (int y = 0; y <= (a.h - 1) / 2; ++y)
            for (int x = 0; x < a.w; ++x)
                std::swap(a.at(x, y), a.at(x, a.h - 1 - y));
    }
}

bool DotModel::RotateSelection(Turn turn)
{
    if (!m_state.selSet)
        return true;
    const Rect r = selection();
    const Region a = activeRegion(r);
    const int w = a.w, h = a.h;
    if (turn == Turn::Half) {
        // A half turn reverses the cells in reading order.
        const int n = w * h;
        for (int i = 0; i < n / 2; ++i) {
            const int j = n - 1 - i;
            std::swap(a.at(i % w, i / w), a.at(j % w, j / w));
        }
        return true;
    }
    if (w > m_state.sizeY || h > m_state.sizeX)
        return false;

    // Turn about the centre, then shift the turned rectangle into the graphic.
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom + 1) / 2;
    Rect n{cx - (r.bottom - cy), cy - (r.right - cx), cx + (cy - r.top), cy + (cx - r.left)};
    if (n.left < 0) {
        n.right -= n.left;
        n.left = 0;
    }
    if (n.top < 0) {
        n.bottom -= n.top;
        n.top = 0;
    }
    if (n.right >= m_state.sizeX) {
        n.left -= n.right - (m_state.sizeX - 1);
        n.right = m_state.sizeX - 1;
    }
    if (n.bottom >= m_state.sizeY) {
        n.top -= n.bottom - (m_state.sizeY - 1);
        n.bottom = m_state.sizeY - 1;
    }

    // h columns by w rows.
    std::array<std::uint8_t, kPlaneCells> turned;
    const bool counterClockwise = turn == Turn::CounterClockwise;
    for (int dy = 0; dy < h; ++dy) {
        for (int dx = 0; dx < w; ++dx) {
            const int row = counterClockwise ? w - 1 - dx : dx;
            const int col = counterClockwise ? dy : h - 1 - dy;
            turned[row * h + col] = a.at(dx, dy);
        }
    }

    std::uint8_t *target = m_state.overlay.data();
    if (mainIsActive()) {
        for (int dy = 0; dy < h; ++dy)
            std::fill_n(&a.at(0, dy), w, White);
        target = &m_state.main[cellIndex(n.left, n.top)];
    }
    for (int row = 0; row < w; ++row)
        std::copy_n(&turned[row * h], h, target + cellIndex(0, row));

    m_state.selPosX1 = static_cast<std::int16_t>(n.left);
    m_state.selPosX2 = static_cast<std::int16_t>(n.right);
    m_state.selPosY1 = static_cast<std::int16_t>(n.top);
    m_state.selPosY2 = static_cast<std::int16_t>(n.bottom);
    return true;
}

void DotModel::TightBound()
{
    if (!m_state.selSet)
        return;
    const Rect r = selection();
    const Region a = activeRegion(r);

    // One pass over the rows: the first and last row holding a 1, and the
    // leftmost and rightmost 1 over all rows.
    int left = a.w, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < a.h; ++y) {
        const std::uint8_t *row = &a.at(0, y);
        int x = 0;
        while (x < a.w && row[x] != Black)
            ++x;
        if (x == a.w)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        left = std::min(left, x);
        int last = a.w - 1;
        while (last > right && row[last] != Black)
            --last;
        right = std::max(right, last);
    }

    if (top < 0) {
        // Nothing black: the selection ends; floating content is discarded.
        m_state.selSet = false;
        m_state.selState = SelNone;
        return;
    }
    m_state.selPosX1 = static_cast<std::int16_t>(r.left + left);
    m_state.selPosX2 = static_cast<std::int16_t>(r.left + right);
    m_state.selPosY1 = static_cast<std::int16_t>(r.top + top);
    m_state.selPosY2 = static_cast<std::int16_t>(r.top + bottom);
    if (!mainIsActive()) {
        // Forward row by row: every source cell lies at or after its target.
        for (int y = 0; y <= bottom - top; ++y)
            for (int x = 0; x <= right - left; ++x)
                a.at(x, y) = a.at(x + left, y + top);
    }
}

void DotModel::finishPlacement(int left, int top, int right, int bottom)
{
    const bool any = top >= 0;
    m_state.selPosX1 = 0;
    m_state.selPosY1 = 0;
    m_state.selPosX2 = static_cast<std::int16_t>(any ? right - left : 0);
    m_state.selPosY2 = static_cast<std::int16_t>(any ? bottom - top : 0);
    m_state.selSet = any;
    m_state.selState = SelFloating;
}

} // namespace vog
