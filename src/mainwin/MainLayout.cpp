#include "mainwin/MainLayout.h"

#include <algorithm>

namespace mainlayout {

long long roundHalfEven(long long num, long long den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    long long quotient = num / den;
    long long remainder = num % den;
    if (remainder < 0) {
        --quotient;
        remainder += den;
    }
    const long long twice = 2 * remainder;
    if (twice > den || (twice == den && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

Layout compute(int outerWidth, int outerHeight)
{
    Layout layout;
    layout.gridWidth = std::max(1, outerWidth - 210);
    const long long g = layout.gridWidth;
    // 8.5 %, 5 % and 50 % of the grid width, in exact arithmetic so that
    // halves really are halves
    layout.columns[0] = static_cast<int>(roundHalfEven(g * 85, 1000));
    layout.columns[1] = static_cast<int>(roundHalfEven(g * 5, 100));
    layout.columns[2] = static_cast<int>(roundHalfEven(g, 2));
    layout.columns[3] =
        layout.gridWidth - 400 - layout.columns[0] - layout.columns[1] - layout.columns[2];
    layout.labelWidth = std::max(1, outerWidth - 220);
    layout.labelTop = std::max(1, outerHeight - kLabelHeight - 750);
    layout.gridHeight = std::max(1, outerHeight - kHeightAroundGrid);
    return layout;
}

Layout computeWithPreview(int outerWidth, int outerHeight)
{
    const int room = std::min(kPreviewRoom, std::max(0, (outerWidth - 210) * 2 / 5));
    if (room < kLeastPreviewRoom)
        return compute(outerWidth, outerHeight);
    Layout layout = compute(outerWidth - room, outerHeight);
    layout.labelWidth = std::max(1, outerWidth - 220);
    // 60 twips from the grid; its right edge lines up with the label's.
    layout.previewLeft = kLeft + layout.gridWidth + 60;
    layout.previewWidth = kLeft + layout.labelWidth - layout.previewLeft;
    return layout;
}

} // namespace mainlayout
