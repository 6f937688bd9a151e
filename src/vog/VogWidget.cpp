#include "vog/VogWidget.h"

#include "vog/VogPaint.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

using namespace vog;

namespace {

// Scroll bar step: a quarter of what is visible, at least one dot.
int lineStep(int visible)
{
    return std::max(visible / 4, 1);
}

// A bar of range 0..size with a page of `visible` stops its thumb here.
int lastOrigin(int size, int visible)
{
    return std::max(size - std::max(visible, 0) + 1, 0);
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

void VogWidget::setPen(Pen pen)
{
    m_pen = pen;
    setModified();
    requestRepaint();
}

void VogWidget::setFilled(bool filled)
{
    m_filled = filled;
    setModified();
}

void VogWidget::setMode(bool drawing)
{
    setTool(drawing ? ToolKind::Pen : ToolKind::Select);
}

bool VogWidget::cancelGesture()
{
    Tool &tool = m_tools.tool();
    if (!tool.active())
        return false;
    repaintChanged(tool.cancel(m_model));
    if (tool.active())
        return false; // the selection tool's gestures end only with the button
    stopAutoScroll();
    m_buttonDown = false;
    return true;
}

void VogWidget::setTool(ToolKind kind)
{
    cancelGesture();
    if (m_tools.tool().active())
        m_tools.tool().end(m_model);
    m_buttonDown = false;
    m_tools.choose(kind);
    if (kind != ToolKind::Select) {
        // Dropping a floating selection is a change of its own, undone as one
        // step; ending a marked one changes no dot and takes none.
        if (m_model.selState() == SelFloating && m_model.SelSet()) {
            m_model.SaveUndo();
            m_model.DropSelection();
        }
        m_model.putSelSet(false);
    }
    setModified();
    requestRepaint();
}

void VogWidget::loadDisplay(int dotSize, int dotGap, int fromX, int fromY, bool mode, Pen pen)
{
    m_dotSize = std::clamp(dotSize, 1, 50);
    m_dotGap = std::clamp(dotGap, 1, 10);
    m_fromX = std::clamp(fromX, 0, kPlaneSide);
    m_fromY = std::clamp(fromY, 0, kPlaneSide);
    m_tools.choose(mode ? ToolKind::Pen : ToolKind::Select);
    m_pen = pen;
    requestRepaint();
}

void VogWidget::resetInteraction()
{
    cancelGesture();
    if (m_tools.tool().active())
        m_tools.tool().end(m_model);
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
    keepOriginInRange(view());
    const View v = view();
    if (!m_image.isNull()) {
        paint::renderDots(m_image, m_model, v,
                          paint::ShownShape{m_tools.tool().preview(), m_tools.tool().previewPen()});
        if (m_model.SelSet()) {
            const bool dashed =
                m_model.selState() == SelMarked || m_model.selState() == SelResizing;
            paint::drawFrame(m_image, v, m_model.selection(), true, dashed);
        }
    }
    m_dirty = false;
    updateScrollBars();
}

// A zoom, a new graphic size or a larger window can leave the origin beyond
// the last position of the scroll bar: columns would stay hidden with no way
// back. An origin the host put while nothing else changed is kept as it is.
void VogWidget::keepOriginInRange(const View &v)
{
    const bool sameGeometry = v.dotSize == m_shownView.dotSize && v.dotGap == m_shownView.dotGap &&
                              v.width == m_shownView.width && v.height == m_shownView.height &&
                              v.sizeX == m_shownView.sizeX && v.sizeY == m_shownView.sizeY;
    m_shownView = v;
    if (sameGeometry)
        return;
    m_fromX = std::min(m_fromX, lastOrigin(v.sizeX, v.visibleColumns()));
    m_fromY = std::min(m_fromY, lastOrigin(v.sizeY, v.visibleRows()));
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

// Paints into the kept image and shows just the dots that changed. While a
// full repaint is pending, that repaint will show the change anyway.
void VogWidget::repaintChanged(const Damage &damage)
{
    if (damage.all) {
        requestRepaint();
        return;
    }
    if (!damage.some || m_dirty || m_image.isNull())
        return;
    const Tool &tool = m_tools.tool();
    const QRect painted = paint::renderDotsIn(m_image, m_model, view(), damage.dots,
                                              paint::ShownShape{tool.preview(), tool.previewPen()});
    if (!painted.isEmpty())
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
        bar->setRange(0, lastOrigin(size, page));
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

// The control has no keyboard or wheel handling of its own: both go on to the
// host instead of moving the scroll bars. Only Escape during a shape's drag
// is the control's: it cancels the shape.
void VogWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && cancelGesture()) {
        event->accept();
        return;
    }
    event->ignore();
}

void VogWidget::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

// The control shows no focus, so gaining or losing it repaints nothing.
void VogWidget::focusInEvent(QFocusEvent *event)
{
    event->accept();
}

void VogWidget::focusOutEvent(QFocusEvent *event)
{
    event->accept();
}
