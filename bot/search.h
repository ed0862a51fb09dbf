// The Expert's search: iterative deepening alpha-beta (negamax) over the
// compact position, with a transposition table, move ordering (the table's
// move, removals and lines first, killer moves, history), repetition as a
// draw, the endgame tables' values where they apply, and a time limit it
// checks itself. A removal is a ply of the same side and costs no depth, so
// a line's consequence is always seen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bot/endgametables.h"
#include "bot/position.h"
#include "bot/transposition.h"

namespace engine {

struct SearchLimits {
    int softMilliseconds = 150;  // no new iteration starts after this
    int hardMilliseconds = 800;  // a running iteration is abandoned here (room for a busy machine under 1 s)
    int maxDepth = 40;
    // Called about every `tickMilliseconds` while searching (the game draws
    // a frame there, so the window keeps showing the computer thinking).
    void (*tick)() = nullptr;
    int tickMilliseconds = 16;
};

struct SearchResult {
    bool found = false;
    Move best;
    int score = 0;
    int depth = 0;  // of the last finished iteration
    Move rootBest;
    uint64_t nodes = 0;
    int milliseconds = 0;
    std::vector<Move> principalLine;
};

class Searcher {
public:
    Searcher();
    // `history` holds the keys of earlier positions of the game with the same
    // side to act, so that steering back into them counts as a draw.
    SearchResult search(const Position& root, const SearchLimits& limits,
                        const std::vector<uint64_t>& history);
    void clear();

private:
    int negamax(const Position& position, int depth, int alpha, int beta, int ply);
    void orderMoves(const Position& position, MoveList& list, Move tableMove, int ply);
    bool timeIsUp();
    bool repeats(uint64_t key, int ply) const;
    std::vector<Move> lineFrom(const Position& root, Move first);

    TranspositionTable table;
    const EndgameTables* endgames = nullptr;  // exact values at the leaves they cover
    Move killers[128][2];
    int historyScore[2][25][25];
    uint64_t path[256];
    std::vector<uint64_t> gameHistory;
    Move rootBest;
    uint64_t nodes = 0;
    uint32_t startTicks = 0;
    int hardLimit = 0;
    void (*tick)() = nullptr;
    int tickMilliseconds = 16;
    uint32_t lastTick = 0;
    bool aborted = false;
};

// "3-7" for a step, "@12" for a placement, "x5" for a removal.
std::string describe(Move move);

}  // namespace engine
