#include "vog/VogWidget.h"

#include "vog/VogPaint.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

using namespace vog;

namespace {

constexpr int autoScrollInterval = 100; // ms

// Scroll bar step: a quarter of what is visible, at least one dot.
int lineStep(int visible)
{
    return std::max(visible / 4, 1);
}

} // namespace

VogWidget::VogWidget(DotModel &model, QWidget *parent) : QAbstractScrollArea(parent), m_model(model)
{
    // The paint area starts at the window's origin.
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { scrollAction(true, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { scrollAction(false, action); });
}

// ------------------------------------------------------------------ properties

void VogWidget::setDotSize(int value)
{
    m_dotSize = std::clamp(value, 1, 50);
    setModified();
    requestRepaint();
}

void VogWidget::setDotGap(int value)
{
    m_dotGap = std::clamp(value, 1, 10);
    setModified();
    requestRepaint();
}

void VogWidget::setFromX(int value)
{
    m_fromX = std::clamp(value, 0, kPlaneSide);
    setModified();
    requestRepaint();
}

void VogWidget::setFromY(int value)
{
    m_fromY = std::clamp(value, 0, kPlaneSide);
    setModified();
    requestRepaint();
}

void VogWidget::setDrawMode(int value)
{
    m_drawMode = std::clamp(value, 0, 2);
    setModified();
    requestRepaint();
}

void VogWidget::setMode(bool drawing)
{
    m_mode = drawing;
    if (drawing) {
        if (m_model.selState() == SelFloating)
            m_model.DropSelection();
        m_model.putSelSet(false);
        m_model.SaveUndo();
    }
    setModified();
    requestRepaint();
}

void VogWidget::loadDisplay(int dotSize, int dotGap, int fromX, int fromY, bool mode, int drawMode)
{
    m_dotSize = std::clamp(dotSize, 1, 50);
    m_dotGap = std::clamp(dotGap, 1, 10);
    m_fromX = std::clamp(fromX, 0, kPlaneSide);
    m_fromY = std::clamp(fromY, 0, kPlaneSide);
    m_mode = mode;
    m_drawMode = std::clamp(drawMode, 0, 2);
    requestRepaint();
}

void VogWidget::resetInteraction()
{
    stopAutoScroll();
    m_buttonDown = false;
}

// ------------------------------------------------------------------ painting

void VogWidget::requestRepaint()
{
    m_dirty = true;
    viewport()->update();
}

QSize VogWidget::paintAreaSize() const
{
    return m_paintArea.isValid() ? m_paintArea.size() : viewport()->size();
}

View VogWidget::view() const
{
    const QSize area = paintAreaSize();
    return View{m_dotSize,    m_dotGap,      m_fromX,         m_fromY,
                area.width(), area.height(), m_model.SizeX(), m_model.SizeY()};
}

void VogWidget::renderNow()
{
    m_paintArea = viewport()->rect();
    if (m_image.size() != m_paintArea.size())
        m_image = QImage(m_paintArea.size(), QImage::Format_RGB32);
    const View v = view();
    if (!m_image.isNull()) {
        paint::renderDots(m_image, m_model, v);
        if (m_model.SelSet()) {
            const bool dashed =
                m_model.selState() == SelMarked || m_model.selState() == SelResizing;
            paint::drawFrame(m_image, v, m_model.selection(), true, dashed);
        }
    }
    m_dirty = false;
    updateScrollBars();
}

void VogWidget::paintEvent(QPaintEvent *event)
{
    if (m_dirty || m_image.size() != viewport()->size())
        renderNow();
    QPainter painter(viewport());
    painter.drawImage(event->rect(), m_image, event->rect());
}

void VogWidget::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    requestRepaint();
}

// Paints into the kept image and shows just that part. While a full repaint is
// pending, that repaint will show the change anyway.
void VogWidget::frame(bool visible, bool dashed)
{
    if (m_dirty || m_image.isNull())
        return;
    const QRect painted = paint::drawFrame(m_image, view(), m_model.selection(), visible, dashed);
    viewport()->update(painted);
}

void VogWidget::updateScrollBars()
{
    const View v = view();
    m_syncingBars = true;
    const std::pair<QScrollBar *, std::array<int, 3>> bars[] = {
        {horizontalScrollBar(), {v.sizeX, std::max(v.visibleColumns(), 0), m_fromX}},
        {verticalScrollBar(), {v.sizeY, std::max(v.visibleRows(), 0), m_fromY}},
    };
    for (const auto &[bar, values] : bars) {
        const auto [size, page, position] = values;
        // A bar of range 0..size with a page of `page` stops its thumb at
        // size - page + 1.
        bar->setRange(0, std::max(size - page + 1, 0));
        bar->setPageStep(std::max(page, 1));
        bar->setValue(position);
    }
    m_syncingBars = false;
}

void VogWidget::scrollAction(bool horizontal, int action)
{
    QScrollBar *bar = horizontal ? horizontalScrollBar() : verticalScrollBar();
    const View v = view();
    const int origin = horizontal ? m_fromX : m_fromY;
    const int visible = horizontal ? v.visibleColumns() : v.visibleRows();
    const int size = horizontal ? v.sizeX : v.sizeY;
    const int step = lineStep(visible);
    int next = origin;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        next = std::max(origin - step, 0);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        next = origin + step < size - visible ? origin + step : std::max(size - visible + 1, 0);
        break;
    case QAbstractSlider::SliderMove:
        next = bar->sliderPosition();
        break;
    default: // page steps and jumps change nothing
        break;
    }
    bar->setSliderPosition(next);
    if (next != origin) {
        (horizontal ? m_fromX : m_fromY) = next;
        requestRepaint();
    }
}

void VogWidget::scrollContentsBy(int, int)
{
    // The origin follows the bars' actions (scrollAction); the view is repainted
    // from the model rather than shifted.
}

// The control has no keyboard or wheel handling of its own: both go on to the host
// instead of moving the scroll bars.
void VogWidget::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
}

void VogWidget::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

// ------------------------------------------------------------------ mouse

void VogWidget::setCursorFor(int code)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    const SelState state = m_model.selState();
    if (m_mode) {
        shape = Qt::CrossCursor;
    } else if (state == SelMarked || state == SelResizing) {
        static constexpr Qt::CursorShape byCode[] = {
            Qt::ArrowCursor,     Qt::SizeVerCursor,   Qt::SizeVerCursor,   Qt::SizeHorCursor,
            Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::SizeBDiagCursor,
            Qt::SizeFDiagCursor, Qt::SizeAllCursor};
        shape = byCode[std::clamp(code, 0, 9)];
    } else if (state == SelFloating) {
        shape = code == 0 ? Qt::ArrowCursor : Qt::SizeAllCursor;
    }
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
    const bool wasBlack = m_model.mainCell(hit.column, hit.row) != White;
    const bool black = m_drawMode == 0 || (m_drawMode == 2 && !wasBlack);
    m_model.setMainCell(hit.column, hit.row, black ? Black : White);
    if (m_dirty || m_image.isNull())
        return;
    // An overlay over this dot would change its colour: then paint everything.
    const Rect sel = m_model.selection();
    if (m_model.SelSet() && hit.column >= sel.left && hit.column <= sel.right &&
        hit.row >= sel.top && hit.row <= sel.bottom) {
        requestRepaint();
        return;
    }
    viewport()->update(paint::fillDot(m_image, view(), hit.column, hit.row, black));
}

void VogWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (m_mode)
        drawDot(pos.x(), pos.y());
    else
        pressSelection(pos, event->modifiers());
    m_buttonDown = true;
    event->accept();
}

void VogWidget::pressSelection(const QPoint &pos, Qt::KeyboardModifiers modifiers)
{
    const View v = view();
    const Rect sel = m_model.selection();
    const int code = hitCode(v, sel, pos.x(), pos.y());
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const SelState state = m_model.selState();
    if (state == SelMarked || state == SelResizing) {
        if (code == 0) {
            m_model.putSelSet(false);
            frame(false, false);
        } else if (code == 9) {
            // Without Ctrl the dots are cut; with Shift white cells stay transparent.
            m_model.LiftSelection(!ctrl, shift);
            const Hit dot = hitTest(v, pos.x(), pos.y(), true);
            m_grabX = dot.column - sel.left;
            m_grabY = dot.row - sel.top;
            m_model.setSelState(SelFloating);
            requestRepaint();
        } else {
            m_resizeHandle = code;
            if (state == SelMarked) {
                m_model.setSelState(SelResizing);
                setCursorFor(code);
            }
        }
    } else if (state == SelFloating) {
        if (code == 0) {
            frame(false, false);
            m_model.DropSelection();
            m_model.putSelSet(false);
            requestRepaint();
        } else {
            const Hit dot = hitTest(v, pos.x(), pos.y(), true);
            m_grabX = dot.column - sel.left;
            m_grabY = dot.row - sel.top;
            if (ctrl) {
                // Stamps a copy and keeps floating.
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
        setCursorFor(hitCode(view(), m_model.selection(), pos.x(), pos.y()));
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
    frame(false, false);
    int x1 = m_model.SelPosX1(), y1 = m_model.SelPosY1();
    int x2 = m_model.SelPosX2(), y2 = m_model.SelPosY2();
    // The corner holding the minimum moves for a top or left edge, the maximum for
    // a bottom or right one; no edge passes the opposite one.
    int &left = x1 <= x2 ? x1 : x2;
    int &right = x1 <= x2 ? x2 : x1;
    int &top = y1 <= y2 ? y1 : y2;
    int &bottom = y1 <= y2 ? y2 : y1;
    const int h = m_resizeHandle;
    if (h == 1 || h == 5 || h == 6)
        top = std::min(dot.row, bottom);
    if (h == 2 || h == 7 || h == 8)
        bottom = std::max(dot.row, top);
    if (h == 3 || h == 5 || h == 7)
        left = std::min(dot.column, right);
    if (h == 4 || h == 6 || h == 8)
        right = std::max(dot.column, left);
    m_model.setCorners(x1, y1, x2, y2);
    frame(true, true);
}

void VogWidget::moveFloating(const Hit &dot)
{
    const int w = std::abs(m_model.SelPosX2() - m_model.SelPosX1());
    const int h = std::abs(m_model.SelPosY2() - m_model.SelPosY1());
    frame(false, false);
    int left = std::max(dot.column - m_grabX, 0);
    int top = std::max(dot.row - m_grabY, 0);
    if (left + w >= m_model.SizeX())
        left = m_model.SizeX() - 1 - w;
    if (top + h >= m_model.SizeY())
        top = m_model.SizeY() - 1 - h;
    m_model.setCorners(left, top, left + w, top + h);
    frame(true, false);
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
    stopAutoScroll();
    m_buttonDown = false;
    requestRepaint();
    event->accept();
}
