// Test support: the engine's snapshot of a hand-built position.
#pragma once

#include <cstdlib>
#include <set>

#include "bot/game.h"
#include "rules/flow.h"
#include "support/position.h"

// Takes the snapshot for `player` as the turn logic would, in `phase`.
inline void snapshotFor(int player, int phase = PHASE_RESETTLEMENT, int firstJare = 0) {
    turnOf(player);
    gamePhase = phase;
    whoseFirstJare = firstJare;
    analyzeGame();
}

// Every value `pick` gives over many seeds of the random generator.
template <typename Pick>
std::set<int> valuesOver(Pick pick, unsigned seeds = 100) {
    std::set<int> seen;
    for (unsigned seed = 1; seed <= seeds; ++seed) {
        srand(seed);
        seen.insert(pick());
    }
    return seen;
}
