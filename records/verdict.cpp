#include "records/verdict.h"

#include "bot/advice.h"
#include "bot/endgames.h"
#include "bot/evaluate.h"

namespace records {

namespace {

using engine::EndgameValue;
using engine::Position;

// A position's value for the side that acted before it.
struct MoversValue {
    bool exact = false;
    EndgameValue value = engine::NO_POSITION;
    int score = 0;
    std::string text;
};

enum Outcome { LOST, DRAWN, WON, UNKNOWN };

// Exact values and the search's proven wins and losses have an outcome.
Outcome outcomeOf(const MoversValue& seen) {
    if (seen.exact) return engine::isWon(seen.value) ? WON : engine::isLost(seen.value) ? LOST : DRAWN;
    if (seen.score >= engine::WIN_SCORE / 2) return WON;
    if (seen.score <= -engine::WIN_SCORE / 2) return LOST;
    return UNKNOWN;
}

MoversValue exactly(EndgameValue value) {
    return MoversValue{true, value, engine::endgameScore(value, 0), valueText(value)};
}

MoversValue searched(int score) {
    return MoversValue{false, engine::NO_POSITION, score, engine::judgementOf(score)};
}

MoversValue seenBefore(const Judgement& judged) {
    return judged.exact ? exactly(judged.value) : searched(judged.score);
}

// The turn the action began goes on when the same side acts again to
// remove; a safe route's next step, or the other side's turn, is one more.
MoversValue seenAfter(const Position& after, const Judgement& judged, int mover) {
    if (after.phase == engine::OVER) {
        MoversValue end = exactly(after.winner == mover ? engine::won(1) : engine::lost(1));
        end.text = after.winner == mover ? "won" : "lost";
        return end;
    }
    if (!judged.exact) return searched(after.side == mover ? judged.score : -judged.score);
    if (after.side != mover) return exactly(engine::afterTurn(judged.value, false));
    return exactly(after.mustRemove ? judged.value : engine::afterTurn(judged.value, true));
}

// A proven win or loss weighs as a lead of a few pieces against a score
// the search could not settle: a win it proves from one position and only
// sees as a wide lead from the next is no blunder.
int weighed(int score) {
    const int decisive = 5 * engine::PIECE_VALUE;
    return score > decisive ? decisive : score < -decisive ? -decisive : score;
}

const char* markFor(const MoversValue& before, const MoversValue& after) {
    const Outcome was = outcomeOf(before), is = outcomeOf(after);
    if (was != UNKNOWN && is != UNKNOWN) return was - is >= 2 ? "??" : was - is == 1 ? "?" : "";
    const int fall = weighed(before.score) - weighed(after.score);
    return fall > 3 * engine::PIECE_VALUE ? "??" : fall > engine::PIECE_VALUE ? "?" : "";
}

}  // namespace

std::string valueText(EndgameValue value) {
    if (engine::isWon(value)) return "won in " + std::to_string(engine::turnsLeft(value));
    if (engine::isLost(value)) return "lost in " + std::to_string(engine::turnsLeft(value));
    return "drawn";
}

Judgement judgePosition(const Position& position, const ReviewLimits& limits) {
    Judgement judged;
    if (position.phase == engine::OVER) {
        judged.score = position.winner == position.side ? engine::WIN_SCORE : -engine::WIN_SCORE;
        return judged;
    }
    const engine::EndgameTables* tables = engine::endgameTables();
    if (tables && tables->covers(position)) {
        EndgameValue value;
        const engine::Move best = engine::bestByTables(*tables, position, value);
        if (value != engine::NO_POSITION) {
            judged.exact = true;
            judged.value = value;
            judged.score = engine::endgameScore(value, 0);
            judged.bestKnown = true;
            judged.best = best;
            return judged;
        }
    }
    const engine::Advice advice = engine::adviseOn(position, limits.softMilliseconds, limits.hardMilliseconds);
    judged.score = advice.score;
    judged.bestKnown = advice.found;
    judged.best = advice.move;
    return judged;
}

Verdict verdictOn(const Position& before, engine::Move action, const Judgement& judgedBefore,
                  const Judgement& judgedAfter) {
    Position after = before;
    engine::play(after, action);
    const MoversValue was = seenBefore(judgedBefore), is = seenAfter(after, judgedAfter, before.side);
    Verdict verdict;
    verdict.before = was.text;
    verdict.after = is.text;
    // The search of the next position may see less than the one that chose
    // the action: the engine's own choice is never its mistake.
    const bool chosen = judgedBefore.bestKnown && judgedBefore.best == action;
    verdict.mark = chosen ? "" : markFor(was, is);
    verdict.bestKnown = judgedBefore.bestKnown;
    verdict.best = judgedBefore.best;
    return verdict;
}

Verdict verdictOn(const Position& before, engine::Move action, const ReviewLimits& limits) {
    Position after = before;
    engine::play(after, action);
    return verdictOn(before, action, judgePosition(before, limits), judgePosition(after, limits));
}

}  // namespace records
