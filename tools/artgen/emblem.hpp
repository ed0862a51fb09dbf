// The board drawn small: three nested squares joined at their mid-sides,
// used as an emblem on the splash picture, the about panel and the icon.
#pragma once

#include "canvas.hpp"

namespace art {

struct EmblemStyle {
    Colour line;
    float lineHalfWidth = 1.5f;
    Colour hole;
    float holeRadius = 0;  // 0: no marks at the points
};

// Draws the emblem with its outer square spanning (x0, y0)-(x0+size, y0+size).
void drawBoardEmblem(Image& img, float x0, float y0, float size, const EmblemStyle& style);

// Centre of emblem point `index` (0..23, numbered as on the board).
Point emblemPoint(int index, float x0, float y0, float size);

}  // namespace art
