#pragma once

#include <array>

// Where the main window's grid and help label go for an outer window size, all
// in twips. Pure, so the rule can be checked without a window.
namespace mainlayout {

inline constexpr int kLeft = 60;
inline constexpr int kGridTop = 650;
inline constexpr int kLabelHeight = 915;
inline constexpr int kToolbarHeight = 630;

struct Layout
{
    int gridWidth = 0;
    int gridHeight = 0;
    int labelWidth = 0;
    int labelTop = 0;
    std::array<int, 4> columns{};
};

Layout compute(int outerWidth, int outerHeight);

// num / den rounded to the nearest whole number, halves to the even one.
long long roundHalfEven(long long num, long long den);

} // namespace mainlayout
