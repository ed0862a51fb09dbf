// Where a moving-phase position with a few pieces a side sits in the
// endgame tables. A slice holds the positions with `mover` pieces for the
// side to act and `other` for the other side; the mover's pieces are first
// brought to the least of their 16 symmetric images, the other side's are
// mapped alike and numbered among the points left empty.
#pragma once

#include <cstdint>

#include "bot/position.h"

namespace engine {

const int ENDGAME_FEWEST = 3;
const int ENDGAME_MOST = 5;

struct SliceShape {
    int mover = 0, other = 0;
    uint32_t classes = 0;      // sets of the mover's pieces, up to symmetry
    uint32_t otherSets = 0;    // placings of the other side's among the rest
    uint64_t size() const { return uint64_t{classes} * otherSets; }
};

SliceShape sliceShape(int mover, int other);

// The place of (own, theirs) in its slice.
uint64_t sliceIndex(Points own, Points theirs);

// The representative of class `cls` of `count` pieces (its own least image).
Points classSet(int count, uint32_t cls);

// The `rank`-th set of `count` points among `free` (in the order indices use).
Points nthSubset(Points free, int count, uint32_t rank);

}  // namespace engine
