#include "editors/GraphicTools.h"

#include "project/TextFields.h"

#include <algorithm>
#include <utility>

namespace graphictools {
namespace {

constexpr int DotSizes[ZoomSteps] = {5, 10, 15, 20};
constexpr int DotGaps[ZoomSteps] = {1, 2, 3, 4};

int step(int zoomStep)
{
    return std::clamp(zoomStep, 0, ZoomSteps - 1);
}

} // namespace

int dotSize(int zoomStep)
{
    return DotSizes[step(zoomStep)];
}

int dotGap(int zoomStep)
{
    return DotGaps[step(zoomStep)];
}

int drawMode(Colour colour)
{
    switch (colour) {
    case Colour::Black:
        return 0;
    case Colour::White:
        return 1;
    case Colour::Invert:
        break;
    }
    return 2;
}

int paintMode(Colour colour)
{
    switch (colour) {
    case Colour::White:
        return 0;
    case Colour::Black:
        return 1;
    case Colour::Invert:
        break;
    }
    return 2;
}

int rotateAngle(int degrees)
{
    switch (degrees) {
    case 180:
        return 1;
    case 270:
        return 2;
    default:
        return 0;
    }
}

QString selectionStatus(bool selectionSet, int x1, int y1, int x2, int y2)
{
    using textfields::BlankSignedNumber;
    if (!selectionSet)
        return QStringLiteral("No selection");
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    return QStringLiteral("Selection ") + BlankSignedNumber(x1) + QLatin1Char(',') +
           BlankSignedNumber(y1) + QLatin1Char('-') + BlankSignedNumber(x2) + QLatin1Char(',') +
           BlankSignedNumber(y2) + QStringLiteral("  (") + BlankSignedNumber(x2 - x1 + 1) +
           QLatin1Char('x') + BlankSignedNumber(y2 - y1 + 1) + QLatin1Char(')');
}

QString dotStatus(int x, int y)
{
    using textfields::BlankSignedNumber;
    return QStringLiteral("Dot") + BlankSignedNumber(x) + QLatin1Char(',') + BlankSignedNumber(y);
}

QString sizeStatus(int width, int height)
{
    using textfields::BlankSignedNumber;
    return QStringLiteral("Size") + BlankSignedNumber(width) + QLatin1Char('x') +
           BlankSignedNumber(height);
}

int originKeeping(int dot, int pixel, int pitch)
{
    return std::max(dot - std::max(pixel, 0) / pitch, 0);
}

Alignment alignmentOf(int textAlignment)
{
    switch (textAlignment) {
    case 0:
        return Alignment::Left;
    case 1:
        return Alignment::Right;
    case 2:
        return Alignment::Center;
    default:
        return Alignment::None;
    }
}

int textAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right:
        return 1;
    case Alignment::Center:
        return 2;
    default:
        return 0;
    }
}

} // namespace graphictools
