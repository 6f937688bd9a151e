#include "vog/VogCodes.h"

namespace vog::codes {

PaintMode paintMode(int code)
{
    switch (code) {
    case 0:
        return PaintMode::White;
    case 1:
        return PaintMode::Black;
    default:
        return PaintMode::Invert;
    }
}

Turn turn(int code)
{
    switch (code) {
    case 0:
        return Turn::CounterClockwise;
    case 1:
        return Turn::Half;
    default:
        return Turn::Clockwise;
    }
}

Pen pen(int code)
{
    if (code <= 0)
        return Pen::Black;
    if (code == 1)
        return Pen::White;
    return Pen::Invert;
}

int penCode(Pen pen)
{
    switch (pen) {
    case Pen::Black:
        break;
    case Pen::White:
        return 1;
    case Pen::Invert:
        return 2;
    }
    return 0;
}

ToolKind tool(int code)
{
    switch (code < 0 ? 0 : code) {
    case 0:
        return ToolKind::Select;
    case 1:
        return ToolKind::Pen;
    case 2:
        return ToolKind::Line;
    case 3:
        return ToolKind::Rectangle;
    case 4:
        return ToolKind::Ellipse;
    default:
        return ToolKind::Fill;
    }
}

int toolCode(ToolKind tool)
{
    switch (tool) {
    case ToolKind::Select:
        break;
    case ToolKind::Pen:
        return 1;
    case ToolKind::Line:
        return 2;
    case ToolKind::Rectangle:
        return 3;
    case ToolKind::Ellipse:
        return 4;
    case ToolKind::Fill:
        return 5;
    }
    return 0;
}

} // namespace vog::codes
