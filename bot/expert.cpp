#include "bot/expert.h"

#include <algorithm>
#include <sstream>

#include "bot/endgames.h"
#include "bot/transposition.h"

namespace engine {

namespace {

// Inside the tables the Expert plays their move: a win is taken by the
// shortest way, a loss put off as long as it can be, a draw kept.
Decision byTables(const EndgameTables& tables, const Position& root) {
    EndgameValue value;
    Decision decision;
    decision.move = bestByTables(tables, root, value);
    decision.found = value != NO_POSITION;
    std::ostringstream report;
    report << "expert: endgame tables, ";
    if (isWon(value)) report << "won in " << turnsLeft(value) << " turns";
    else if (isLost(value)) report << "lost in " << turnsLeft(value) << " turns";
    else report << "drawn";
    report << ", score " << endgameScore(value, 0) << ", line " << describe(decision.move);
    decision.report = report.str();
    return decision;
}

}  // namespace

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
    const EndgameTables* tables = endgameTables();
    // A position the tables hold as unreachable (a safe route the board
    // does not bear out) is left to the search.
    if (tables && tables->covers(root) && tables->value(root) != NO_POSITION) {
        if (!root.mustRemove) seenPositions.push_back(positionKey(root));
        return byTables(*tables, root);
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
