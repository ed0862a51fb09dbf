// The Expert level: a search of the position on the screen within the
// time limit, with the game's earlier positions counted for repetition.
#pragma once

#include <string>
#include <vector>

#include "bot/position.h"
#include "bot/search.h"

namespace engine {

struct Decision {
    bool found = false;
    Move move;
    std::string report;  // for the engine's message and the log
};

class ExpertPlayer {
public:
    Decision decide(const Position& root, const SearchLimits& limits);

private:
    Searcher searcher;
    std::vector<uint64_t> seenPositions;  // this game's moving-phase positions
};

}  // namespace engine
