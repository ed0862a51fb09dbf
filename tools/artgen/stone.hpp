// The playing stones (ebony for the left player, ivory for the right one),
// shared by the pieces, the buttons, the splash picture and the frame sets.
#pragma once

#include "canvas.hpp"

namespace art {

enum class Side { Left, Right };

// Shading of a stone of radius r centred on (cx, cy), lit from the top left.
Shader stoneShader(Side side, float cx, float cy, float r);

// Paints a stone into `shapes` and, when `shadows` is given, its drop shadow
// (offset to the bottom right) into `shadows`.
void drawStone(Image& shapes, Image* shadows, Side side, float cx, float cy, float r);

// A gold ring with a halo around a stone that has been picked up.
void drawPickedRing(Image& shapes, Image* glow, float cx, float cy, float rInner, float rOuter);

}  // namespace art

namespace art {

// A shallow carved cup of radius r where a stone can go, as on the board.
void drawHole(Image& shapes, float cx, float cy, float r);

}  // namespace art
