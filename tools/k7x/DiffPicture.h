#pragma once

#include "graphics/Graphic.h"

#include <QImage>

// Two graphics compared dot by dot, on a canvas as wide and as high as the
// larger of them; a dot outside a graphic counts as white there.
namespace diffpicture {

int changedDots(const graphics::Graphic &a, const graphics::Graphic &b);

// Three panels side by side, `scale` pixels a dot: A, B (each black on white,
// grey outside its own size) and the canvas with each changed dot red and
// each unchanged black dot light grey.
QImage draw(const graphics::Graphic &a, const graphics::Graphic &b, int scale);

} // namespace diffpicture
