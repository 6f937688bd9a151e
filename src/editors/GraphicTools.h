#pragma once

#include <QString>

// What the graphic window decides by itself, apart from the control: zoom
// steps, colour and tool option values, the selection status line.
namespace graphictools {

constexpr int ZoomSteps = 4;

// The control's DotSize and DotGap for a zoom step 0..3 (held to that range).
int dotSize(int zoomStep);
int dotGap(int zoomStep);

enum class Colour { Black, White, Invert };

// The control counts white and black the other way round in its DrawMode
// (0 black) and its PaintSelection (0 white); invert is 2 in both.
int drawMode(Colour colour);
int paintMode(Colour colour);

// RotateSelection's angle for a turn in degrees counter-clockwise (90, 180, 270).
int rotateAngle(int degrees);

// "Selection  2, 3- 9, 4  ( 8x 2)" for the corners in either order; "No selection"
// when no selection is set.
QString selectionStatus(bool selectionSet, int x1, int y1, int x2, int y2);

// "Dot 52, 7": the dot under the pointer.
QString dotStatus(int x, int y);
// "Size 10x 5": what is being dragged out.
QString sizeStatus(int width, int height);

// The origin (FromX or FromY) that shows `dot` at `pixel` of the control with
// dots `pitch` pixels apart; never below 0.
int originKeeping(int dot, int pixel, int pitch);

// The control's TextAlignment (0 left, 1 right, 2 centred) and its options.
enum class Alignment { Left, Right, Center, None };
Alignment alignmentOf(int textAlignment);
int textAlignment(Alignment alignment);

} // namespace graphictools
