// The control's mouse: pixels become dots for the current tool, with
// auto-scroll while the selection tool's button is held outside.
#include "vog/VogPaint.h"
#include "vog/VogWidget.h"

#include <QMouseEvent>

using namespace vog;

namespace {

constexpr int autoScrollInterval = 100; // ms

Qt::CursorShape cursorShape(Cursor cursor)
{
    switch (cursor) {
    case Cursor::Arrow:
        break;
    case Cursor::Cross:
        return Qt::CrossCursor;
    case Cursor::SizeVertical:
        return Qt::SizeVerCursor;
    case Cursor::SizeHorizontal:
        return Qt::SizeHorCursor;
    case Cursor::SizeDiagonalDown:
        return Qt::SizeFDiagCursor;
    case Cursor::SizeDiagonalUp:
        return Qt::SizeBDiagCursor;
    case Cursor::Move:
        return Qt::SizeAllCursor;
    }
    return Qt::ArrowCursor;
}

Modifiers modifiersOf(const QMouseEvent *event)
{
    return Modifiers{event->modifiers().testFlag(Qt::ShiftModifier),
                     event->modifiers().testFlag(Qt::ControlModifier)};
}

} // namespace

void VogWidget::setCursorFor(Handle handle)
{
    viewport()->setCursor(cursorShape(m_tools.tool().cursor(m_model, handle)));
}

void VogWidget::resetCursor()
{
    viewport()->setCursor(Qt::ArrowCursor);
}

ToolPoint VogWidget::pointAt(const QPoint &pos) const
{
    return toolPoint(view(), m_model.selection(), pos.x(), pos.y());
}

void VogWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && cancelGesture()) {
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    // Escape reaches the control while a shape is dragged out.
    setFocus(Qt::MouseFocusReason);
    repaintChanged(m_tools.tool().begin(m_model, pointAt(event->position().toPoint()),
                                        modifiersOf(event), ToolOptions{m_pen, m_filled}));
    m_buttonDown = true;
    event->accept();
}

void VogWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    m_mouseX = pos.x();
    const ToolPoint point = pointAt(pos);
    m_hover = point.inside ? std::optional<Dot>(point.nearest) : std::nullopt;
    if (!m_buttonDown) {
        setCursorFor(point.handle);
    } else {
        if (m_tools.tool().autoScrolls())
            autoScroll(pos);
        repaintChanged(m_tools.tool().move(m_model, point, modifiersOf(event)));
    }
    event->accept();
}

void VogWidget::leaveEvent(QEvent *event)
{
    m_hover.reset();
    QAbstractScrollArea::leaveEvent(event);
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
    m_tools.tool().end(m_model);
    stopAutoScroll();
    m_buttonDown = false;
    requestRepaint();
    event->accept();
}
