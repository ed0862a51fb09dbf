#include "bot/novice.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "bot/endgames.h"
#include "bot/evaluate.h"
#include "bot/search.h"
#include "rules/helpers.h"

namespace engine {

namespace {

const int LOOK_AHEAD = 3;
// Choices this close to the best count as equally good.
const int MARGIN = 15;

const int UNBOUNDED = WIN_SCORE + 1000;

// Negamax with alpha-beta below the root; each choice at the root gets its
// exact score, so that equally good ones can be told apart from the rest.
int lookAhead(const Position& position, int depth, int alpha, int beta, int ply, uint64_t& nodes) {
    ++nodes;
    if (position.phase == OVER)
        return position.winner == position.side ? WIN_SCORE - ply : -(WIN_SCORE - ply);
    const EndgameTables* tables = endgameTables();
    if (tables && tables->covers(position)) {
        const EndgameValue value = tables->value(position);
        if (value != NO_POSITION) return endgameScore(value, ply);
    }
    if (depth <= 0 && !position.mustRemove) return evaluate(position);
    MoveList list;
    generateMoves(position, list);
    if (list.count == 0) return evaluate(position);
    int best = -UNBOUNDED;
    for (int i = 0; i < list.count && best < beta; ++i) {
        Position child = position;
        const bool handedOver = play(child, list.moves[i]);
        const int childDepth = list.moves[i].isRemoval() ? depth : depth - 1;
        const int score = handedOver ? -lookAhead(child, childDepth, -beta, -std::max(alpha, best), ply + 1, nodes)
                                     : lookAhead(child, childDepth, std::max(alpha, best), beta, ply + 1, nodes);
        if (score > best) best = score;
    }
    return best;
}

}  // namespace

Decision NovicePlayer::decide(const Position& root) {
    MoveList list;
    generateMoves(root, list);
    Decision decision;
    if (list.count == 0) {
        decision.report = "novice: no move";
        return decision;
    }
    std::vector<int> scores(list.count);
    int best = -UNBOUNDED;
    for (int i = 0; i < list.count; ++i) {
        Position child = root;
        const bool handedOver = play(child, list.moves[i]);
        const int depth = list.moves[i].isRemoval() ? LOOK_AHEAD : LOOK_AHEAD - 1;
        scores[i] = handedOver ? -lookAhead(child, depth, -UNBOUNDED, UNBOUNDED, 1, decision.nodes)
                               : lookAhead(child, depth, -UNBOUNDED, UNBOUNDED, 1, decision.nodes);
        if (scores[i] > best) best = scores[i];
    }
    // A win or a loss counts its distance: only the nearest win is as good.
    const bool decided = best > WIN_SCORE - 1000 || best < -WIN_SCORE + 1000;
    const int margin = decided ? 0 : MARGIN;
    std::vector<Move> good;
    for (int i = 0; i < list.count; ++i)
        if (scores[i] >= best - margin) good.push_back(list.moves[i]);
    decision.found = true;
    decision.move = good[choiceRandomElem(static_cast<int>(good.size()))];
    decision.depth = LOOK_AHEAD;
    std::ostringstream report;
    report << "novice: " << describe(decision.move) << ", score " << best << ", " << good.size() << " of "
           << list.count << " as good, " << decision.nodes << " positions";
    decision.report = report.str();
    return decision;
}

}  // namespace engine
