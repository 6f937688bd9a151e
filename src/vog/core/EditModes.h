#pragma once

#include <cstdint>

// The modes of the editing operations. The control's automation interface
// carries them as 16-bit codes; only its dispatch boundary converts.
namespace vog {

// What PaintSelection writes into every cell of the selection.
enum class PaintMode {
    White,
    Black,
    Invert, // empty overlay cells stay empty
};

// RotateSelection: a half turn in place, or a quarter turn about the centre.
enum class Turn {
    CounterClockwise,
    Half,
    Clockwise,
};

// The pen that draws dots with the mouse.
enum class Pen {
    Black,
    White,
    Invert,
};

// The main plane cell a pen leaves on a cell that held `was`.
constexpr std::uint8_t penCell(Pen pen, std::uint8_t was)
{
    switch (pen) {
    case Pen::Black:
        return 1;
    case Pen::White:
        return 0;
    case Pen::Invert:
        break;
    }
    return was == 0 ? 1 : 0;
}

} // namespace vog
