#include "vog/core/Tools.h"

#include <algorithm>
#include <cstdlib>

namespace vog {

namespace {

bool inGraphic(const DotModel &model, int x, int y)
{
    return x >= 0 && y >= 0 && x < model.SizeX() && y < model.SizeY();
}

} // namespace

void ShapeMask::clear()
{
    if (empty)
        return;
    for (int y = bounds.top; y <= bounds.bottom; ++y)
        std::fill_n(&cells[cellIndex(bounds.left, y)], bounds.width(), std::uint8_t{0});
    empty = true;
}

void ShapeMask::set(int x, int y)
{
    cells[cellIndex(x, y)] = 1;
    if (empty) {
        bounds = Rect{x, y, x, y};
        empty = false;
        return;
    }
    bounds.left = std::min(bounds.left, x);
    bounds.top = std::min(bounds.top, y);
    bounds.right = std::max(bounds.right, x);
    bounds.bottom = std::max(bounds.bottom, y);
}

// ------------------------------------------------------------------------ pen

Damage PenTool::begin(DotModel &model, const ToolPoint &at, Modifiers, const ToolOptions &options)
{
    m_active = true;
    m_started = false;
    m_pen = options.pen;
    m_turned.fill(0);
    m_gesture.begin();
    if (!at.onSquare)
        return {};
    m_started = true;
    return stroke(model, at.dot, at.dot);
}

Damage PenTool::move(DotModel &model, const ToolPoint &at, Modifiers)
{
    if (!m_active)
        return {};
    if (!m_started) {
        if (!at.onSquare)
            return {};
        m_started = true;
        return stroke(model, at.dot, at.dot);
    }
    if (at.dot == m_last)
        return {};
    return stroke(model, m_last, at.dot);
}

Damage PenTool::stroke(DotModel &model, Dot from, Dot to)
{
    Damage damage;
    shapes::line(from.x, from.y, to.x, to.y, [&](int x, int y) {
        if (!inGraphic(model, x, y) || m_turned[cellIndex(x, y)] != 0)
            return;
        m_turned[cellIndex(x, y)] = 1;
        const std::uint8_t was = model.mainCell(x, y);
        const std::uint8_t now = penCell(m_pen, was);
        if (now == was)
            return;
        m_gesture.beforeChange(model);
        model.setMainCell(x, y, now);
        damage.add(Dot{x, y});
    });
    m_last = to;
    return damage;
}

Damage PenTool::end(DotModel &)
{
    m_active = false;
    m_gesture.end();
    return {};
}

// --------------------------------------------------------------------- shapes

Dot ShapeTool::constrained(ToolKind kind, Dot from, Dot to)
{
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int adx = std::abs(dx), ady = std::abs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    if (kind == ToolKind::Line) {
        // The nearest of 0, 45 and 90 degrees; tan 22.5 is about 5 / 12.
        if (ady * 12 <= adx * 5)
            return Dot{to.x, from.y};
        if (adx * 12 <= ady * 5)
            return Dot{from.x, to.y};
    }
    const int side = std::max(adx, ady);
    return Dot{from.x + sx * side, from.y + sy * side};
}

Damage ShapeTool::begin(DotModel &model, const ToolPoint &at, Modifiers keys,
                        const ToolOptions &options)
{
    if (!at.inside)
        return {};
    m_active = true;
    m_options = options;
    m_from = at.nearest;
    m_to = m_from;
    return move(model, at, keys);
}

Damage ShapeTool::move(DotModel &model, const ToolPoint &at, Modifiers keys)
{
    if (!m_active)
        return {};
    const Dot to = keys.shift ? constrained(m_kind, m_from, at.dot) : at.dot;
    if (to == m_to && !m_mask.empty)
        return {};
    m_to = to;
    return trace(model);
}

Damage ShapeTool::trace(const DotModel &model)
{
    Damage damage;
    if (!m_mask.empty)
        damage.add(m_mask.bounds);
    m_mask.clear();
    auto plot = [&](int x, int y) {
        if (inGraphic(model, x, y))
            m_mask.set(x, y);
    };
    switch (m_kind) {
    case ToolKind::Line:
        shapes::line(m_from.x, m_from.y, m_to.x, m_to.y, plot);
        break;
    case ToolKind::Rectangle:
        shapes::rectangle(m_from.x, m_from.y, m_to.x, m_to.y, m_options.filled, plot);
        break;
    default:
        shapes::ellipse(m_from.x, m_from.y, m_to.x, m_to.y, m_options.filled, plot);
        break;
    }
    if (!m_mask.empty)
        damage.add(m_mask.bounds);
    return damage;
}

Damage ShapeTool::end(DotModel &model)
{
    if (!m_active)
        return {};
    m_active = false;
    Damage damage;
    if (m_mask.empty)
        return damage;
    damage.add(m_mask.bounds);
    const Rect b = m_mask.bounds;
    bool changes = false;
    for (int y = b.top; y <= b.bottom && !changes; ++y)
        for (int x = b.left; x <= b.right && !changes; ++x)
            changes = m_mask.covers(x, y) &&
                      penCell(m_options.pen, model.mainCell(x, y)) != model.mainCell(x, y);
    // A shape that changes no dot takes no undo step.
    if (changes) {
        model.SaveUndo();
        for (int y = b.top; y <= b.bottom; ++y)
            for (int x = b.left; x <= b.right; ++x)
                if (m_mask.covers(x, y))
                    model.setMainCell(x, y, penCell(m_options.pen, model.mainCell(x, y)));
    }
    m_mask.clear();
    return damage;
}

Damage ShapeTool::cancel(DotModel &)
{
    Damage damage;
    if (!m_mask.empty)
        damage.add(m_mask.bounds);
    m_mask.clear();
    m_active = false;
    return damage;
}

std::optional<Dot> ShapeTool::extent() const
{
    if (!m_active)
        return std::nullopt;
    return Dot{std::abs(m_to.x - m_from.x) + 1, std::abs(m_to.y - m_from.y) + 1};
}

// ----------------------------------------------------------------------- fill

Damage FillTool::begin(DotModel &model, const ToolPoint &at, Modifiers, const ToolOptions &options)
{
    m_active = true;
    if (!at.onSquare)
        return {};
    const std::uint8_t was = model.mainCell(at.dot.x, at.dot.y);
    const std::uint8_t now = penCell(options.pen, was);
    if (now == was)
        return {};
    model.SaveUndo();
    model.FloodFill(at.dot.x, at.dot.y, now, m_stack);
    return Damage::everything();
}

Damage FillTool::end(DotModel &)
{
    m_active = false;
    return {};
}

// ---------------------------------------------------------------------- box

ToolBox::ToolBox()
    : m_tools{std::make_unique<SelectTool>(),
              std::make_unique<PenTool>(),
              std::make_unique<ShapeTool>(ToolKind::Line),
              std::make_unique<ShapeTool>(ToolKind::Rectangle),
              std::make_unique<ShapeTool>(ToolKind::Ellipse),
              std::make_unique<FillTool>()}
{
}

} // namespace vog
