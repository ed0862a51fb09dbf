// The Expert level: a search of the position on the screen within the
// time limit, with the game's earlier positions counted for repetition;
// in a position the endgame tables cover, the move they choose.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bot/position.h"
#include "bot/search.h"

namespace engine {

struct Decision {
    bool found = false;
    Move move;
    std::string report;  // for the engine's message and the log
    // What the search did (zero for decisions made without one).
    int depth = 0;
    uint64_t nodes = 0;
    int milliseconds = 0;
};

class ExpertPlayer {
public:
    Decision decide(const Position& root, const SearchLimits& limits);
    // Forgets the positions seen and the searches of the last game.
    void newGame();

private:
    Searcher searcher;
    std::vector<uint64_t> seenPositions;  // this game's moving-phase positions
};

}  // namespace engine
