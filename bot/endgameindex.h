// Where a moving-phase position with a few pieces a side sits in the
// endgame tables. A slice holds the positions with `mover` pieces for the
// side to act and `other` for the other side; the mover's pieces are first
// brought to the least of their 16 symmetric images, the other side's are
// mapped alike and numbered among the points left empty. When that least
// image has symmetries of its own, the other side's pieces are brought to
// their least image under those too: one place stands for every position
// symmetric to it, and the places no position maps to stay unused.
#pragma once

#include <cstdint>

#include "bot/position.h"

namespace engine {

const int ENDGAME_FEWEST = 3;
const int ENDGAME_MOST = 6;

struct SliceShape {
    int mover = 0, other = 0;
    uint32_t classes = 0;      // sets of the mover's pieces, up to symmetry
    uint32_t otherSets = 0;    // placings of the other side's among the rest
    uint64_t size() const { return uint64_t{classes} * otherSets; }
};

SliceShape sliceShape(int mover, int other);

// The place of (own, theirs) in its slice.
uint64_t sliceIndex(Points own, Points theirs);

// The place, with the slice's pieces and how many of the 16 symmetries
// leave the position at that place as it is (1 for most).
struct SlicePlace {
    uint64_t index;
    int symmetries;
    int mover, other;
};
SlicePlace slicePlace(Points own, Points theirs);

// The representative of class `cls` of `count` pieces (its own least image).
Points classSet(int count, uint32_t cls);

// The `rank`-th set of `count` points among `free` (in the order indices use).
Points nthSubset(Points free, int count, uint32_t rank);

// For (classSet(count, cls), theirs): how many of the 16 symmetries leave
// it as it is, or 0 when it is not the position its place stands for (the
// places no position maps to).
int placeSymmetries(int count, uint32_t cls, Points theirs);

}  // namespace engine
