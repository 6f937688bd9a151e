#include "link/ResourceNumber.h"

#include "project/TextFields.h"

#include <cmath>

namespace resourcenumber {

int fromText(QStringView text)
{
    const double magnitude = std::fabs(textfields::LeadingNumber(text));
    if (std::isnan(magnitude))
        return 0;
    // Compared as a double first: a huge value must never reach the conversion.
    if (magnitude >= Highest)
        return Highest;
    return static_cast<int>(std::round(magnitude));
}

} // namespace resourcenumber
