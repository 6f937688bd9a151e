#include "vog/core/DotModel.h"

#include "vog/core/DotData.h"
#include "vog/core/Shapes.h"

#include <algorithm>

namespace vog {

namespace {

std::int16_t limit(int v, int lo, int hi)
{
    return static_cast<std::int16_t>(std::clamp(v, lo, hi));
}

} // namespace

void DotModel::putSizeX(int v)
{
    m_state.sizeX = limit(v, 1, kPlaneSide);
}
void DotModel::putSizeY(int v)
{
    m_state.sizeY = limit(v, 1, kPlaneSide);
}

void DotModel::putSelSet(bool v)
{
    m_state.selSet = v;
    m_state.selState = SelNone;
}

void DotModel::putSelPosX1(int v)
{
    m_state.selPosX1 = limit(v, 0, m_state.sizeX - 1);
}
void DotModel::putSelPosY1(int v)
{
    m_state.selPosY1 = limit(v, 0, m_state.sizeY - 1);
}
void DotModel::putSelPosX2(int v)
{
    m_state.selPosX2 = limit(v, 0, m_state.sizeX - 1);
}
void DotModel::putSelPosY2(int v)
{
    m_state.selPosY2 = limit(v, 0, m_state.sizeY - 1);
}

void DotModel::setCorners(int x1, int y1, int x2, int y2)
{
    m_state.selPosX1 = limit(x1, 0, kPlaneSide - 1);
    m_state.selPosY1 = limit(y1, 0, kPlaneSide - 1);
    m_state.selPosX2 = limit(x2, 0, kPlaneSide - 1);
    m_state.selPosY2 = limit(y2, 0, kPlaneSide - 1);
}

Rect DotModel::selection() const
{
    return Rect{
        std::min(m_state.selPosX1, m_state.selPosX2), std::min(m_state.selPosY1, m_state.selPosY2),
        std::max(m_state.selPosX1, m_state.selPosX2), std::max(m_state.selPosY1, m_state.selPosY2)};
}

void DotModel::LoadFields(int sizeX, int sizeY, bool selSet, int x1, int y1, int x2, int y2)
{
    m_state.sizeX = limit(sizeX, 1, kPlaneSide);
    m_state.sizeY = limit(sizeY, 1, kPlaneSide);
    m_state.selSet = selSet;
    setCorners(x1, y1, x2, y2);
}

void DotModel::Reset()
{
    m_state.main.fill(White);
    m_state.overlay.fill(Empty);
    m_state.selState = SelNone;
    m_history.reset();
}

int DotModel::FloodFill(int x, int y, std::uint8_t value, shapes::FillStack &stack)
{
    return shapes::floodFill(m_state.main, m_state.sizeX, m_state.sizeY, x, y, value, stack);
}

// ---------------------------------------------------------------- dot strings

std::string DotModel::GetData() const
{
    const int bands = dotdata::bandsFor(m_state.sizeY);
    return dotdata::encode(m_state.main, m_state.sizeX, bands, m_state.sizeX, bands);
}

bool DotModel::SetData(std::string_view text)
{
    dotdata::NumberReader reader(text);
    const int width = reader.next();
    const int bands = reader.next();
    if (width < 1 || width > kPlaneSide || bands < 1 || bands > kPlaneSide / 8)
        return false;
    // A load into an empty history has nothing before it worth returning to:
    // its snapshot is the loaded graphic, the oldest state undo can reach.
    const bool startsHistory = m_history.count() == 0;
    if (!startsHistory)
        SaveUndo();
    m_state.sizeX = static_cast<std::int16_t>(width);
    m_state.sizeY = static_cast<std::int16_t>(8 * bands);
    m_state.selSet = false;
    m_state.selState = SelNone;
    dotdata::decode(reader, m_state.main, width, bands);
    if (startsHistory)
        SaveUndo();
    return true;
}

std::string DotModel::GetOvl()
{
    if (!m_state.selSet)
        return {};
    if (m_state.selState != SelFloating) {
        LiftSelection(false, false);
        m_state.selState = SelFloating;
    }
    const Rect r = selection();
    return dotdata::encode(m_state.overlay, r.width(), r.height(), r.width(),
                           dotdata::bandsFor(r.height()));
}

bool DotModel::SetOvl(std::string_view text)
{
    dotdata::NumberReader reader(text);
    const int width = reader.next();
    const int height = reader.next();
    if (width < 1 || width > kPlaneSide || height < 1 || height > kPlaneSide)
        return false;
    m_state.selPosX1 = 0;
    m_state.selPosY1 = 0;
    m_state.selPosX2 = static_cast<std::int16_t>(width - 1);
    m_state.selPosY2 = static_cast<std::int16_t>(height - 1);
    m_state.selSet = true;
    m_state.selState = SelFloating;
    dotdata::decode(reader, m_state.overlay, width, dotdata::bandsFor(height));
    return true;
}

// ------------------------------------------------------------ floating content

Rect DotModel::liftRect() const
{
    Rect r = selection();
    r.left = std::clamp(r.left, 0, m_state.sizeX - 1);
    r.top = std::clamp(r.top, 0, m_state.sizeY - 1);
    return r;
}

void DotModel::LiftSelection(bool cut, bool transparent)
{
    if (!m_state.selSet)
        return;
    const Rect r = liftRect();
    const std::uint8_t clear = transparent ? Empty : White;
    for (int dy = 0; dy < r.height(); ++dy) {
        std::uint8_t *src = &m_state.main[cellIndex(r.left, r.top + dy)];
        std::uint8_t *dst = &m_state.overlay[cellIndex(0, dy)];
        for (int dx = 0; dx < r.width(); ++dx) {
            dst[dx] = src[dx] != 0 ? Black : clear;
            if (cut)
                src[dx] = White;
        }
    }
}

void DotModel::DropSelection()
{
    if (!m_state.selSet)
        return;
    const Rect r = liftRect();
    for (int dy = 0; dy < r.height(); ++dy) {
        std::uint8_t *dst = &m_state.main[cellIndex(r.left, r.top + dy)];
        const std::uint8_t *src = &m_state.overlay[cellIndex(0, dy)];
        for (int dx = 0; dx < r.width(); ++dx) {
            if (src[dx] == White || src[dx] == Black)
                dst[dx] = src[dx];
        }
    }
}

void DotModel::Escape()
{
    if (m_state.selState != SelNone) {
        m_state.selState = SelNone;
        DropSelection();
    }
    m_state.selSet = false;
}

// ------------------------------------------------------------------------ undo

void DotModel::SaveUndo()
{
    m_history.save(m_state);
}

namespace {

bool floats(const DotState &s)
{
    return s.selSet && s.selState == SelFloating;
}

// What the user sees: the size, the committed dots and what floats where; a
// marked frame alone is no picture of its own.
bool samePicture(const DotState &a, const DotState &b)
{
    if (a.sizeX != b.sizeX || a.sizeY != b.sizeY || a.main != b.main)
        return false;
    if (floats(a) != floats(b))
        return false;
    return !floats(a) ||
           (a.overlay == b.overlay && a.selPosX1 == b.selPosX1 && a.selPosY1 == b.selPosY1 &&
            a.selPosX2 == b.selPosX2 && a.selPosY2 == b.selPosY2);
}

// The dots shown, with what floats placed where it is (as DropSelection
// would place it), compared within the graphic.
bool sameDotsShown(const DotState &a, const DotState &b)
{
    if (a.sizeX != b.sizeX || a.sizeY != b.sizeY)
        return false;
    const auto shown = [](const DotState &s) {
        Rect r{std::min(s.selPosX1, s.selPosX2), std::min(s.selPosY1, s.selPosY2),
               std::max(s.selPosX1, s.selPosX2), std::max(s.selPosY1, s.selPosY2)};
        r.left = std::clamp(r.left, 0, s.sizeX - 1);
        r.top = std::clamp(r.top, 0, s.sizeY - 1);
        if (!floats(s))
            r = Rect{0, 0, -1, -1};
        return [&s, r](int x, int y) {
            if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) {
                const std::uint8_t v = s.overlay[cellIndex(x - r.left, y - r.top)];
                if (v == White || v == Black)
                    return v;
            }
            return s.main[cellIndex(x, y)];
        };
    };
    const auto dotA = shown(a);
    const auto dotB = shown(b);
    for (int y = 0; y < a.sizeY; ++y)
        for (int x = 0; x < a.sizeX; ++x)
            if (dotA(x, y) != dotB(x, y))
                return false;
    return true;
}

// `after` is `before` with its selection lifted and nothing else changed.
bool isLift(const DotState &before, const DotState &after)
{
    return !floats(before) && floats(after) && sameDotsShown(before, after);
}

} // namespace

bool DotModel::canUndo() const
{
    if (!m_history.canStepBack())
        return false;
    // From the newest state the first step returns to snapshot 0 (after
    // keeping the state it leaves); from further back, to the next older one.
    const int position = m_history.position();
    for (int i = position == 0 ? 0 : position + 1; i < m_history.count(); ++i)
        if (!samePicture(m_history.at(i), m_state))
            return true;
    return false;
}

bool DotModel::canRedo() const
{
    for (int i = m_history.position() - 1; i >= 0; --i)
        if (!samePicture(m_history.at(i), m_state))
            return true;
    return false;
}

void DotModel::stepBack()
{
    if (m_history.position() == 0)
        m_history.keep(m_state);
    m_state = m_history.stepBack();
}

bool DotModel::undoChange()
{
    if (!canUndo())
        return false;
    const DotState before = m_state; // once a press, not per step
    do
        stepBack();
    while (samePicture(m_state, before));
    // Back at a lift that showed nothing new: the state before it.
    if (m_history.canStepBack() && isLift(m_history.at(m_history.position() + 1), m_state))
        stepBack();
    return true;
}

bool DotModel::redoChange()
{
    if (!canRedo())
        return false;
    DotState before = m_state;
    do
        Redo();
    while (samePicture(m_state, before));
    // A lift that showed nothing new goes on to the operation after it.
    if (m_history.canStepForward() && isLift(before, m_state)) {
        before = m_state;
        do
            Redo();
        while (m_history.canStepForward() && samePicture(m_state, before));
    }
    return true;
}

void DotModel::Undo()
{
    if (!m_history.canStepBack())
        return;
    // Leaving the newest state: keep it, so that Redo can come back to it.
    if (m_history.position() == 0)
        SaveUndo();
    m_state = m_history.stepBack();
}

void DotModel::Redo()
{
    if (!m_history.canStepForward())
        return;
    m_state = m_history.stepForward();
}

} // namespace vog
