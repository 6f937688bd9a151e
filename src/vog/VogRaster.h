#pragma once

#include "vog/core/DotModel.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

// Text and pictures turned into dots, one pixel per dot, through one-bit images.
namespace vog::raster {

// Draws `text` (lines split at carriage returns, at most 15) with `font`,
// antialiasing off, on a white one-bit surface of `surface` pixels, each line
// aligned by `alignment` (0 left, 1 right, other centred), and places the black
// pixels in the model as a new floating selection.
void setText(DotModel &model, const QString &text, const QFont &font, int alignment,
             const QSize &surface);

// The lines SetText draws: split at carriage returns, at most 15.
QStringList textLines(const QString &text);

// Places `picture` at (0, 0) as a new floating selection: transparent pixels count
// as white, every pixel that is not pure white as black; cropped to the graphic,
// never scaled. Returns false for a picture without pixels.
bool importPicture(DotModel &model, const QImage &picture);

} // namespace vog::raster
