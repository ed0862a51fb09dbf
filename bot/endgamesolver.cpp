#include "bot/endgamesolver.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <sstream>

namespace engine {

namespace {

bool canMove(Points side, Points empty) {
    for (Points set = side; set; set &= set - 1)
        if (neighbourPoints[__builtin_ctz(set)] & empty) return true;
    return false;
}

struct Pending {
    int own, theirs;
    bool safeRoute;
    std::vector<uint32_t> indices;  // positions not yet settled
};

// Marks what the game never reaches; everything else starts unsettled. A
// stop asked for leaves it unfinished.
void prepare(EndgameTables& tables, int own, int theirs, std::vector<Pending>& pending,
             const std::function<bool()>& stop) {
    const SliceShape shape = sliceShape(own, theirs);
    for (int safe = 0; safe < 2; ++safe) {
        auto& values = tables.slice(safe, own, theirs);
        values.assign(shape.size(), NO_POSITION);
        Pending list{own, theirs, safe != 0, {}};
        for (uint32_t cls = 0; cls < shape.classes; ++cls) {
            if (stop && cls % 64 == 0 && stop()) return;
            const Points mine = classSet(own, cls);
            const Points free = ~mine & Position::ALL_POINTS;
            for (uint32_t rank = 0; rank < shape.otherSets; ++rank) {
                const Points other = nthSubset(free, theirs, rank);
                const Points empty = free & ~other;
                const bool reached = canMove(mine, empty) && (!safe || !canMove(other, empty));
                const uint64_t index = uint64_t{cls} * shape.otherSets + rank;
                if (!reached) continue;
                values[index] = DRAWN;
                list.indices.push_back(static_cast<uint32_t>(index));
            }
        }
        pending.push_back(std::move(list));
    }
}

// Settles what is won or lost in exactly `turns` turns; returns how many.
// A stop asked for leaves the pass unfinished.
uint64_t pass(EndgameTables& tables, Pending& list, int turns, const std::function<bool()>& stop) {
    auto& values = tables.slice(list.safeRoute, list.own, list.theirs);
    const uint32_t otherSets = sliceShape(list.own, list.theirs).otherSets;
    uint64_t settled = 0;
    size_t kept = 0;
    for (size_t i = 0; i < list.indices.size(); ++i) {
        const uint32_t index = list.indices[i];
        if (stop && i % 65536 == 0 && stop()) return settled;
        const Points mine = classSet(list.own, index / otherSets);
        const Points other = nthSubset(~mine & Position::ALL_POINTS, list.theirs, index % otherSets);
        int nearestWin = INT_MAX, farthestLoss = 0;
        bool allLost = true;
        forEachTurn(tables, mine, other, list.safeRoute, [&](EndgameValue value, int, int, int) {
            if (isWon(value)) {
                nearestWin = std::min(nearestWin, turnsLeft(value));
                allLost = false;
            } else if (isLost(value)) {
                farthestLoss = std::max(farthestLoss, turnsLeft(value));
            } else {
                allLost = false;
            }
        });
        if (nearestWin == turns)
            values[index] = won(turns);
        else if (allLost && farthestLoss == turns)
            values[index] = lost(turns);
        else {
            list.indices[kept++] = index;
            continue;
        }
        ++settled;
    }
    list.indices.resize(kept);
    return settled;
}

// The longest distance stored in the slices with fewer than `total` pieces.
int longestBefore(const EndgameTables& tables, int total) {
    int longest = 0;
    for (int own = ENDGAME_FEWEST; own <= tables.most(); ++own)
        for (int theirs = ENDGAME_FEWEST; theirs <= tables.most() && own + theirs < total; ++theirs)
            for (int safe = 0; safe < 2; ++safe)
                for (EndgameValue value : tables.slice(safe, own, theirs))
                    if (value != DRAWN && value != NO_POSITION) longest = std::max(longest, turnsLeft(value));
    return longest;
}

}  // namespace

bool solveEndgames(EndgameTables& tables, const std::function<void(const std::string&)>& progress,
                   const std::function<bool()>& stop, int fromTotal) {
    const int most = tables.most();
    fromTotal = std::max(fromTotal, 2 * ENDGAME_FEWEST);
    int longestBelow = longestBefore(tables, fromTotal);
    for (int total = fromTotal; total <= tables.mostTotal(); ++total) {
        const auto started = std::chrono::steady_clock::now();
        std::vector<Pending> group;
        for (int own = ENDGAME_FEWEST; own <= most; ++own)
            if (total - own >= ENDGAME_FEWEST && total - own <= most) prepare(tables, own, total - own, group, stop);
        int longest = 0;
        for (int turns = 1;; ++turns) {
            if (stop && stop()) return false;
            if (turns > LONGEST) {
                if (progress) progress("endgames: a position lasts past the longest the tables store");
                return false;
            }
            uint64_t settled = 0, left = 0;
            for (Pending& list : group) {
                settled += pass(tables, list, turns, stop);
                left += list.indices.size();
            }
            if (stop && stop()) return false;
            if (settled) longest = turns;
            if (progress) {
                std::ostringstream line;
                line << "endgames: " << total << " pieces, turn " << turns << ", " << settled << " settled, "
                     << left << " open";
                progress(line.str());
            }
            // Nothing settled, and no value below can settle anything more.
            if (!settled && turns > longestBelow + 1) break;
        }
        longestBelow = std::max(longestBelow, longest);
        if (progress) {
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            std::ostringstream line;
            line << "endgames: " << total << " pieces solved in " << seconds << " s, longest " << longest << " turns";
            progress(line.str());
        }
    }
    return true;
}

SolveCounts countSlice(const EndgameTables& tables, int own, int theirs) {
    SolveCounts counts;
    for (EndgameValue value : tables.slice(false, own, theirs)) {
        if (value == NO_POSITION) continue;
        if (isWon(value)) ++counts.won;
        else if (isLost(value)) ++counts.lost;
        else ++counts.drawn;
        if (value != DRAWN) counts.longest = std::max(counts.longest, turnsLeft(value));
    }
    return counts;
}

}  // namespace engine
