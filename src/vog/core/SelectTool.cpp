#include "vog/core/Tools.h"

#include <algorithm>
#include <cstdlib>

namespace vog {

void Damage::add(const Rect &r)
{
    if (!some) {
        dots = r;
        some = true;
        return;
    }
    dots.left = std::min(dots.left, r.left);
    dots.top = std::min(dots.top, r.top);
    dots.right = std::max(dots.right, r.right);
    dots.bottom = std::max(dots.bottom, r.bottom);
}

void Damage::add(const Damage &other)
{
    all = all || other.all;
    if (other.some)
        add(other.dots);
}

namespace {

bool isEdgeHandle(Handle handle)
{
    return handle != Handle::Outside && handle != Handle::Inside;
}

Cursor handleCursor(Handle handle)
{
    switch (handle) {
    case Handle::Outside:
        break;
    case Handle::Top:
    case Handle::Bottom:
        return Cursor::SizeVertical;
    case Handle::Left:
    case Handle::Right:
        return Cursor::SizeHorizontal;
    case Handle::TopLeft:
    case Handle::BottomRight:
        return Cursor::SizeDiagonalDown;
    case Handle::TopRight:
    case Handle::BottomLeft:
        return Cursor::SizeDiagonalUp;
    case Handle::Inside:
        return Cursor::Move;
    }
    return Cursor::Arrow;
}

} // namespace

Damage SelectTool::begin(DotModel &model, const ToolPoint &at, Modifiers keys, const ToolOptions &)
{
    m_active = true;
    const Rect sel = model.selection();
    const SelState state = model.selState();
    if (state == SelMarked || state == SelResizing) {
        if (at.handle == Handle::Outside) {
            model.putSelSet(false);
        } else if (at.handle == Handle::Inside) {
            // A move starts: lifting is its first change. Without Ctrl the
            // dots are cut; with Shift white cells stay transparent.
            m_gesture.begin();
            m_gesture.beforeChange(model);
            model.LiftSelection(!keys.ctrl, keys.shift);
            m_grab = Dot{at.nearest.x - sel.left, at.nearest.y - sel.top};
            model.setSelState(SelFloating);
        } else {
            m_resizeHandle = at.handle;
            if (state == SelMarked)
                model.setSelState(SelResizing);
        }
    } else if (state == SelFloating) {
        if (at.handle == Handle::Outside) {
            // The drop ends the move that lifted or placed the selection.
            model.DropSelection();
            model.putSelSet(false);
        } else {
            m_gesture.begin();
            m_grab = Dot{at.nearest.x - sel.left, at.nearest.y - sel.top};
            if (keys.ctrl) {
                // Stamps a copy and keeps floating.
                m_gesture.beforeChange(model);
                model.DropSelection();
            }
        }
    }
    return Damage::everything();
}

Damage SelectTool::move(DotModel &model, const ToolPoint &at, Modifiers)
{
    if (!m_active)
        return {};
    const Dot dot = at.nearest;
    switch (model.selState()) {
    case SelNone:
        if (!at.inside)
            return {};
        model.setCorners(dot.x, dot.y, dot.x, dot.y);
        model.putSelSet(true);
        model.setSelState(SelDragging);
        break;
    case SelDragging:
        model.setCorners(model.SelPosX1(), model.SelPosY1(), dot.x, dot.y);
        break;
    case SelResizing:
        resize(model, dot);
        break;
    case SelFloating:
        moveFloating(model, dot);
        break;
    case SelMarked:
        return {};
    }
    return Damage::everything();
}

void SelectTool::resize(DotModel &model, Dot dot)
{
    if (!isEdgeHandle(m_resizeHandle))
        return;
    int x1 = model.SelPosX1(), y1 = model.SelPosY1();
    int x2 = model.SelPosX2(), y2 = model.SelPosY2();
    // The corner holding the minimum moves for a top or left edge, the maximum
    // for a bottom or right one; no edge passes the opposite one.
    int &left = x1 <= x2 ? x1 : x2;
    int &right = x1 <= x2 ? x2 : x1;
    int &top = y1 <= y2 ? y1 : y2;
    int &bottom = y1 <= y2 ? y2 : y1;
    if (movesTop(m_resizeHandle))
        top = std::min(dot.y, bottom);
    if (movesBottom(m_resizeHandle))
        bottom = std::max(dot.y, top);
    if (movesLeft(m_resizeHandle))
        left = std::min(dot.x, right);
    if (movesRight(m_resizeHandle))
        right = std::max(dot.x, left);
    model.setCorners(x1, y1, x2, y2);
}

void SelectTool::moveFloating(DotModel &model, Dot dot)
{
    const int w = std::abs(model.SelPosX2() - model.SelPosX1());
    const int h = std::abs(model.SelPosY2() - model.SelPosY1());
    int left = std::max(dot.x - m_grab.x, 0);
    int top = std::max(dot.y - m_grab.y, 0);
    if (left + w >= model.SizeX())
        left = model.SizeX() - 1 - w;
    if (top + h >= model.SizeY())
        top = model.SizeY() - 1 - h;
    const Rect sel = model.selection();
    if (left == sel.left && top == sel.top)
        return;
    m_gesture.beforeChange(model);
    model.setCorners(left, top, left + w, top + h);
}

Damage SelectTool::end(DotModel &model)
{
    if (!m_active)
        return {};
    if (model.selState() == SelDragging) {
        model.setSelState(SelMarked);
        model.ClearOverlay();
    }
    m_gesture.end();
    m_active = false;
    return Damage::everything();
}

Cursor SelectTool::cursor(const DotModel &model, Handle handle) const
{
    const SelState state = model.selState();
    if (state == SelMarked || state == SelResizing)
        return handleCursor(handle);
    if (state == SelFloating)
        return handle == Handle::Outside ? Cursor::Arrow : Cursor::Move;
    return Cursor::Arrow;
}

} // namespace vog
