#include "vog/core/DotModel.h"

#include "vog/core/DotData.h"

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
    s_.sizeX = limit(v, 1, kPlaneSide);
}
void DotModel::putSizeY(int v)
{
    s_.sizeY = limit(v, 1, kPlaneSide);
}

void DotModel::putSelSet(bool v)
{
    s_.selSet = v;
    s_.selState = SelNone;
}

void DotModel::putSelPosX1(int v)
{
    s_.selPosX1 = limit(v, 0, s_.sizeX - 1);
}
void DotModel::putSelPosY1(int v)
{
    s_.selPosY1 = limit(v, 0, s_.sizeY - 1);
}
void DotModel::putSelPosX2(int v)
{
    s_.selPosX2 = limit(v, 0, s_.sizeX - 1);
}
void DotModel::putSelPosY2(int v)
{
    s_.selPosY2 = limit(v, 0, s_.sizeY - 1);
}

void DotModel::setCorners(int x1, int y1, int x2, int y2)
{
    s_.selPosX1 = limit(x1, 0, kPlaneSide - 1);
    s_.selPosY1 = limit(y1, 0, kPlaneSide - 1);
    s_.selPosX2 = limit(x2, 0, kPlaneSide - 1);
    s_.selPosY2 = limit(y2, 0, kPlaneSide - 1);
}

Rect DotModel::selection() const
{
    return Rect{std::min(s_.selPosX1, s_.selPosX2), std::min(s_.selPosY1, s_.selPosY2),
                std::max(s_.selPosX1, s_.selPosX2), std::max(s_.selPosY1, s_.selPosY2)};
}

void DotModel::LoadFields(int sizeX, int sizeY, bool selSet, int x1, int y1, int x2, int y2)
{
    s_.sizeX = limit(sizeX, 1, kPlaneSide);
    s_.sizeY = limit(sizeY, 1, kPlaneSide);
    s_.selSet = selSet;
    setCorners(x1, y1, x2, y2);
}

void DotModel::Reset()
{
    s_.main.fill(White);
    s_.overlay.fill(Empty);
    s_.selState = SelNone;
    history_.reset();
}

// ---------------------------------------------------------------- dot strings

std::string DotModel::GetData() const
{
    const int bands = dotdata::bandsFor(s_.sizeY);
    return dotdata::encode(s_.main, s_.sizeX, bands, s_.sizeX, bands);
}

bool DotModel::SetData(std::string_view text)
{
    dotdata::NumberReader reader(text);
    const int width = reader.next();
    const int bands = reader.next();
    if (width < 1 || width > kPlaneSide || bands < 1 || bands > kPlaneSide / 8)
        return false;
    SaveUndo();
    s_.sizeX = static_cast<std::int16_t>(width);
    s_.sizeY = static_cast<std::int16_t>(8 * bands);
    s_.selSet = false;
    s_.selState = SelNone;
    dotdata::decode(reader, s_.main, width, bands);
    return true;
}

std::string DotModel::GetOvl()
{
    if (!s_.selSet)
        return {};
    if (s_.selState != SelFloating) {
        LiftSelection(false, false);
        s_.selState = SelFloating;
    }
    const Rect r = selection();
    return dotdata::encode(s_.overlay, r.width(), r.height(), r.width(),
                           dotdata::bandsFor(r.height()));
}

bool DotModel::SetOvl(std::string_view text)
{
    dotdata::NumberReader reader(text);
    const int width = reader.next();
    const int height = reader.next();
    if (width < 1 || width > kPlaneSide || height < 1 || height > kPlaneSide)
        return false;
    s_.selPosX1 = 0;
    s_.selPosY1 = 0;
    s_.selPosX2 = static_cast<std::int16_t>(width - 1);
    s_.selPosY2 = static_cast<std::int16_t>(height - 1);
    s_.selSet = true;
    s_.selState = SelFloating;
    dotdata::decode(reader, s_.overlay, width, dotdata::bandsFor(height));
    return true;
}

// ------------------------------------------------------------ floating content

Rect DotModel::liftRect() const
{
    Rect r = selection();
    r.left = std::clamp(r.left, 0, s_.sizeX - 1);
    r.top = std::clamp(r.top, 0, s_.sizeY - 1);
    return r;
}

void DotModel::LiftSelection(bool cut, bool transparent)
{
    if (!s_.selSet)
        return;
    const Rect r = liftRect();
    const std::uint8_t clear = transparent ? Empty : White;
    for (int dy = 0; dy < r.height(); ++dy) {
        std::uint8_t *src = &s_.main[cellIndex(r.left, r.top + dy)];
        std::uint8_t *dst = &s_.overlay[cellIndex(0, dy)];
        for (int dx = 0; dx < r.width(); ++dx) {
            dst[dx] = src[dx] != 0 ? Black : clear;
            if (cut)
                src[dx] = White;
        }
    }
}

void DotModel::DropSelection()
{
    if (!s_.selSet)
        return;
    const Rect r = liftRect();
    for (int dy = 0; dy < r.height(); ++dy) {
        std::uint8_t *dst = &s_.main[cellIndex(r.left, r.top + dy)];
        const std::uint8_t *src = &s_.overlay[cellIndex(0, dy)];
        for (int dx = 0; dx < r.width(); ++dx) {
            if (src[dx] == White || src[dx] == Black)
                dst[dx] = src[dx];
        }
    }
}

void DotModel::Escape()
{
    if (s_.selState != SelNone) {
        s_.selState = SelNone;
        DropSelection();
    }
    s_.selSet = false;
}

// ------------------------------------------------------------------------ undo

void DotModel::SaveUndo()
{
    history_.save(s_);
}

void DotModel::Undo()
{
    if (!history_.canStepBack())
        return;
    // Leaving the newest state: keep it, so that Redo can come back to it.
    if (history_.position() == 0)
        SaveUndo();
    s_ = history_.stepBack();
}

void DotModel::Redo()
{
    if (!history_.canStepForward())
        return;
    s_ = history_.stepForward();
}

} // namespace vog
