#include "bot/search.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "bot/endgames.h"
#include "bot/evaluate.h"

namespace engine {

namespace {

uint32_t nowMilliseconds() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

const int INFINITE_SCORE = WIN_SCORE + 1000;

// Scores at the edge of winning carry the distance, so a nearer win is preferred.
bool isMateScore(int score) {
    return score > WIN_SCORE - 1000 || score < -WIN_SCORE + 1000;
}

int mateDistance(int score) {
    return WIN_SCORE - (score < 0 ? -score : score);
}

int toTable(int score, int ply) {
    return score > WIN_SCORE - 1000 ? score + ply : score < -WIN_SCORE + 1000 ? score - ply : score;
}

int fromTable(int score, int ply) {
    return score > WIN_SCORE - 1000 ? score - ply : score < -WIN_SCORE + 1000 ? score + ply : score;
}

// How much the other side loses with this piece: the threats and lines it
// stands in.
int removalValue(const Position& position, int point) {
    const int other = 1 - position.side;
    const Points theirs = position.pieces[other], empty = position.empty();
    int value = 0;
    for (Points line : linesThrough[point]) {
        int held = popcount(theirs & line);
        if (held == 3) value += 60;
        if (held == 2 && (empty & line)) value += 90;
    }
    value += popcount(neighbourPoints[point] & empty) * 10;
    return value;
}

int placementValue(const Position& position, int point) {
    const int side = position.side, other = 1 - side;
    int value = 0;
    for (Points line : linesThrough[point]) {
        const Points rest = line & ~(1u << point);
        if ((position.pieces[side] & rest) == rest) value += 500;
        if ((position.pieces[other] & rest) == rest) value += 400;
        if (popcount(position.pieces[side] & rest) == 1 && !(position.pieces[other] & rest)) value += 60;
    }
    return value + popcount(neighbourPoints[point]) * 5;
}

}  // namespace

std::string describe(Move move) {
    if (move.isPlacement()) return "@" + std::to_string(move.to);
    if (move.isRemoval()) return "x" + std::to_string(move.from);
    return std::to_string(move.from) + "-" + std::to_string(move.to);
}

Searcher::Searcher() {
    clear();
}

void Searcher::clear() {
    table.clear();
    std::memset(killers, -1, sizeof killers);
    std::memset(historyScore, 0, sizeof historyScore);
}

bool Searcher::timeIsUp() {
    if ((nodes & 1023) != 0) return aborted;
    const uint32_t now = nowMilliseconds();
    if (static_cast<int>(now - startTicks) >= hardLimit) aborted = true;
    if (tick && static_cast<int>(now - lastTick) >= tickMilliseconds) {
        tick();
        lastTick = nowMilliseconds();
    }
    return aborted;
}

bool Searcher::repeats(uint64_t key, int ply) const {
    for (int i = ply - 2; i >= 0; i -= 1)
        if (path[i] == key) return true;
    for (uint64_t earlier : gameHistory)
        if (earlier == key) return true;
    return false;
}

void Searcher::orderMoves(const Position& position, MoveList& list, Move tableMove, int ply) {
    int scores[MAX_MOVES];
    const int side = position.side;
    for (int i = 0; i < list.count; ++i) {
        const Move move = list.moves[i];
        int score;
        if (move == tableMove)
            score = 10000000;
        else if (move.isRemoval())
            score = 1000000 + removalValue(position, move.from);
        else if (move.isPlacement())
            score = placementValue(position, move.to);
        else if (!position.safeRoute &&
                 completesLine(position.pieces[side] & ~(1u << move.from), move.to))
            score = 2000000;
        else if (ply < 128 && move == killers[ply][0])
            score = 900000;
        else if (ply < 128 && move == killers[ply][1])
            score = 800000;
        else
            score = historyScore[side][move.from + 1][move.to + 1];
        scores[i] = score;
    }
    // Insertion sort: the lists are short.
    for (int i = 1; i < list.count; ++i) {
        Move move = list.moves[i];
        int score = scores[i], j = i - 1;
        for (; j >= 0 && scores[j] < score; --j) {
            list.moves[j + 1] = list.moves[j];
            scores[j + 1] = scores[j];
        }
        list.moves[j + 1] = move;
        scores[j + 1] = score;
    }
}

int Searcher::negamax(const Position& position, int depth, int alpha, int beta, int ply) {
    ++nodes;
    if (timeIsUp()) return 0;
    if (position.phase == OVER)
        return position.winner == position.side ? WIN_SCORE - ply : -(WIN_SCORE - ply);
    const uint64_t key = positionKey(position);
    if (ply >= 250) return evaluate(position);
    path[ply] = key;
    if (ply > 0 && position.phase == MOVING && !position.mustRemove && repeats(key, ply)) return 0;
    if (ply > 0 && endgames && endgames->covers(position)) {
        const EndgameValue value = endgames->value(position);
        if (value != NO_POSITION) return endgameScore(value, ply);
    }
    if (depth <= 0 && !position.mustRemove) return evaluate(position);

    Move tableMove;
    if (const TableEntry* entry = table.probe(key)) {
        tableMove = entry->best;
        // Not next to the root: an entry's score was found along another
        // path of the game, blind to the earlier positions this line may
        // return to, and a winning side that trusts it walks in circles.
        if (ply > 1 && entry->depth >= depth) {
            int score = fromTable(entry->score, ply);
            if (entry->bound == BOUND_EXACT) return score;
            if (entry->bound == BOUND_LOWER && score >= beta) return score;
            if (entry->bound == BOUND_UPPER && score <= alpha) return score;
        }
    }
    MoveList list;
    generateMoves(position, list);
    if (list.count == 0) return evaluate(position);
    orderMoves(position, list, tableMove, ply);

    const int originalAlpha = alpha;
    int bestScore = -INFINITE_SCORE;
    Move bestMove = list.moves[0];
    for (int i = 0; i < list.count; ++i) {
        const Move move = list.moves[i];
        Position child = position;
        const bool sideChanged = play(child, move);
        const int childDepth = move.isRemoval() ? depth : depth - 1;
        int score = sideChanged ? -negamax(child, childDepth, -beta, -alpha, ply + 1)
                                : negamax(child, childDepth, alpha, beta, ply + 1);
        if (aborted) return 0;
        if (score > bestScore) {
            bestScore = score;
            bestMove = move;
            if (ply == 0) rootBest = move;
        }
        if (score > alpha) alpha = score;
        if (alpha >= beta) {
            if (move.isStep() && ply < 128 && move != killers[ply][0]) {
                killers[ply][1] = killers[ply][0];
                killers[ply][0] = move;
            }
            if (move.isStep()) historyScore[position.side][move.from + 1][move.to + 1] += depth * depth;
            break;
        }
    }
    Bound bound = bestScore <= originalAlpha ? BOUND_UPPER
                  : bestScore >= beta        ? BOUND_LOWER
                                             : BOUND_EXACT;
    // A win found here is one at least this near: a nearer one may lie past
    // the depth searched or behind another entry's bound. Kept as exact, it
    // would stop later searches at the first win they meet, however far.
    if (bound == BOUND_EXACT && bestScore > WIN_SCORE - 1000) bound = BOUND_LOWER;
    if (bound == BOUND_EXACT && bestScore < -WIN_SCORE + 1000) bound = BOUND_UPPER;
    table.store(key, depth, toTable(bestScore, ply), bound, bestMove);
    return bestScore;
}

std::vector<Move> Searcher::lineFrom(const Position& root, Move first) {
    std::vector<Move> line{first};
    Position position = root;
    play(position, first);
    for (int i = 0; i < 16 && position.phase != OVER; ++i) {
        const TableEntry* entry = table.probe(positionKey(position));
        if (!entry) break;
        MoveList list;
        generateMoves(position, list);
        bool legal = false;
        for (int k = 0; k < list.count; ++k) legal |= list.moves[k] == entry->best;
        if (!legal) break;
        line.push_back(entry->best);
        play(position, entry->best);
    }
    return line;
}

SearchResult Searcher::search(const Position& root, const SearchLimits& limits,
                              const std::vector<uint64_t>& history) {
    SearchResult result;
    gameHistory = history;
    endgames = endgameTables();
    nodes = 0;
    aborted = false;
    startTicks = nowMilliseconds();
    hardLimit = limits.hardMilliseconds;
    tick = limits.tick;
    tickMilliseconds = limits.tickMilliseconds;
    lastTick = startTicks;
    std::memset(killers, -1, sizeof killers);

    MoveList rootMoves;
    generateMoves(root, rootMoves);
    if (rootMoves.count == 0) return result;
    result.found = true;
    result.best = rootMoves.moves[0];
    if (rootMoves.count == 1) {
        result.principalLine = {result.best};
        return result;
    }
    int previousIteration = 0;
    for (int depth = 1; depth <= limits.maxDepth; ++depth) {
        const uint32_t iterationStart = nowMilliseconds();
        int score = negamax(root, depth, -INFINITE_SCORE, INFINITE_SCORE, 0);
        if (aborted) break;
        result.best = rootBest;
        result.score = score;
        result.depth = depth;
        // A win or loss within the depth searched is the nearest there is;
        // one beyond it may still come nearer with the next iteration.
        if (isMateScore(score) && depth >= mateDistance(score)) break;
        const int elapsed = static_cast<int>(nowMilliseconds() - startTicks);
        if (elapsed >= limits.softMilliseconds) break;
        // An iteration that would be cut off by the hard limit is time
        // thrown away: guess its length from how the last one grew.
        const int iteration = static_cast<int>(nowMilliseconds() - iterationStart);
        const int growth = previousIteration > 0 ? std::clamp(iteration / previousIteration, 2, 8) : 4;
        if (elapsed + iteration * growth > limits.hardMilliseconds) break;
        previousIteration = std::max(iteration, 1);
    }
    result.nodes = nodes;
    result.milliseconds = static_cast<int>(nowMilliseconds() - startTicks);
    result.principalLine = lineFrom(root, result.best);
    return result;
}

}  // namespace engine
