// The retrograde solver of the endgame tables. Slices are solved by the
// total number of pieces, fewest first: a removal leads into a slice
// already solved. Within a group, pass k settles every position won or lost
// in exactly k turns from its successors; what no pass settles is drawn.
#pragma once

#include <functional>
#include <string>

#include "bot/endgametables.h"

namespace engine {

struct SolveCounts {
    uint64_t won = 0, lost = 0, drawn = 0;
    int longest = 0;  // turns, over won and lost
};

// Fills `tables` for 3 up to tables.most() pieces a side, from `fromTotal`
// up to tables.mostTotal() in all; the slices with fewer pieces must be
// solved already. `progress` hears a line after each pass; `stop` is polled
// often and ends the build unfinished when it turns true. False when stopped.
bool solveEndgames(EndgameTables& tables, const std::function<void(const std::string&)>& progress,
                   const std::function<bool()>& stop = nullptr, int fromTotal = 2 * ENDGAME_FEWEST);

// The counts of one slice (normal positions only, those the game reaches).
SolveCounts countSlice(const EndgameTables& tables, int own, int theirs);

// Every successor of a position of the tables, as the value for the side to
// act of taking it (a step, with its removal after a line). For the checks
// of the solver and the probing of the levels.
template <typename Visit>
void forEachTurn(const EndgameTables& tables, Points own, Points theirs, bool safeRoute, Visit visit);

}  // namespace engine

#include "bot/endgamesolver.inl"
