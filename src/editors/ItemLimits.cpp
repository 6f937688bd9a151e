#include "editors/ItemLimits.h"

#include "project/TextFields.h"

#include <algorithm>

namespace itemlimits {
namespace {

double field(QStringView text, int n, double defaultValue)
{
    const QString value = textfields::GetField(text, QLatin1Char(','), n);
    return value.isEmpty() ? defaultValue : textfields::LeadingNumber(value);
}

} // namespace

GraphicLimits parseGraphic(QStringView limitsText)
{
    const GraphicLimits defaults;
    GraphicLimits limits;
    limits.minWidth = std::max(field(limitsText, 0, defaults.minWidth), defaults.minWidth);
    limits.maxWidth = std::min(field(limitsText, 1, defaults.maxWidth), defaults.maxWidth);
    limits.minBands = std::max(field(limitsText, 2, defaults.minBands), defaults.minBands);
    limits.maxBands = std::min(field(limitsText, 3, defaults.maxBands), defaults.maxBands);
    return limits;
}

ConstantLimits parseConstant(QStringView limitsText)
{
    const ConstantLimits defaults;
    ConstantLimits limits;
    limits.minimum = std::max(field(limitsText, 0, defaults.minimum), defaults.minimum);
    limits.maximum = std::min(field(limitsText, 1, defaults.maximum), defaults.maximum);
    return limits;
}

} // namespace itemlimits
