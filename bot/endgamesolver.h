// The retrograde solver of the endgame tables. A slice is solved together
// with its mirror (the same pieces, the other side to act), once the
// slices that their removals lead to are solved: by the distance to the
// end, nearest first. Each position settled at a distance sends its value
// back to the positions one turn before it (its un-moves): a win for one of
// them settles it, a loss counts down the successors that might still save
// it. What no distance settles is drawn.
#pragma once

#include <functional>
#include <string>

#include "bot/endgametables.h"

namespace engine {

struct SolveCounts {
    uint64_t won = 0, lost = 0, drawn = 0;
    int longest = 0;  // turns, over won and lost
};

// Solves the slices of 3 up to `most` pieces a side and at most `mostTotal`
// in all (0: no limit) that `tables` does not hold yet, fewest pieces
// first; those it holds must be solved. `progress` hears a line for each
// pair of slices solved. False when a position lasts longer than the
// values can tell.
bool solveEndgames(EndgameTables& tables, int most, int mostTotal = 0,
                   const std::function<void(const std::string&)>& progress = nullptr);

// The counts of one slice (normal positions only, those the game reaches).
SolveCounts countSlice(const EndgameTables& tables, int own, int theirs);

// Every successor of a position of the tables, as the value for the side to
// act of taking it (a step, with its removal after a line). For the checks
// of the solver and the probing of the levels.
template <typename Visit>
void forEachTurn(const EndgameTables& tables, Points own, Points theirs, bool safeRoute, Visit visit);

}  // namespace engine

#include "bot/endgamesolver.inl"
