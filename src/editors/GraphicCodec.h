#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

struct GraphicLimits;

// A graphic item file holds the same numbers as the control's dot data string:
// width, band count, then the column bytes band by band.
namespace graphiccodec {

// " 2, 1, 1, 0,": a blank before and a comma after every byte's decimal value.
QString bytesToDotText(const QByteArray &bytes);

// One byte per number of the control's text ("002,001,001,000"), read by the
// position rule: a number at the current position, then on after the next
// comma. Empty text gives no bytes. Numbers outside 0..255 are held to the
// nearest byte value.
QByteArray dotTextToBytes(QStringView text);

// Bands of eight dot rows needed for a height in dots.
int bandCount(int heightInDots);

bool sizeInRange(int width, int heightInDots, const GraphicLimits &limits);

// What the editor and the command line say of a size outside the limits.
QString invalidSizeText();

// The whole graphic lifted as a selection, from its bytes (width, band count,
// column bytes) and its height in dots: `rest` is the dot text the graphic
// keeps underneath (white, but for the rows of the last band below the height,
// which are hidden yet saved, so they stay), `floating` the dot text of the
// lifted content (width, height in dots, the same column bytes). Empty texts
// for bytes without a whole header.
struct WholeLift
{
    QString rest;
    QString floating;
};
WholeLift liftWhole(const QByteArray &graphic, int heightInDots);

} // namespace graphiccodec
