// Advice for the player to act, whoever plays it: the Expert's search of
// the game on the screen within a short time, its best action and its
// judgement of the position in a word.
#pragma once

#include "bot/position.h"

namespace engine {

struct Advice {
    bool found = false;
    Move move;       // a placement, a step or a removal
    int score = 0;   // for the player to act; WIN_SCORE is a won game
    const char* judgement = "even";  // "winning", "even" or "losing"
};

// The search gives up deepening at `softMilliseconds` and stops at
// `hardMilliseconds`; nothing of it is kept for the computer's own play.
Advice adviseOn(const Position& position, int softMilliseconds, int hardMilliseconds);
Advice adviseLiveGame(int softMilliseconds, int hardMilliseconds);

// The word for a score: a piece's worth ahead is winning.
const char* judgementOf(int score);

}  // namespace engine
