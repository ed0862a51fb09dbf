// The transposition table: positions already searched, keyed by their
// Zobrist hash with the side to act and the phase folded in, with the depth,
// the kind of bound and the best move found.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bot/position.h"

namespace engine {

enum Bound : uint8_t { BOUND_NONE = 0, BOUND_EXACT, BOUND_LOWER, BOUND_UPPER };

struct TableEntry {
    uint64_t key = 0;
    int32_t score = 0;
    int8_t depth = -1;
    Bound bound = BOUND_NONE;
    Move best;
};

class TranspositionTable {
public:
    explicit TranspositionTable(int bits = 18);
    const TableEntry* probe(uint64_t key) const;
    void store(uint64_t key, int depth, int score, Bound bound, Move best);
    void clear();

private:
    std::vector<TableEntry> entries;
    uint64_t mask;
};

// The key of a whole position: the pieces' hash and everything else that
// decides what can happen next.
uint64_t positionKey(const Position& position);

}  // namespace engine
