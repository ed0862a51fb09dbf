#include "bot/endgameindex.h"

#include <vector>

#include "bot/symmetry.h"

namespace engine {

namespace {

// For every set of `count` points, by its rank: its class and the symmetry
// that takes it to the class's representative.
struct SetClasses {
    std::vector<uint32_t> classOf;
    std::vector<uint8_t> symmetryOf;
    std::vector<Points> representative;
};

struct Index {
    uint32_t choose[25][25] = {};
    SetClasses classes[ENDGAME_MOST + 1];
    Index();
};

const Index& index() {
    static const Index built;
    return built;
}

uint32_t rankOf(const uint32_t (&choose)[25][25], Points set) {
    uint32_t rank = 0;
    int i = 1;
    for (; set; set &= set - 1) rank += choose[__builtin_ctz(set)][i++];
    return rank;
}

Index::Index() {
    {
        for (int n = 0; n <= 24; ++n) {
            choose[n][0] = 1;
            for (int k = 1; k <= n; ++k) choose[n][k] = choose[n - 1][k - 1] + (k <= n - 1 ? choose[n - 1][k] : 0);
        }
        for (int count = ENDGAME_FEWEST; count <= ENDGAME_MOST; ++count) {
            SetClasses& table = classes[count];
            const uint32_t sets = choose[24][count];
            table.classOf.assign(sets, UINT32_MAX);
            table.symmetryOf.assign(sets, 0);
            // Sets of equal popcount in increasing order have increasing ranks.
            for (Points set = (1u << count) - 1; set < (1u << 24);) {
                const uint32_t rank = rankOf(choose, set);
                Points least = set;
                int leastBy = 0;
                for (int g = 1; g < SYMMETRY_COUNT; ++g) {
                    const Points image = mapPoints(g, set);
                    if (image < least) least = image, leastBy = g;
                }
                if (least == set) {
                    table.classOf[rank] = static_cast<uint32_t>(table.representative.size());
                    table.representative.push_back(set);
                }
                table.symmetryOf[rank] = static_cast<uint8_t>(leastBy);
                const Points low = set & -set, ripple = set + low;
                set = ripple | (((set ^ ripple) >> 2) / low);
            }
            // A representative is its own least image, so it came first.
            for (Points set = (1u << count) - 1; set < (1u << 24);) {
                const uint32_t rank = rankOf(choose, set);
                table.classOf[rank] = table.classOf[rankOf(choose, mapPoints(table.symmetryOf[rank], set))];
                const Points low = set & -set, ripple = set + low;
                set = ripple | (((set ^ ripple) >> 2) / low);
            }
        }
    }
}

}  // namespace

SliceShape sliceShape(int mover, int other) {
    const Index& built = index();
    SliceShape shape;
    shape.mover = mover;
    shape.other = other;
    shape.classes = static_cast<uint32_t>(built.classes[mover].representative.size());
    shape.otherSets = built.choose[24 - mover][other];
    return shape;
}

uint64_t sliceIndex(Points own, Points theirs) {
    const Index& built = index();
    const auto& choose = built.choose;
    const int count = popcount(own);
    const SetClasses& table = built.classes[count];
    const uint32_t rank = rankOf(choose, own);
    const int g = table.symmetryOf[rank];
    const Points mine = table.representative[table.classOf[rank]];
    const Points other = mapPoints(g, theirs);
    // Number the other side's points among those the mover leaves empty.
    uint32_t otherRank = 0;
    int i = 1;
    for (Points set = other; set; set &= set - 1) {
        const int point = __builtin_ctz(set);
        otherRank += choose[point - popcount(mine & ((1u << point) - 1))][i++];
    }
    return uint64_t{table.classOf[rank]} * choose[24 - count][popcount(theirs)] + otherRank;
}

Points classSet(int count, uint32_t cls) {
    return index().classes[count].representative[cls];
}

Points nthSubset(Points free, int count, uint32_t rank) {
    const auto& choose = index().choose;
    int slots[24], n = 0;
    for (Points set = free; set; set &= set - 1) slots[n++] = __builtin_ctz(set);
    Points subset = 0;
    for (int k = count; k >= 1; --k) {
        int position = k - 1;
        while (position + 1 < n && choose[position + 1][k] <= rank) ++position;
        rank -= choose[position][k];
        subset |= 1u << slots[position];
        n = position;
    }
    return subset;
}

}  // namespace engine
