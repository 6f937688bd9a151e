#pragma once

#include "vog/core/DotState.h"
#include "vog/core/Handle.h"
#include "vog/core/Tool.h"

// Where dots, grid lines and the selection frame lie in the control's window, and
// which dot or frame part a pixel hits. Offsets are pixels from the paint area's
// top-left corner.
namespace vog {

struct View
{
    int dotSize = 16;
    int dotGap = 4;
    int fromX = 0;
    int fromY = 0;
    int width = 0; // paint area
    int height = 0;
    int sizeX = 32; // graphic
    int sizeY = 32;

    int pitch() const { return dotSize + dotGap; }
    int visibleColumns() const { return (width - dotGap) / pitch(); }
    int visibleRows() const { return (height - dotGap) / pitch(); }
    // Columns and rows of the graphic actually shown: from the origin up to the
    // graphic's edge or the window's, whichever comes first.
    int shownColumns() const;
    int shownRows() const;
};

struct Hit
{
    int column = 0;
    int row = 0;
    bool inside = false;
};

// exact FALSE: a point in a grid line is not inside (drawing); exact TRUE: any
// point maps to the nearest dot (selections).
Hit hitTest(const View &view, int x, int y, bool exact);

// Near left wins over near right and near top over near bottom when a small
// selection makes both true.
Handle hitHandle(const View &view, const Rect &selection, int x, int y);

// A pixel as the tools see it: the dot under it (also beyond the graphic), the
// nearest dot of the graphic, and where it lies against the selection.
ToolPoint toolPoint(const View &view, const Rect &selection, int x, int y);

struct Strip
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The four edges of the frame around `selection` as strips in the grid lines,
// clipped to the shown dots; an edge whose line is out of view has width 0.
// Order: left, right, top, bottom.
struct FrameEdges
{
    Strip edges[4];
};
FrameEdges frameEdges(const View &view, const Rect &selection);

// Calls segment(x, y, w, h) for each dash of a dashed strip: 2 x gap long, one
// every 3 x gap from the strip's start, the last cut at its end.
template <class Segment> void forEachDash(const Strip &strip, int gap, Segment segment)
{
    const bool horizontal = strip.width >= strip.height;
    const int length = horizontal ? strip.width : strip.height;
    for (int start = 0; start < length; start += 3 * gap) {
        const int dash = start + 2 * gap <= length ? 2 * gap : length - start;
        if (horizontal)
            segment(strip.x + start, strip.y, dash, strip.height);
        else
            segment(strip.x, strip.y + start, strip.width, dash);
    }
}

} // namespace vog
