// The board's 16 symmetries: the 8 of the square (turns by a quarter and
// reflections) times the exchange of the inner and outer squares. Each maps
// points to points, neighbours to neighbours and lines to lines; the
// endgame tables store one of every set of positions they relate.
#pragma once

#include "bot/position.h"

namespace engine {

const int SYMMETRY_COUNT = 16;

// The point that symmetry `g` takes `point` to (g = 0 is the identity).
int mapPoint(int g, int point);

// The image of a set of points under symmetry `g`.
Points mapPoints(int g, Points points);

}  // namespace engine
