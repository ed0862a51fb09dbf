// The turns of a tables position; included by endgamesolver.h.
#pragma once

namespace engine {

// `visit(value, from, to, removed)`; removed is -1 when no line was made.
template <typename Visit>
void forEachTurn(const EndgameTables& tables, Points own, Points theirs, bool safeRoute, Visit visit) {
    const Points empty = ~(own | theirs) & Position::ALL_POINTS;
    for (Points pieces = own; pieces; pieces &= pieces - 1) {
        const int from = __builtin_ctz(pieces);
        for (Points targets = neighbourPoints[from] & empty; targets; targets &= targets - 1) {
            const int to = __builtin_ctz(targets);
            const Points moved = (own & ~(1u << from)) | 1u << to;
            const Points emptyAfter = ~(moved | theirs) & Position::ALL_POINTS;
            auto stuck = [&](Points side, Points free) {
                for (Points set = side; set; set &= set - 1)
                    if (neighbourPoints[__builtin_ctz(set)] & free) return false;
                return true;
            };
            if (!safeRoute && completesLine(moved & ~(1u << to), to)) {
                for (Points victims = theirs; victims; victims &= victims - 1) {
                    const int removed = __builtin_ctz(victims);
                    const Points left = theirs & ~(1u << removed);
                    if (popcount(left) <= 2) {
                        visit(won(1), from, to, removed);
                        continue;
                    }
                    const bool blocked = stuck(left, emptyAfter | 1u << removed);
                    const EndgameValue next = blocked ? tables.value(moved, left, true) : tables.value(left, moved, false);
                    visit(afterTurn(next, blocked), from, to, removed);
                }
                continue;
            }
            const bool blocked = stuck(theirs, emptyAfter);
            const EndgameValue next = blocked ? tables.value(moved, theirs, true) : tables.value(theirs, moved, false);
            visit(afterTurn(next, blocked), from, to, -1);
        }
    }
}

}  // namespace engine
