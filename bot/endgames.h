// The endgame tables as the levels use them: found once, on first use, in
// the file the environment names (ZELK_ENDGAMES; "none" for no tables), the
// working directory, the resource tree or the user's cache directory; the
// search's score for a value; the best move of a position they cover.
// Without a file the levels play as they would without the tables.
#pragma once

#include <string>

#include "bot/endgametables.h"
#include "bot/position.h"

namespace engine {

const char* const ENDGAMES_FILE = "endgames.zdb";

// Null when there are none (or none yet).
const EndgameTables* endgameTables();
// Where they were read from, empty when nowhere.
std::string endgameTablesSource();
// These instead of any file (null: none); for tests and tools.
void useEndgameTables(const EndgameTables* tables);

// The user's cache directory for the game: $XDG_CACHE_HOME/zelk, else
// ~/.cache/zelk.
std::string endgameCacheDirectory();

// A value as a search score at `ply` from the root: a turn counts as two
// plies, the step and its removal.
int endgameScore(EndgameValue value, int ply);

// The move the tables choose for a covered position: the nearest win, else
// a draw, else the farthest loss; among equals the one the evaluation
// prefers. `value` is the position's.
Move bestByTables(const EndgameTables& tables, const Position& position, EndgameValue& value);

}  // namespace engine
