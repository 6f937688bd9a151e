// The control's mouse: dots drawn in draw mode; in selection mode a selection
// marked, resized, lifted, moved and dropped, with auto-scroll while the button
// is held outside. Each stroke and each move is one undo step.
#include "vog/VogPaint.h"
#include "vog/VogWidget.h"

#include <QMouseEvent>
#include <algorithm>

using namespace vog;

namespace {

constexpr int autoScrollInterval = 100; // ms

Qt::CursorShape handleCursor(Handle handle)
{
    switch (handle) {
    case Handle::Outside:
        break;
    case Handle::Top:
    case Handle::Bottom:
        return Qt::SizeVerCursor;
    case Handle::Left:
    case Handle::Right:
        return Qt::SizeHorCursor;
    case Handle::TopLeft:
    case Handle::BottomRight:
        return Qt::SizeFDiagCursor;
    case Handle::TopRight:
    case Handle::BottomLeft:
        return Qt::SizeBDiagCursor;
    case Handle::Inside:
        return Qt::SizeAllCursor;
    }
    return Qt::ArrowCursor;
}

bool isEdgeHandle(Handle handle)
{
    return handle != Handle::Outside && handle != Handle::Inside;
}

} // namespace

void VogWidget::setCursorFor(Handle handle)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    const SelState state = m_model.selState();
    if (m_mode)
        shape = Qt::CrossCursor;
    else if (state == SelMarked || state == SelResizing)
        shape = handleCursor(handle);
    else if (state == SelFloating)
        shape = handle == Handle::Outside ? Qt::ArrowCursor : Qt::SizeAllCursor;
    viewport()->setCursor(shape);
}

void VogWidget::resetCursor()
{
    viewport()->setCursor(Qt::ArrowCursor);
}

void VogWidget::drawDot(int x, int y)
{
    const Hit hit = hitTest(view(), x, y, false);
    if (!hit.inside)
        return;
    m_lastColumn = hit.column;
    m_lastRow = hit.row;
    const std::uint8_t was = m_model.mainCell(hit.column, hit.row);
    const std::uint8_t now = penCell(m_pen, was);
    if (now != was)
        m_gesture.beforeChange(m_model);
    m_model.setMainCell(hit.column, hit.row, now);
    if (m_dirty || m_image.isNull())
        return;
    // An overlay over this dot would change its colour: then paint everything.
    const Rect sel = m_model.selection();
    if (m_model.SelSet() && hit.column >= sel.left && hit.column <= sel.right &&
        hit.row >= sel.top && hit.row <= sel.bottom) {
        requestRepaint();
        return;
    }
    viewport()->update(paint::fillDot(m_image, view(), hit.column, hit.row, now == Black));
}

void VogWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (m_mode) {
        m_gesture.begin();
        drawDot(pos.x(), pos.y());
    } else {
        pressSelection(pos, event->modifiers());
    }
    m_buttonDown = true;
    event->accept();
}

void VogWidget::pressSelection(const QPoint &pos, Qt::KeyboardModifiers modifiers)
{
    const View v = view();
    const Rect sel = m_model.selection();
    const Handle handle = hitHandle(v, sel, pos.x(), pos.y());
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const SelState state = m_model.selState();
    if (state == SelMarked || state == SelResizing) {
        if (handle == Handle::Outside) {
            m_model.putSelSet(false);
            frame(false, false);
        } else if (handle == Handle::Inside) {
            // A move starts: lifting is its first change.
            m_gesture.begin();
            m_gesture.beforeChange(m_model);
            // Without Ctrl the dots are cut; with Shift white cells stay transparent.
            m_model.LiftSelection(!ctrl, shift);
            const Hit dot = hitTest(v, pos.x(), pos.y(), true);
            m_grabX = dot.column - sel.left;
            m_grabY = dot.row - sel.top;
            m_model.setSelState(SelFloating);
            requestRepaint();
        } else {
            m_resizeHandle = handle;
            if (state == SelMarked) {
                m_model.setSelState(SelResizing);
                setCursorFor(handle);
            }
        }
    } else if (state == SelFloating) {
        if (handle == Handle::Outside) {
            // The drop ends the move that lifted or placed the selection.
            frame(false, false);
            m_model.DropSelection();
            m_model.putSelSet(false);
            requestRepaint();
        } else {
            m_gesture.begin();
            const Hit dot = hitTest(v, pos.x(), pos.y(), true);
            m_grabX = dot.column - sel.left;
            m_grabY = dot.row - sel.top;
            if (ctrl) {
                // Stamps a copy and keeps floating.
                m_gesture.beforeChange(m_model);
                m_model.DropSelection();
                requestRepaint();
            }
        }
    }
}

void VogWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    m_mouseX = pos.x();
    if (!m_buttonDown) {
        setCursorFor(hitHandle(view(), m_model.selection(), pos.x(), pos.y()));
    } else if (m_mode) {
        const Hit hit = hitTest(view(), pos.x(), pos.y(), false);
        if (hit.inside && (hit.column != m_lastColumn || hit.row != m_lastRow))
            drawDot(pos.x(), pos.y());
    } else {
        autoScroll(pos);
        moveSelection(pos);
    }
    event->accept();
}

void VogWidget::moveSelection(const QPoint &pos)
{
    const Hit dot = hitTest(view(), pos.x(), pos.y(), true);
    switch (m_model.selState()) {
    case SelNone:
        if (dot.inside) {
            m_model.setCorners(dot.column, dot.row, dot.column, dot.row);
            m_model.putSelSet(true);
            m_model.setSelState(SelDragging);
            frame(true, false);
        }
        break;
    case SelDragging:
        frame(false, false);
        m_model.setCorners(m_model.SelPosX1(), m_model.SelPosY1(), dot.column, dot.row);
        frame(true, false);
        break;
    case SelResizing:
        resizeSelection(dot);
        break;
    case SelFloating:
        moveFloating(dot);
        break;
    case SelMarked:
        break;
    }
}

void VogWidget::resizeSelection(const Hit &dot)
{
    if (!isEdgeHandle(m_resizeHandle))
        return;
    frame(false, false);
    int x1 = m_model.SelPosX1(), y1 = m_model.SelPosY1();
    int x2 = m_model.SelPosX2(), y2 = m_model.SelPosY2();
    // The corner holding the minimum moves for a top or left edge, the maximum for
    // a bottom or right one; no edge passes the opposite one.
    int &left = x1 <= x2 ? x1 : x2;
    int &right = x1 <= x2 ? x2 : x1;
    int &top = y1 <= y2 ? y1 : y2;
    int &bottom = y1 <= y2 ? y2 : y1;
    if (movesTop(m_resizeHandle))
        top = std::min(dot.row, bottom);
    if (movesBottom(m_resizeHandle))
        bottom = std::max(dot.row, top);
    if (movesLeft(m_resizeHandle))
        left = std::min(dot.column, right);
    if (movesRight(m_resizeHandle))
        right = std::max(dot.column, left);
    m_model.setCorners(x1, y1, x2, y2);
    frame(true, true);
}

void VogWidget::moveFloating(const Hit &dot)
{
    const int w = std::abs(m_model.SelPosX2() - m_model.SelPosX1());
    const int h = std::abs(m_model.SelPosY2() - m_model.SelPosY1());
    int left = std::max(dot.column - m_grabX, 0);
    int top = std::max(dot.row - m_grabY, 0);
    if (left + w >= m_model.SizeX())
        left = m_model.SizeX() - 1 - w;
    if (top + h >= m_model.SizeY())
        top = m_model.SizeY() - 1 - h;
    const Rect sel = m_model.selection();
    if (left == sel.left && top == sel.top)
        return;
    m_gesture.beforeChange(m_model);
    m_model.setCorners(left, top, left + w, top + h);
    // The floating dots follow the pointer, not only the frame.
    requestRepaint();
}

void VogWidget::autoScroll(const QPoint &pos)
{
    const QSize area = paintAreaSize();
    const bool outside =
        pos.x() < 0 || pos.y() < 0 || pos.x() >= area.width() || pos.y() >= area.height();
    if (outside) {
        m_scrollLeft = pos.x() < 0;
        m_scrollUp = pos.y() < 0;
        m_scrollRight = pos.x() >= area.width();
        m_scrollDown = pos.y() >= area.height();
        if (!m_autoScrollTimer.isActive())
            m_autoScrollTimer.start(autoScrollInterval, this);
    } else if (m_autoScrollTimer.isActive()) {
        stopAutoScroll();
    }
}

void VogWidget::stopAutoScroll()
{
    m_autoScrollTimer.stop();
    m_scrollLeft = m_scrollRight = m_scrollUp = m_scrollDown = false;
}

void VogWidget::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_autoScrollTimer.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    const View v = view();
    if (m_scrollLeft && m_fromX > 0)
        --m_fromX;
    if (m_scrollUp && m_fromY > 0)
        --m_fromY;
    if (m_scrollRight && m_fromX + v.visibleColumns() < v.sizeX)
        ++m_fromX;
    if (m_scrollDown && m_fromY + v.visibleRows() < v.sizeY)
        ++m_fromY;
    requestRepaint();
}

void VogWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    if (!m_mode && m_model.selState() == SelDragging) {
        m_model.setSelState(SelMarked);
        m_model.ClearOverlay();
    }
    m_gesture.end();
    stopAutoScroll();
    m_buttonDown = false;
    requestRepaint();
    event->accept();
}
