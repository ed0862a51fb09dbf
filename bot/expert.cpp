#include "bot/expert.h"

#include <sstream>

#include "bot/transposition.h"

namespace engine {

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
    std::ostringstream report;
    report << "COMPUTER: expert search: depth " << result.depth << ", nodes " << result.nodes
           << ", score " << result.score << ", " << result.milliseconds << " ms, line:";
    for (const Move& move : result.principalLine) report << ' ' << describe(move);
    if (!result.found) report << " (no move)";
    decision.report = report.str();
    return decision;
}

}  // namespace engine
