// The engine's verdict on one action of a game, for going over it: the
// value of the position before the action and after it, for the side that
// acted, exact where the endgame tables cover the position ("won in 12",
// "drawn", "lost in 7": turns to the end, the action's own turn counted
// in both) and the search's judgement elsewhere ("winning", "even",
// "losing"); a mark when the action made the value worse; and the best
// action of the position before.
//
// Marks: "?" a win become a draw or a draw become a loss, or a fall of
// more than about a piece in the search's judgement; "??" a win become a
// loss, or a fall of more than three pieces. The best action is never marked.
#pragma once

#include <string>

#include "bot/endgametables.h"
#include "bot/position.h"

namespace records {

struct ReviewLimits {
    int softMilliseconds = 300;  // the search's time, outside the tables
    int hardMilliseconds = 600;
};

// What the engine makes of a position, for its side to act.
struct Judgement {
    bool exact = false;                                // from the tables
    engine::EndgameValue value = engine::NO_POSITION;  // when exact
    int score = 0;                                     // the search's scale, tables' values included
    bool bestKnown = false;
    engine::Move best;
};

// Looks the position up in the tables, or searches it within `limits`.
Judgement judgePosition(const engine::Position& position, const ReviewLimits& limits = {});

struct Verdict {
    std::string before;  // "won in 12", "drawn", "lost in 7", "winning", "even", "losing"
    std::string after;   // the same, or "won" when the action won the game
    const char* mark = "";
    bool bestKnown = false;
    engine::Move best;  // the best action of the position before
};

// From the judgements of the positions before and after the action; a
// position judged once serves the action before it and the one after it.
Verdict verdictOn(const engine::Position& before, engine::Move action, const Judgement& judgedBefore,
                  const Judgement& judgedAfter);
// The same for one legal action, judging both positions.
Verdict verdictOn(const engine::Position& before, engine::Move action, const ReviewLimits& limits = {});

// "won in 12", "drawn", "lost in 7".
std::string valueText(engine::EndgameValue value);

}  // namespace records
