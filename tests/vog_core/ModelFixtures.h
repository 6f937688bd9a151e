#pragma once

#include "DotModel.h"

#include <memory>
#include <random>
#include <string>

// Random graphics and selections for the property checks.
namespace vogtest {

inline std::string randomDotString(std::mt19937 &rng, int width, int second, int bands)
{
    std::string s = std::to_string(width) + "," + std::to_string(second);
    for (int i = 0; i < width * bands; ++i)
        s += "," + std::to_string(rng() % 256);
    return s;
}

// A graphic of random size and dots, a random selection in a random state,
// and a non-empty undo history.
inline std::unique_ptr<vog::DotModel> randomModel(std::mt19937 &rng, int minSide = 1)
{
    auto m = std::make_unique<vog::DotModel>();
    const int w = minSide + static_cast<int>(rng() % (129 - minSide));
    const int bands = (minSide + 7) / 8 + static_cast<int>(rng() % (17 - (minSide + 7) / 8));
    m->SetData(randomDotString(rng, w, bands, bands));
    auto pick = [&](int n) { return static_cast<int>(rng() % n); };
    m->putSelPosX1(pick(w));
    m->putSelPosX2(pick(w));
    m->putSelPosY1(pick(8 * bands));
    m->putSelPosY2(pick(8 * bands));
    m->putSelSet(true);
    switch (pick(3)) {
    case 0:
        m->setSelState(vog::SelMarked);
        break;
    case 1:
        m->LiftSelection(pick(2) == 0, pick(2) == 0);
        m->setSelState(vog::SelFloating);
        break;
    default:
        break; // SelNone through the properties: the overlay is active
    }
    return m;
}

} // namespace vogtest
