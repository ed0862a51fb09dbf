#include "bot/expert.h"

#include <algorithm>
#include <sstream>

#include "bot/transposition.h"

namespace engine {

void ExpertPlayer::newGame() {
    seenPositions.clear();
    searcher.clear();
}

Decision ExpertPlayer::decide(const Position& root, const SearchLimits& limits) {
    if (root.phase != MOVING) {
        // A new game, or one not yet moving: nothing earlier can repeat.
        seenPositions.clear();
        if (root.phase == PLACING && root.toPlace[0] + root.toPlace[1] >= 23) searcher.clear();
    }
    SearchResult result = searcher.search(root, limits, seenPositions);
    if (root.phase == MOVING && !root.mustRemove) seenPositions.push_back(positionKey(root));

    Decision decision;
    decision.found = result.found;
    decision.move = result.best;
    decision.depth = result.depth;
    decision.nodes = result.nodes;
    decision.milliseconds = result.milliseconds;
    std::ostringstream report;
    report << "expert: depth " << result.depth << ", nodes " << result.nodes
           << ", score " << result.score << ", " << result.milliseconds << " ms, line";
    // The start of the line is what a reader checks; the message is short.
    const size_t shown = std::min<size_t>(result.principalLine.size(), 8);
    for (size_t i = 0; i < shown; ++i) report << ' ' << describe(result.principalLine[i]);
    if (!result.found) report << " (no move)";
    decision.report = report.str();
    return decision;
}

}  // namespace engine
