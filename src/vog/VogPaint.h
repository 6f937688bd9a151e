#pragma once

#include "vog/VogGeometry.h"
#include "vog/core/DotModel.h"

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

// Grid lines, dots and the area beyond the graphic; no frame.
void renderDots(QImage &image, const DotModel &model, const View &view);

// One dot's square; returns the rectangle painted (empty when it is not shown).
QRect fillDot(QImage &image, const View &view, int column, int row, bool black);

// The selection frame in the grid lines, or (visible FALSE) the grid colour over it.
// Returns the rectangle that holds what was painted.
QRect drawFrame(QImage &image, const View &view, const Rect &selection, bool visible, bool dashed);

} // namespace vog::paint
