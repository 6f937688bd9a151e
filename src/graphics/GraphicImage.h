#pragma once

#include "graphics/Graphic.h"
#include "platform/PlatformError.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Graphics and pictures: drawing a graphic as black dots on white, the import
// rule that turns a picture into dots, and the picture files on either side.
namespace graphics {

// Each dot as a square of scale x scale pixels, black on white, in a one-bit
// image whose colour table is {white, black}. scale is 1 or more.
QImage toImage(const Graphic &graphic, int scale = 1);

// The import rule: one pixel per dot from the top-left corner, never scaled;
// transparent pixels count as white (the picture is laid on white) and every
// pixel that is not then pure white is black, judged at the picture's own
// depth (65481 of 65535 is not white). The dots of the picture's part within
// `limit`, as a one-bit image {white, black}; null for a picture without pixels.
QImage importedDots(const QImage &picture, QSize limit = QSize(MaxWidth, MaxBands *BandHeight));

// Black where the one-bit image {white, black} is; its height rounded up to
// whole bands, the rows below it white.
Graphic fromDots(const QImage &dots);

// The import rule over the largest graphic: importedDots, then fromDots.
// Nothing for a picture without pixels.
std::optional<Graphic> fromPicture(const QImage &picture);

struct Picture
{
    QImage image;
    PlatformError error; // 53 and kin for a file that cannot be read, 481 for one
                         // that is no picture Qt reads
};

// Any picture the Qt image plugins read (BMP, PNG, GIF, JPEG, ICO, PBM, ...),
// turned as its orientation tag says.
Picture readPicture(const QString &path);

// The image as PNG bytes, and written to a file atomically: a failed write
// leaves the old file as it was.
QByteArray pngBytes(const QImage &image);
PlatformError writePng(const QImage &image, const QString &path);

// The largest whole number of pixels per dot, from least to most, at which a
// graphic of `dots` fits `area`; least when even that does not fit.
int dotSizeToFit(QSize dots, QSize area, int least, int most);

} // namespace graphics
