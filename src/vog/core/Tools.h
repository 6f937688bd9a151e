#pragma once

#include "vog/core/GestureUndo.h"
#include "vog/core/Shapes.h"
#include "vog/core/Tool.h"

#include <memory>

// The control's six tools.
namespace vog {

// Marks a selection by dragging; lifts it (Shift: white is transparent; Ctrl:
// a copy) and moves it, resizes it by its handles, drops it by a press
// outside. Each lift, move and drop is one undo step.
class SelectTool final : public Tool
{
public:
    Damage begin(DotModel &model, const ToolPoint &at, Modifiers keys,
                 const ToolOptions &options) override;
    Damage move(DotModel &model, const ToolPoint &at, Modifiers keys) override;
    Damage end(DotModel &model) override;
    bool active() const override { return m_active; }
    Cursor cursor(const DotModel &model, Handle handle) const override;
    bool autoScrolls() const override { return true; }

private:
    void resize(DotModel &model, Dot dot);
    void moveFloating(DotModel &model, Dot dot);

    bool m_active = false;
    Dot m_grab;
    Handle m_resizeHandle = Handle::Outside;
    GestureUndo m_gesture;
};

// Free-hand strokes: every dot on the straight line between two successive
// pointer positions; with the invert pen each dot turns at most once a stroke.
class PenTool final : public Tool
{
public:
    Damage begin(DotModel &model, const ToolPoint &at, Modifiers keys,
                 const ToolOptions &options) override;
    Damage move(DotModel &model, const ToolPoint &at, Modifiers keys) override;
    Damage end(DotModel &model) override;
    bool active() const override { return m_active; }

private:
    Damage stroke(DotModel &model, Dot from, Dot to);

    bool m_active = false;
    bool m_started = false; // a stroke starts on a dot's square
    Dot m_last;
    Pen m_pen = Pen::Black;
    Plane m_turned{}; // dots this stroke has painted
    GestureUndo m_gesture;
};

// Lines, rectangles and ellipses from the press to the pointer, shown as a
// preview until the release paints them with the pen. Shift: 0, 45 or 90
// degrees; a square; a circle.
class ShapeTool final : public Tool
{
public:
    explicit ShapeTool(ToolKind kind) : m_kind(kind) {}

    Damage begin(DotModel &model, const ToolPoint &at, Modifiers keys,
                 const ToolOptions &options) override;
    Damage move(DotModel &model, const ToolPoint &at, Modifiers keys) override;
    Damage end(DotModel &model) override;
    Damage cancel(DotModel &model) override;
    bool active() const override { return m_active; }
    const ShapeMask *preview() const override { return m_active ? &m_mask : nullptr; }
    Pen previewPen() const override { return m_options.pen; }
    std::optional<Dot> extent() const override;

    // The far corner a drag to `to` ends at, with Shift's constraint.
    static Dot constrained(ToolKind kind, Dot from, Dot to);

private:
    Damage trace(const DotModel &model);

    ToolKind m_kind;
    bool m_active = false;
    ToolOptions m_options;
    Dot m_from;
    Dot m_to;
    ShapeMask m_mask;
};

// The 4-connected region of the pressed dot's colour takes the pen's colour
// (invert: the opposite of that colour).
class FillTool final : public Tool
{
public:
    Damage begin(DotModel &model, const ToolPoint &at, Modifiers keys,
                 const ToolOptions &options) override;
    Damage move(DotModel &, const ToolPoint &, Modifiers) override { return {}; }
    Damage end(DotModel &) override;
    bool active() const override { return m_active; }

private:
    bool m_active = false;
    shapes::FillStack m_stack;
};

// One of each, and which is in use.
class ToolBox
{
public:
    ToolBox();
    ToolKind current() const { return m_current; }
    void choose(ToolKind kind) { m_current = kind; }
    Tool &tool() { return *m_tools[static_cast<int>(m_current)]; }
    const Tool &tool() const { return *m_tools[static_cast<int>(m_current)]; }

private:
    ToolKind m_current = ToolKind::Select;
    std::unique_ptr<Tool> m_tools[6];
};

} // namespace vog
