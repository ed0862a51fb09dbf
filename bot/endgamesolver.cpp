#include "bot/endgamesolver.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstring>
#include <sstream>

namespace engine {

namespace {

// While a pair of slices is solved, the byte of a position not settled yet
// says what is known of it: DRAWN when it can no longer lose (a removal
// holds a draw), else UNSAFE + n: n of its successors in the pair are not
// yet known to lose for it. Won distances stop short of those counts.
const int LONGEST_WIN_WHILE_SOLVING = 103;
const int UNSAFE = LONGEST_WIN_WHILE_SOLVING;
const int MOST_STEPS = LONGEST - UNSAFE;  // 24: six pieces, each with four neighbours at most

bool isCount(EndgameValue value) { return value > UNSAFE && value <= LONGEST; }

Points bit(int point) { return 1u << point; }

bool stuck(Points side, Points empty) {
    for (Points set = side; set; set &= set - 1)
        if (neighbourPoints[__builtin_ctz(set)] & empty) return false;
    return true;
}

// `visit(from, to)` for every step of `side`.
template <typename Visit>
void forEachStep(Points side, Points empty, Visit visit) {
    for (Points pieces = side; pieces; pieces &= pieces - 1) {
        const int from = __builtin_ctz(pieces);
        for (Points targets = neighbourPoints[from] & empty; targets; targets &= targets - 1)
            visit(from, __builtin_ctz(targets));
    }
}

// One position one turn before a settled one.
struct Before {
    EndgameValue* value;
    int symmetries;
    Points mover, other;  // as it stood, the mover to act
    bool safeRoute;
};

// The points a mover's pieces leave empty, in order.
struct EmptyPoints {
    explicit EmptyPoints(Points mover) : mover(mover), all(~mover & Position::ALL_POINTS) {
        int count = 0;
        for (Points set = all; set; set &= set - 1) point[count++] = static_cast<uint8_t>(__builtin_ctz(set));
    }
    // The points a set of their numbers names.
    Points expand(uint32_t numbers) const {
        Points points = 0;
        for (; numbers; numbers &= numbers - 1) points |= bit(point[__builtin_ctz(numbers)]);
        return points;
    }
    Points mover, all;
    uint8_t point[24];
};

// A position settled, and those one turn before it.
struct Settled {
    Before before[2 * MOST_STEPS];
    int count;
    int turns;        // to the end, from the positions before it
    bool winsBefore;  // for the side to act in those
    int symmetries;   // of the settled position
};

// `found(i)` for every i where values[i] is `a` or `b`, looking at eight
// bytes at once: most of the time none of them is.
template <typename Found>
void forEachOf(const std::vector<EndgameValue>& values, EndgameValue a, EndgameValue b, Found found) {
    const uint64_t ones = 0x0101010101010101u, highs = 0x8080808080808080u;
    auto hasZeroByte = [&](uint64_t word) { return (word - ones) & ~word & highs; };
    const size_t size = values.size();
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, &values[i], 8);
        if (!hasZeroByte(word ^ (ones * a)) && !hasZeroByte(word ^ (ones * b))) continue;
        for (size_t j = i; j < i + 8; ++j)
            if (values[j] == a || values[j] == b) found(j);
    }
    for (; i < size; ++i)
        if (values[i] == a || values[i] == b) found(i);
}

class PairSolver {
public:
    PairSolver(EndgameTables& tables, int own, int theirs) : tables(tables) {
        names.push_back({own, theirs});
        if (own != theirs) names.push_back({theirs, own});
    }

    // False when a position lasts longer than the values can tell.
    bool solve() {
        for (const SliceName& name : names) prepare(name.first, name.second);
        for (int turns = 1; turns <= highest && !overflow; ++turns)
            for (const SliceName& name : names) settle(name.first, name.second, turns);
        if (overflow) return false;
        for (const SliceName& name : names) {
            EndgameSlice& slice = tables.slice(name.first, name.second);
            for (auto* values : {&slice.values, &slice.safeValues})
                for (EndgameValue& value : *values)
                    if (isCount(value)) value = DRAWN;
        }
        return true;
    }

    int longest() const { return highest; }

private:
    // The best a removal gives the mover (won(1) when it ends the game);
    // NO_POSITION when no step makes a line.
    EndgameValue bestRemoval(Points mover, Points other) const {
        const Points empty = ~(mover | other) & Position::ALL_POINTS;
        EndgameValue best = NO_POSITION;
        forEachStep(mover, empty, [&](int from, int to) {
            if (!completesLine(mover & ~bit(from), to)) return;
            if (popcount(other) == ENDGAME_FEWEST) {
                best = won(1);
                return;
            }
            const Points moved = mover ^ bit(from) ^ bit(to);
            for (Points victims = other; victims; victims &= victims - 1) {
                const Points left = other & ~bit(__builtin_ctz(victims));
                const bool blocked = stuck(left, ~(moved | left) & Position::ALL_POINTS);
                const EndgameValue next = blocked ? tables.value(moved, left, true) : tables.value(left, moved, false);
                const EndgameValue result = afterTurn(next, blocked);
                if (best == NO_POSITION || better(result, best)) best = result;
            }
        });
        return best;
    }

    // What is known of a normal position before any distance is looked at.
    EndgameValue opening(Points mover, Points other) {
        const Points empty = ~(mover | other) & Position::ALL_POINTS;
        int steps = 0;
        forEachStep(mover, empty, [&](int from, int to) { steps += !completesLine(mover & ~bit(from), to); });
        assert(steps <= MOST_STEPS);
        const EndgameValue removal = bestRemoval(mover, other);
        if (removal == NO_POSITION) return static_cast<EndgameValue>(UNSAFE + steps);
        if (removal == DRAWN) return DRAWN;
        if (isWon(removal) || steps == 0) return settledValue(isWon(removal), turnsLeft(removal));
        return static_cast<EndgameValue>(UNSAFE + steps);
    }

    // Every value settled goes through here.
    EndgameValue settledValue(bool winning, int turns) {
        if (turns > (winning ? LONGEST_WIN_WHILE_SOLVING : LONGEST)) {
            overflow = true;
            return DRAWN;
        }
        highest = std::max(highest, turns);
        return winning ? won(turns) : lost(turns);
    }

    void prepare(int own, int theirs) {
        EndgameSlice& slice = tables.slice(own, theirs);
        const SliceShape shape = sliceShape(own, theirs);
        slice.values.assign(shape.size(), NO_POSITION);
        slice.safePlaces.clear();
        slice.safeValues.clear();
        const std::vector<uint32_t>& placings = placingsOf(own, theirs);
        for (uint32_t cls = 0; cls < shape.classes; ++cls) {
            const EmptyPoints empties(classSet(own, cls));
            for (uint32_t rank = 0; rank < shape.otherSets; ++rank) {
                const Points other = empties.expand(placings[rank]);
                const Points empty = empties.all & ~other;
                if (stuck(empties.mover, empty) || !placeSymmetries(own, cls, other)) continue;
                const uint64_t place = uint64_t{cls} * shape.otherSets + rank;
                slice.values[place] = opening(empties.mover, other);
                if (stuck(other, empty)) {
                    int steps = 0;
                    forEachStep(empties.mover, empty, [&](int, int) { ++steps; });
                    slice.safePlaces.push_back(static_cast<uint32_t>(place));
                    slice.safeValues.push_back(static_cast<EndgameValue>(UNSAFE + steps));
                }
            }
        }
    }

    // The other side's placings in a slice by rank, as sets of the points
    // the mover leaves empty numbered from 0.
    const std::vector<uint32_t>& placingsOf(int own, int theirs) {
        std::vector<uint32_t>& placings = placingsByRank[own][theirs];
        if (placings.empty()) {
            const int free = 24 - own;
            for (uint32_t chosen = (1u << theirs) - 1; chosen < (1u << free);) {
                placings.push_back(chosen);
                const uint32_t low = chosen & -chosen, ripple = chosen + low;
                chosen = ripple | (((chosen ^ ripple) >> 2) / low);
            }
        }
        return placings;
    }

    // Sends back the values of the positions settled at `turns`, a few
    // positions at a time: the places one turn before them are all fetched
    // from memory before any of them is changed.
    void settle(int own, int theirs, int turns) {
        EndgameSlice& slice = tables.slice(own, theirs);
        const SliceShape shape = sliceShape(own, theirs);
        const std::vector<uint32_t>& placings = placingsOf(own, theirs);
        const int BATCH = 8;
        Settled batch[BATCH];
        int filled = 0, next = 0;
        uint32_t lastClass = UINT32_MAX;
        EmptyPoints empties(0);
        auto sendBack = [&](uint64_t place, bool safeRoute, EndgameValue value) {
            if (filled == BATCH) apply(batch[next]);
            else ++filled;
            const uint32_t cls = static_cast<uint32_t>(place / shape.otherSets);
            if (cls != lastClass) empties = EmptyPoints(classSet(own, cls)), lastClass = cls;
            const Points other = empties.expand(placings[place % shape.otherSets]);
            gather(empties.mover, other, safeRoute, value, placeSymmetries(own, cls, other), batch[next]);
            next = (next + 1) % BATCH;
        };
        const EndgameValue winning = won(turns), losing = lost(turns);
        forEachOf(slice.values, winning, losing, [&](size_t place) { sendBack(place, false, slice.values[place]); });
        forEachOf(slice.safeValues, winning, losing,
                  [&](size_t i) { sendBack(slice.safePlaces[i], true, slice.safeValues[i]); });
        for (int i = 0; i < filled; ++i) apply(batch[i]);
    }

    // The positions a turn before (own, theirs). Before a normal position
    // the other side stepped, either normally and without making a line,
    // or on a safe route while this side was blocked; before a safe route
    // this side stepped the same ways, and the other side was blocked after.
    void gather(Points own, Points theirs, bool safeRoute, EndgameValue value, int symmetries, Settled& settled) {
        settled.count = 0;
        settled.turns = turnsLeft(value) + 1;
        settled.winsBefore = isWon(value) == safeRoute;  // the same side acted before a safe route
        settled.symmetries = symmetries;
        const Points mover = safeRoute ? own : theirs, other = safeRoute ? theirs : own;
        const Points empty = ~(own | theirs) & Position::ALL_POINTS;
        forEachStep(mover, empty, [&](int to, int from) {  // stepped back: `to` is where it arrived
            const Points moverBefore = mover ^ bit(to) ^ bit(from);
            if (!completesLine(mover & ~bit(to), to)) settled.before[settled.count++] = at(moverBefore, other, false);
            if (stuck(other, ~(moverBefore | other) & Position::ALL_POINTS))
                settled.before[settled.count++] = at(moverBefore, other, true);
        });
        for (int i = 0; i < settled.count; ++i) __builtin_prefetch(settled.before[i].value, 1);
    }

    void apply(Settled& settled) {
        Before* before = settled.before;
        const int count = settled.count, turns = settled.turns, symmetries = settled.symmetries;
        if (settled.winsBefore) {
            for (int i = 0; i < count; ++i) {
                EndgameValue& earlier = *before[i].value;
                if (earlier == DRAWN || isCount(earlier) || (isWon(earlier) && turnsLeft(earlier) > turns))
                    earlier = settledValue(true, turns);
            }
            return;
        }
        // A position that reaches this one in k ways counts down by k, when
        // neither is symmetric; see countDown for the symmetric ones.
        if (symmetries > 1)
            std::sort(before, before + count,
                      [](const Before& a, const Before& b) { return std::less<>()(a.value, b.value); });
        for (int i = 0; i < count;) {
            int ways = 1;
            while (symmetries > 1 && i + ways < count && before[i + ways].value == before[i].value) ++ways;
            countDown(before[i], ways, symmetries, turns);
            i += ways;
        }
    }

    // `ways` un-moves of a position with `symmetries` lead to `earlier`. The
    // count of `earlier` is of its own steps: those into the set of
    // positions symmetric to the settled one number
    // ways * earlier.symmetries / symmetries.
    void countDown(const Before& earlier, int ways, int symmetries, int turns) {
        EndgameValue& value = *earlier.value;
        if (!isCount(value)) return;  // won or unable to lose already
        const int steps = ways * earlier.symmetries;
        assert(steps % symmetries == 0 && value - UNSAFE >= steps / symmetries);
        const int left = value - UNSAFE - steps / symmetries;
        if (left > 0) {
            value = static_cast<EndgameValue>(UNSAFE + left);
            return;
        }
        // Every step loses: the loss lasts as long as the longest, removals included.
        const EndgameValue removal = earlier.safeRoute ? NO_POSITION : bestRemoval(earlier.mover, earlier.other);
        value = settledValue(false, removal == NO_POSITION ? turns : std::max(turns, turnsLeft(removal)));
    }

    Before at(Points mover, Points other, bool safeRoute) {
        const SlicePlace place = slicePlace(mover, other);
        EndgameSlice& slice = tables.slice(place.mover, place.other);
        EndgameValue* value = safeRoute ? slice.safeValue(place.index) : &slice.values[place.index];
        assert(value && *value != NO_POSITION);
        return {value, place.symmetries, mover, other, safeRoute};
    }

    EndgameTables& tables;
    std::vector<SliceName> names;
    std::vector<uint32_t> placingsByRank[ENDGAME_MOST + 1][ENDGAME_MOST + 1];
    int highest = 0;
    bool overflow = false;
};

std::string pairName(int own, int theirs) {
    std::ostringstream name;
    name << own << " v " << theirs;
    if (own != theirs) name << " and " << theirs << " v " << own;
    return name.str();
}

}  // namespace

bool solveEndgames(EndgameTables& tables, int most, int mostTotal,
                   const std::function<void(const std::string&)>& progress) {
    if (mostTotal == 0) mostTotal = 2 * most;
    for (int total = 2 * ENDGAME_FEWEST; total <= mostTotal; ++total)
        for (int own = ENDGAME_FEWEST; 2 * own <= total; ++own) {
            const int theirs = total - own;
            if (theirs > most || tables.covers(own, theirs)) continue;
            const auto started = std::chrono::steady_clock::now();
            PairSolver pair(tables, own, theirs);
            if (!pair.solve()) {
                if (progress) progress("endgames: " + pairName(own, theirs) + ": a position lasts past what the values tell");
                return false;
            }
            if (progress) {
                std::ostringstream line;
                line << "endgames: " << pairName(own, theirs) << " solved in "
                     << std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count()
                     << " s, longest " << pair.longest() << " turns";
                progress(line.str());
            }
        }
    return true;
}

SolveCounts countSlice(const EndgameTables& tables, int own, int theirs) {
    SolveCounts counts;
    for (EndgameValue value : tables.slice(own, theirs).values) {
        if (value == NO_POSITION) continue;
        if (isWon(value)) ++counts.won;
        else if (isLost(value)) ++counts.lost;
        else ++counts.drawn;
        if (value != DRAWN) counts.longest = std::max(counts.longest, turnsLeft(value));
    }
    return counts;
}

}  // namespace engine
