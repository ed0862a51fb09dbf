// The endgame tables as the levels use them: found once, on first use, in
// the file the environment names (ZELK_ENDGAMES; "none" for no tables), the
// working directory, the resource tree or the user's cache directory, with
// the file of the larger slices from the cache directory read after them;
// the background build of that file when it is missing; the search's score
// for a value; the best move of a position they cover. Without a file the
// levels play as they would without the tables.
#pragma once

#include <string>
#include <vector>

#include "bot/endgametables.h"
#include "bot/position.h"

namespace engine {

const char* const ENDGAMES_FILE = "endgames.zdb";
// The slices past those of ENDGAMES_FILE, solved on first use.
const char* const ENDGAMES_LARGER_FILE = "endgames-larger.zdb";

// Null when there are none (or none yet).
const EndgameTables* endgameTables();
// Where they were read from, empty when nowhere.
std::string endgameTablesSource();
// These instead of any file (null: none); for tests and tools.
void useEndgameTables(const EndgameTables* tables);

// The game (not a test or a tool) lets a missing file of the larger slices
// be solved in the background.
void allowEndgameBuild();
// From the main thread, often: once the tables have been looked for and
// the larger slices are missing, starts their build; returns the progress
// lines to log; puts the complete tables in use when the build ends.
std::vector<std::string> followEndgameBuild();
// Where the larger slices are kept.
std::string largerSlicesFile();

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
