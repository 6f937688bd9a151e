#pragma once

#include <QByteArray>
#include <QString>

// A graphic item file's bytes (width, band count, column bytes band by band,
// top row in the least significant bit) as something a person can look at.
namespace graphicart {

// True when the bytes are a whole graphic of 1..128 columns and 1..16 bands.
bool isGraphic(const QByteArray &bytes);
// One line per dot row, '#' for black and '.' for white.
QString text(const QByteArray &bytes);
// Each dot as a square of scale pixels. False when the file cannot be written.
bool writePng(const QByteArray &bytes, const QString &path, int scale);

} // namespace graphicart
