// The Novice and Expert levels as the game's engine uses them: the game on
// the screen read into the compact position, the level's decision told back
// in point numbers, and the computer shown thinking while it searches.
// One per engine, so the Expert remembers the positions of the game under
// way (to avoid repeating them) until a new game starts.
#pragma once

#include <cstdint>
#include <string>

#include "bot/expert.h"
#include "bot/novice.h"
#include "bot/search.h"

class StrongLevels {
public:
    enum Task { PLACEMENT, STEP, REMOVAL };

    // The Expert's searches of one phase, summed.
    struct Statistics {
        long searches = 0;
        long depths = 0;
        int deepest = 0;
        uint64_t nodes = 0;
        long milliseconds = 0;
        int slowest = 0;  // milliseconds, as the search measured itself
    };

    // A level's choice for the player now to act. `cell` is the point to
    // place on or to remove from; `from` and `to` the step. False, with
    // nothing written, when there is nothing legal to do.
    bool decide(int level, Task task, int& cell, int& from, int& to, std::string& report);

    // Forgets the game that was played: its positions and what was searched.
    void newGame();
    // How long the Expert goes on deepening; the hard limit stays.
    void setThinkMilliseconds(int milliseconds);
    int thinkMilliseconds() const { return limits.softMilliseconds; }
    // By phase: engine::PLACING, OPENING, MOVING.
    const Statistics& statistics(int phase) const { return searched[phase]; }

private:
    void count(int phase, const engine::Decision& decision);

    engine::NovicePlayer novice;
    engine::ExpertPlayer expert;
    engine::SearchLimits limits;
    Statistics searched[3];
};

// Reads the endgame tables once and logs where from, or why not; the game
// calls it before its first frame, the levels before their first decision.
void readEndgameTables();
