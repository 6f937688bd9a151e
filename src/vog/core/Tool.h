#pragma once

#include "vog/core/DotModel.h"
#include "vog/core/EditModes.h"
#include "vog/core/Handle.h"

#include <optional>

// The mouse tools of the control, in dot coordinates. The control's window
// turns pixels into a ToolPoint, forwards the button and the moves to the
// current tool, and repaints what the tool reports as changed; the tool
// changes the model and records its own undo step.
namespace vog {

enum class ToolKind {
    Select,
    Pen,
    Line,
    Rectangle,
    Ellipse,
    Fill,
};

struct Dot
{
    int x = 0;
    int y = 0;
    bool operator==(const Dot &) const = default;
};

// Where the pointer is, in dots.
struct ToolPoint
{
    Dot dot;               // under the pointer, beyond the graphic as well (may be negative)
    Dot nearest;           // the graphic's dot nearest to the pointer
    bool inside = false;   // the pointer is over the graphic as shown
    bool onSquare = false; // ... and on a dot's square, not in a grid line
    Handle handle = Handle::Outside; // against the selection rectangle
};

struct Modifiers
{
    bool shift = false;
    bool ctrl = false;
};

// What a drawing tool does to the dots it covers.
struct ToolOptions
{
    Pen pen = Pen::Black;
    bool filled = false; // rectangles and ellipses
};

// The dots an event changed, for the window to repaint.
struct Damage
{
    bool all = false;
    bool some = false;
    Rect dots; // when some

    static Damage everything()
    {
        Damage d;
        d.all = true;
        return d;
    }
    void add(const Rect &r);
    void add(Dot d) { add(Rect{d.x, d.y, d.x, d.y}); }
    void add(const Damage &other);
};

// The dots a shape in progress would paint: cells of 1 within bounds.
struct ShapeMask
{
    Plane cells{};
    Rect bounds;
    bool empty = true;

    void clear();
    void set(int x, int y);
    bool covers(int x, int y) const
    {
        return !empty && x >= bounds.left && x <= bounds.right && y >= bounds.top &&
               y <= bounds.bottom && cells[cellIndex(x, y)] != 0;
    }
};

// The pointer shapes a tool asks for.
enum class Cursor {
    Arrow,
    Cross,
    SizeVertical,
    SizeHorizontal,
    SizeDiagonalDown, // north-west to south-east
    SizeDiagonalUp,   // north-east to south-west
    Move,
};

class Tool
{
public:
    virtual ~Tool() = default;

    // The left button went down, moved, came up; cancel ends a gesture
    // without a trace (Escape, the right button).
    virtual Damage begin(DotModel &model, const ToolPoint &at, Modifiers keys,
                         const ToolOptions &options) = 0;
    virtual Damage move(DotModel &model, const ToolPoint &at, Modifiers keys) = 0;
    virtual Damage end(DotModel &model) = 0;
    virtual Damage cancel(DotModel &) { return {}; }

    // A gesture is under way (between begin and end or cancel).
    virtual bool active() const = 0;
    // What a shape in progress would paint, over the graphic as it is.
    virtual const ShapeMask *preview() const { return nullptr; }
    virtual Pen previewPen() const { return Pen::Black; }
    // Width and height of what is being dragged out.
    virtual std::optional<Dot> extent() const { return std::nullopt; }
    // With the button up, over the given handle.
    virtual Cursor cursor(const DotModel &, Handle) const { return Cursor::Cross; }
    // The view follows the pointer beyond the window while the button is held.
    virtual bool autoScrolls() const { return false; }
};

} // namespace vog
