// Where the endgame tables come from: the files the environment names
// (ZELK_ENDGAMES, a list joined by ':', or "none" for no tables), else
// ENDGAMES_FILE in the working directory, which is the resource tree, or in
// the source tree's data/, with ENDGAMES_MORE_FILE read after it when it
// lies beside it. Read once, when first asked for; a file that cannot be
// read, or not held in memory, leaves the levels searching without it and
// says why. The game never solves tables itself.
#pragma once

#include <string>
#include <vector>

#include "bot/endgametables.h"

namespace engine {

// Every slice of 3 to 5 pieces a side, shipped with the game.
const char* const ENDGAMES_FILE = "endgames.zdb";
// The slices with 6 pieces on a side, installed apart when at all.
const char* const ENDGAMES_MORE_FILE = "endgames-6.zdb";

// Null when there are none.
const EndgameTables* endgameTables();

// What the search for the tables found: the files read (empty when none)
// and, for each that was refused, a line saying why.
struct EndgameTablesFound {
    std::vector<std::string> read;
    std::vector<std::string> problems;
};
const EndgameTablesFound& endgameTablesFound();

// These instead of any file (null: none); for tests and tools.
void useEndgameTables(const EndgameTables* tables);

}  // namespace engine
