#pragma once

#include "vog/core/EditModes.h"
#include "vog/core/Tool.h"

// The 16-bit codes of the automation interface and the modes they stand for.
// Nothing but the dispatch (and the persisted properties) sees the codes.
namespace vog::codes {

// 0 white, 1 black, any other value invert.
PaintMode paintMode(int code);
// 1 half turn, 0 counter-clockwise, any other value clockwise.
Turn turn(int code);
// DrawMode: 0 black, 1 white, 2 invert; other values are limited to 0..2 first.
Pen pen(int code);
int penCode(Pen pen);
// Tool: 0 select, 1 pen, 2 line, 3 rectangle, 4 ellipse, 5 fill; other values
// are limited to 0..5 first.
ToolKind tool(int code);
int toolCode(ToolKind tool);

} // namespace vog::codes
