#pragma once

#include "mainwin/GraphicPreview.h"

#include <QFrame>

class QLabel;

// The main window's pane beside the grid: the current graphic item's dots,
// each two to six pixels as the pane's size allows, and under them its size or
// a note. Redrawn from the graphic it holds when the pane is resized, so a
// resize reads no file.
class PreviewPane : public QFrame
{
    Q_OBJECT
public:
    explicit PreviewPane(QWidget *parent = nullptr);

    void setPreview(const GraphicPreview &preview);
    void clear() { setPreview({}); }

    // Pixels a dot is drawn with; 0 when no graphic is shown.
    int dotSize() const { return m_dotSize; }
    const GraphicPreview &shown() const { return m_preview; }

    QLabel *PicPreview = nullptr;
    QLabel *LabelPreview = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void drawDots();

    GraphicPreview m_preview;
    int m_dotSize = 0;
};
