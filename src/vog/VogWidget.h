#pragma once

#include "vog/VogGeometry.h"
#include "vog/core/DotModel.h"
#include "vog/core/EditModes.h"
#include "vog/core/Tools.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QImage>

#include <optional>

// The control's window: paints the dot grid, the selection frame and a shape in
// progress, scrolls, and turns the mouse into dots for the current tool.
class VogWidget : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit VogWidget(vog::DotModel &model, QWidget *parent = nullptr);

    int dotSize() const { return m_dotSize; }
    int dotGap() const { return m_dotGap; }
    int fromX() const { return m_fromX; }
    int fromY() const { return m_fromY; }
    // Any drawing tool, as a host that knows only Mode sees it.
    bool mode() const { return m_tools.current() != vog::ToolKind::Select; }
    vog::ToolKind tool() const { return m_tools.current(); }
    vog::Pen pen() const { return m_pen; }
    bool filled() const { return m_filled; }
    // The dot under the pointer; nothing when it is not over the graphic.
    std::optional<vog::Dot> hoverDot() const { return m_hover; }
    // Width and height of a shape being dragged out.
    std::optional<vog::Dot> dragExtent() const { return m_tools.tool().extent(); }
    int mouseX() const { return m_mouseX; }

    // Setters limit the value, mark the control modified and repaint.
    void setDotSize(int value);
    void setDotGap(int value);
    void setFromX(int value);
    void setFromY(int value);
    void setPen(vog::Pen pen);
    void setFilled(bool filled);
    // TRUE chooses the pen, FALSE the selection tool.
    void setMode(bool drawing);
    // A drawing tool ends the selection; a floating one is dropped, as one undo
    // step. A gesture under way is cancelled first.
    void setTool(vog::ToolKind kind);
    // Ends a shape being dragged out without a trace; false when none was.
    bool cancelGesture();

    // Stored values as loaded, without the setters (but kept in their ranges, since
    // a zero pitch or a negative origin cannot be drawn).
    void loadDisplay(int dotSize, int dotGap, int fromX, int fromY, bool mode, vog::Pen pen);
    // After a property exchange: no button held, no auto-scroll.
    void resetInteraction();

    bool isModified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }

    // A full repaint at the next paint.
    void requestRepaint();
    void resetCursor();

    // The paint area of the last paint (the viewport's size before the first one).
    QSize paintAreaSize() const;
    vog::View view() const;

    // Renders everything into the kept image now, as a paint does; the image as shown.
    void renderNow();
    const QImage &shownImage() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The origin back within the scroll range once what is shown has changed size.
    void keepOriginInRange(const vog::View &view);
    vog::ToolPoint pointAt(const QPoint &pos) const;
    // Repaints what a tool event changed.
    void repaintChanged(const vog::Damage &damage);
    void autoScroll(const QPoint &pos);
    void stopAutoScroll();
    void setCursorFor(vog::Handle handle);
    void updateScrollBars();
    void scrollAction(bool horizontal, int action);

    vog::DotModel &m_model;
    int m_dotSize = 16;
    int m_dotGap = 4;
    int m_fromX = 0;
    int m_fromY = 0;
    vog::ToolBox m_tools;
    vog::Pen m_pen = vog::Pen::Black;
    bool m_filled = false;
    std::optional<vog::Dot> m_hover;
    int m_mouseX = 0;
    bool m_modified = false;

    QRect m_paintArea;
    // The view of the last paint; the origin is only kept in range when it changes.
    vog::View m_shownView;
    QImage m_image;
    bool m_dirty = true;
    bool m_syncingBars = false;

    bool m_buttonDown = false;
    QBasicTimer m_autoScrollTimer;
    bool m_scrollLeft = false;
    bool m_scrollRight = false;
    bool m_scrollUp = false;
    bool m_scrollDown = false;
};
