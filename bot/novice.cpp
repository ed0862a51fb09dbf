#include "bot/novice.h"

#include <functional>
#include <sstream>
#include <vector>

#include "app/helpers.h"
#include "bot/evaluate.h"

namespace engine {

namespace {

using Filter = std::function<bool(Move)>;

bool linesCount(const Position& position) {
    return position.phase == PLACING ? position.firstLineBy < 0 : !position.safeRoute;
}

// Whether `move` completes a line for the side to act.
bool makesLine(const Position& position, Move move) {
    const Points own = position.pieces[position.side];
    if (move.isPlacement()) return completesLine(own, move.to);
    if (move.isStep()) return completesLine(own & ~(1u << move.from), move.to);
    return false;
}

// Lines of `side` with two pieces and an empty third point after `move`.
int threatsAfter(const Position& position, Move move) {
    Position child = position;
    const int side = position.side;
    play(child, move);
    if (child.phase == PLACING || move.isPlacement()) {
        int threats = 0;
        for (Points line : linePoints)
            if (popcount(child.pieces[side] & line) == 2 && popcount(child.empty() & line) == 1) ++threats;
        return threats;
    }
    return stepThreats(child, side);
}

// After `move`, the other side gets no line on its next turn.
bool isSafe(const Position& position, Move move) {
    Position child = position;
    const bool handedOver = play(child, move);
    if (child.phase == OVER || !handedOver) return true;  // a win, a removal, or a safe route
    return !canCompleteLineNow(child);
}

Move pickRandom(const std::vector<Move>& moves) {
    return moves[choiceRandomElem(static_cast<int>(moves.size()))];
}

struct Search {
    const char* name;
    Filter accepts;
};

Decision firstOf(const std::vector<Move>& candidates,
                 const std::vector<Search>& searches, const char* heading) {
    std::ostringstream report;
    report << "novice " << heading << ", " << candidates.size() << " safe choices";
    Decision decision;
    for (const Search& search : searches) {
        std::vector<Move> passing;
        for (Move move : candidates)
            if (search.accepts(move)) passing.push_back(move);
        if (passing.empty()) continue;
        decision.found = true;
        decision.move = pickRandom(passing);
        report << ": " << search.name << " " << describe(decision.move);
        break;
    }
    decision.report = report.str();
    return decision;
}

int removalScore(const Position& position, int point) {
    const int side = position.side, other = 1 - side;
    const Points theirs = position.pieces[other], mine = position.pieces[side];
    const Points empty = position.empty() | (1u << point);
    int score = 0;
    for (Points line : linesThrough[point]) {
        const int held = popcount(theirs & line);
        const Points gap = empty & line & ~(1u << point);
        if (held == 2 && gap) {
            const bool oneStep = neighbourPoints[__builtin_ctz(gap)] & theirs & ~line;
            score += oneStep ? 100 : 40;
        }
        if (held == 3) score += 30;
        if (popcount(mine & line) == 2) score += 60;  // it stands in the way of a line of ours
    }
    return score + popcount(neighbourPoints[point] & position.empty()) * 5;
}

Decision chooseRemoval(const Position& position, const MoveList& list) {
    int best = -1;
    std::vector<Move> bestMoves;
    for (int i = 0; i < list.count; ++i) {
        int score = removalScore(position, list.moves[i].from);
        if (score > best) bestMoves.clear();
        if (score >= best) {
            best = score;
            bestMoves.push_back(list.moves[i]);
        }
    }
    Decision decision;
    decision.found = !bestMoves.empty();
    if (decision.found) decision.move = pickRandom(bestMoves);
    std::ostringstream report;
    report << "novice removal: the other side's nearest line first";
    if (decision.found) report << ", " << describe(decision.move) << " (" << best << ")";
    decision.report = report.str();
    return decision;
}

}  // namespace

bool canCompleteLineNow(const Position& position) {
    if (position.phase != PLACING && position.phase != MOVING) return false;
    if (position.mustRemove || !linesCount(position)) return false;
    MoveList list;
    generateMoves(position, list);
    for (int i = 0; i < list.count; ++i)
        if (makesLine(position, list.moves[i])) return true;
    return false;
}

Decision NovicePlayer::decide(const Position& root) {
    MoveList list;
    generateMoves(root, list);
    if (list.count == 0) return Decision{false, Move{}, "novice: no move"};
    if (root.phase == OPENING || root.mustRemove) return chooseRemoval(root, list);

    std::vector<Move> all(list.moves, list.moves + list.count), safe;
    for (Move move : all)
        if (isSafe(root, move)) safe.push_back(move);
    const std::vector<Move>& candidates = safe.empty() ? all : safe;

    const bool counts = linesCount(root);
    const Filter completes = [&](Move m) { return counts && makesLine(root, m); };
    const Filter blocks = [&](Move m) {
        if (!counts) return false;
        if (m.isPlacement()) return completesLine(root.pieces[1 - root.side], m.to);
        // Stepping into the gap the other side could step into.
        return m.isStep() && completesLine(root.pieces[1 - root.side], m.to) &&
               (neighbourPoints[m.to] & root.pieces[1 - root.side]);
    };
    const Filter doubleThreat = [&](Move m) { return threatsAfter(root, m) >= 2; };
    const Filter threat = [&](Move m) { return threatsAfter(root, m) >= 1; };
    const Filter any = [](Move) { return true; };
    return firstOf(candidates,
                   {{"complete a line", completes},
                    {"block the other's line", blocks},
                    {"two threats", doubleThreat},
                    {"a threat", threat},
                    {"random", any}},
                   root.phase == PLACING ? "placement" : "move");
}

}  // namespace engine
