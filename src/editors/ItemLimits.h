#pragma once

#include <QString>
#include <QStringView>

// The limits text of an item (numbers separated by ","), read field by field.
// An empty or missing field takes its default; each bound is then clamped on
// its own side only, so a minimum above its maximum is kept (nothing is then
// in range). Bounds may have fractions.

struct GraphicLimits
{
    double minWidth = 1;
    double maxWidth = 104;
    double minBands = 1;
    double maxBands = 7;
};

struct ConstantLimits
{
    double minimum = 0;
    double maximum = 65535;

    bool contains(double value) const { return minimum <= value && value <= maximum; }
};

namespace itemlimits {

GraphicLimits parseGraphic(QStringView limitsText);
ConstantLimits parseConstant(QStringView limitsText);

} // namespace itemlimits
