// The endgame tables as the levels use them: the search's score for a
// value, and the best move of a position they cover. Where the tables come
// from is bot/endgamefiles.h.
#pragma once

#include "bot/endgamefiles.h"
#include "bot/endgametables.h"
#include "bot/position.h"

namespace engine {

// A value as a search score at `ply` from the root: a turn counts as two
// plies, the step and its removal.
int endgameScore(EndgameValue value, int ply);

// The move the tables choose for a covered position: the nearest win, else
// a draw, else the farthest loss; among equals the one the evaluation
// prefers. `value` is the position's.
Move bestByTables(const EndgameTables& tables, const Position& position, EndgameValue& value);

}  // namespace engine
