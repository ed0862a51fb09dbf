#include "bot/transposition.h"

namespace engine {

TranspositionTable::TranspositionTable(int bits)
    : entries(size_t{1} << bits), mask((uint64_t{1} << bits) - 1) {}

const TableEntry* TranspositionTable::probe(uint64_t key) const {
    const TableEntry& entry = entries[key & mask];
    return entry.key == key && entry.bound != BOUND_NONE ? &entry : nullptr;
}

void TranspositionTable::store(uint64_t key, int depth, int score, Bound bound, Move best) {
    TableEntry& entry = entries[key & mask];
    // Keep a deeper result of the same position; anything else is replaced.
    if (entry.key == key && entry.depth > depth && bound != BOUND_EXACT) return;
    entry.key = key;
    entry.depth = static_cast<int8_t>(depth);
    entry.score = score;
    entry.bound = bound;
    entry.best = best;
}

void TranspositionTable::clear() {
    for (TableEntry& entry : entries) entry = TableEntry{};
}

uint64_t positionKey(const Position& position) {
    uint64_t state = position.side | position.phase << 1 | position.mustRemove << 3 |
                     position.safeRoute << 4 | (position.firstLineBy + 1) << 5 |
                     position.removalsDone << 7 | uint64_t{position.toPlace[0]} << 9 |
                     uint64_t{position.toPlace[1]} << 13;
    uint64_t z = state * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return position.hash ^ z ^ (z >> 31);
}

}  // namespace engine
