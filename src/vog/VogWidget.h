#pragma once

#include "vog/VogGeometry.h"
#include "vog/core/DotModel.h"
#include "vog/core/EditModes.h"
#include "vog/core/GestureUndo.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QImage>

// The control's window: paints the dot grid and the selection frame, scrolls, and
// turns the left mouse button into drawn dots (draw mode) or a selection that is
// marked, resized, lifted, moved and dropped (selection mode).
class VogWidget : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit VogWidget(vog::DotModel &model, QWidget *parent = nullptr);

    int dotSize() const { return m_dotSize; }
    int dotGap() const { return m_dotGap; }
    int fromX() const { return m_fromX; }
    int fromY() const { return m_fromY; }
    bool mode() const { return m_mode; }
    vog::Pen pen() const { return m_pen; }
    int mouseX() const { return m_mouseX; }

    // Setters limit the value, mark the control modified and repaint.
    void setDotSize(int value);
    void setDotGap(int value);
    void setFromX(int value);
    void setFromY(int value);
    void setPen(vog::Pen pen);
    // TRUE ends the selection; a floating one is dropped, as one undo step.
    void setMode(bool drawing);

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

private:
    // The origin back within the scroll range once what is shown has changed size.
    void keepOriginInRange(const vog::View &view);
    void drawDot(int x, int y);
    void pressSelection(const QPoint &pos, Qt::KeyboardModifiers modifiers);
    void moveSelection(const QPoint &pos);
    void resizeSelection(const vog::Hit &dot);
    void moveFloating(const vog::Hit &dot);
    void autoScroll(const QPoint &pos);
    void stopAutoScroll();
    void frame(bool visible, bool dashed);
    void setCursorFor(vog::Handle handle);
    void updateScrollBars();
    void scrollAction(bool horizontal, int action);

    vog::DotModel &m_model;
    int m_dotSize = 16;
    int m_dotGap = 4;
    int m_fromX = 0;
    int m_fromY = 0;
    bool m_mode = false;
    vog::Pen m_pen = vog::Pen::Black;
    int m_mouseX = 0;
    bool m_modified = false;

    QRect m_paintArea;
    // The view of the last paint; the origin is only kept in range when it changes.
    vog::View m_shownView;
    QImage m_image;
    bool m_dirty = true;
    bool m_syncingBars = false;

    bool m_buttonDown = false;
    int m_lastColumn = -1;
    int m_lastRow = -1;
    int m_grabX = 0;
    int m_grabY = 0;
    vog::Handle m_resizeHandle = vog::Handle::Outside;
    vog::GestureUndo m_gesture;
    QBasicTimer m_autoScrollTimer;
    bool m_scrollLeft = false;
    bool m_scrollRight = false;
    bool m_scrollUp = false;
    bool m_scrollDown = false;
};
