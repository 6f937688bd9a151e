#pragma once

#include "vog/core/DotModel.h"

#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

// Small graphics drawn as text, and random graphics for the property checks.
namespace vogtest {

// '#' black, '.' white; the graphic is as wide and high as the rows.
inline std::unique_ptr<vog::DotModel> graphic(const std::vector<std::string> &rows)
{
    auto m = std::make_unique<vog::DotModel>();
    m->putSizeX(static_cast<int>(rows[0].size()));
    m->putSizeY(static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            m->setMainCell(static_cast<int>(x), static_cast<int>(y), rows[y][x] == '#');
    return m;
}

// A marked selection with an empty overlay, as the mouse leaves it; or that
// selection floated, its white cells empty.
inline void select(vog::DotModel &m, int x1, int y1, int x2, int y2, bool floating = false)
{
    m.setCorners(x1, y1, x2, y2);
    m.putSelSet(true);
    m.setSelState(vog::SelMarked);
    m.ClearOverlay();
    if (floating) {
        m.LiftSelection(false, true);
        m.setSelState(vog::SelFloating);
    }
}

// Rows of a plane joined by '/': '#' 1, '.' 0, ' ' empty.
inline std::string picture(const vog::DotModel &m, bool overlay, int w, int h)
{
    std::string s;
    for (int y = 0; y < h; ++y) {
        s += y ? "/" : "";
        for (int x = 0; x < w; ++x) {
            const int c = overlay ? m.overlayCell(x, y) : m.mainCell(x, y);
            s += c == 1 ? '#' : c == 0 ? '.' : ' ';
        }
    }
    return s;
}

inline auto corners(const vog::Rect &r)
{
    return std::tuple(r.left, r.top, r.right, r.bottom);
}

inline std::string randomDotString(std::mt19937 &rng, int width, int second, int bands)
{
    std::string s = std::to_string(width) + "," + std::to_string(second);
    for (int i = 0; i < width * bands; ++i)
        s += "," + std::to_string(rng() % 256);
    return s;
}

// Random size and dots, a random selection marked, floating or set through the
// properties, and one undo snapshot (from SetData).
inline std::unique_ptr<vog::DotModel> randomModel(std::mt19937 &rng)
{
    auto m = std::make_unique<vog::DotModel>();
    auto pick = [&](int n) { return static_cast<int>(rng() % n); };
    const int w = 1 + pick(128), bands = 1 + pick(16);
    m->SetData(randomDotString(rng, w, bands, bands));
    m->setCorners(pick(w), pick(8 * bands), pick(w), pick(8 * bands));
    m->putSelSet(true);
    if (const int kind = pick(3); kind < 2) {
        m->LiftSelection(pick(2) == 0, pick(2) == 0);
        m->setSelState(kind == 0 ? vog::SelMarked : vog::SelFloating);
    }
    return m;
}

} // namespace vogtest
