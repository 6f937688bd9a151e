#pragma once

#include <array>

// Where the main window's grid and help label go for an outer window size, all
// in twips. Pure, so the rule can be checked without a window.
namespace mainlayout {

inline constexpr int kLeft = 60;
inline constexpr int kGridTop = 650;
inline constexpr int kLabelHeight = 915;
inline constexpr int kToolbarHeight = 630;
// Outer height beside the grid's own: the strip, the menu and frame above it,
// the help label and the gap below it.
inline constexpr int kHeightAroundGrid = kLabelHeight + 1450;
// The least outer width keeps the last tool button (Preview, beside Compile)
// in view, with the margin the first one has.
inline constexpr int kLeastWidth = 1740 + 495 + 120;
// Room a graphic preview takes at the right of the grid: 128 dots at two
// pixels a dot and a frame at 96 dpi; never more than two fifths of the grid.
inline constexpr int kPreviewRoom = 4500;
inline constexpr int kLeastPreviewRoom = 1500;

struct Layout
{
    int gridWidth = 0;
    int gridHeight = 0;
    int labelWidth = 0;
    int labelTop = 0;
    std::array<int, 4> columns{};
    // The preview beside the grid, as tall as the grid; width 0 for none.
    int previewLeft = 0;
    int previewWidth = 0;
};

Layout compute(int outerWidth, int outerHeight);

// The same with a graphic preview: the grid and its columns follow the rule for
// a window narrower by the preview's room, the preview fills that room beside
// the grid, and the help label keeps the whole width under both. A window too
// narrow to spare the room gets no preview.
Layout computeWithPreview(int outerWidth, int outerHeight);

// num / den rounded to the nearest whole number, halves to the even one.
long long roundHalfEven(long long num, long long den);

} // namespace mainlayout
