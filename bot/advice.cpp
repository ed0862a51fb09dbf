#include "bot/advice.h"

#include <memory>

#include "bot/evaluate.h"
#include "bot/livegame.h"
#include "bot/search.h"

namespace engine {

const char* judgementOf(int score) {
    // Less than most of a piece is within what the evaluation's threats and
    // mobility swing by from one move to the next.
    const int margin = PIECE_VALUE * 3 / 4;
    if (score >= margin) return "winning";
    if (score <= -margin) return "losing";
    return "even";
}

Advice adviseOn(const Position& position, int softMilliseconds, int hardMilliseconds) {
    // Its own searcher: the computer's table and the game's earlier
    // positions stay as the computer left them.
    static std::unique_ptr<Searcher> searcher;
    if (!searcher) searcher = std::make_unique<Searcher>();
    searcher->clear();
    SearchLimits limits;
    limits.softMilliseconds = softMilliseconds;
    limits.hardMilliseconds = hardMilliseconds;
    SearchResult result = searcher->search(position, limits, {});
    Advice advice;
    advice.found = result.found;
    advice.move = result.best;
    // A single legal action is played without searching: judge the position.
    advice.score = result.depth > 0 ? result.score : evaluate(position);
    advice.judgement = judgementOf(advice.score);
    return advice;
}

Advice adviseLiveGame(int softMilliseconds, int hardMilliseconds) {
    return adviseOn(positionFromLiveGame(), softMilliseconds, hardMilliseconds);
}

}  // namespace engine
