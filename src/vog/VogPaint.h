#pragma once

#include "vog/VogGeometry.h"
#include "vog/core/DotModel.h"
#include "vog/core/Tool.h"

#include <QImage>
#include <QRect>
#include <QRgb>

// Paints the dot grid into an RGB32 image the size of the paint area. The control
// keeps that image and shows it, so a single dot or the selection frame can be
// painted without painting anything else.
namespace vog::paint {

constexpr QRgb gridColour = qRgb(229, 229, 240);
constexpr QRgb blackDot = qRgb(64, 64, 64);
constexpr QRgb whiteDot = qRgb(255, 255, 255);
constexpr QRgb floatingBlack = qRgb(160, 160, 224);
constexpr QRgb blackUnderEmpty = qRgb(160, 160, 160);
constexpr QRgb frameColour = qRgb(0, 0, 255);

// A shape in progress, shown over the graphic as its pen would leave it.
struct ShownShape
{
    const ShapeMask *mask = nullptr;
    Pen pen = Pen::Black;
};

// Grid lines, dots and the area beyond the graphic; no frame.
void renderDots(QImage &image, const DotModel &model, const View &view, ShownShape shape = {});

// Only the squares of the shown dots within `dots`; returns the rectangle
// painted (empty when none of them is shown).
QRect renderDotsIn(QImage &image, const DotModel &model, const View &view, const Rect &dots,
                   ShownShape shape = {});

// The selection frame in the grid lines, or (visible FALSE) the grid colour over it.
// Returns the rectangle that holds what was painted.
QRect drawFrame(QImage &image, const View &view, const Rect &selection, bool visible, bool dashed);

} // namespace vog::paint
