#include "bot/endgameindex.h"

#include <array>
#include <vector>

#include "bot/symmetry.h"

namespace engine {

namespace {

// What the index needs of a class of the mover's sets, in one cache line.
struct ClassInfo {
    // The number of each point among those the representative leaves
    // empty (for the points it leaves empty).
    std::array<uint8_t, 24> emptyNumber;
    Points representative;  // the class's own least image
    uint16_t selfMaps;      // the other symmetries that keep it: bit g for symmetry g
};

// For every set of `count` points, by its rank: its class and a symmetry
// that takes it to the class's representative (class << 4 | symmetry).
struct SetClasses {
    std::vector<uint32_t> classAndSymmetry;
    std::vector<ClassInfo> classes;
};

struct Index {
    uint32_t choose[25][25] = {};
    Points byteImages[SYMMETRY_COUNT][3][256];  // the images of the sets within each byte
    SetClasses sets[ENDGAME_MOST + 1];
    Index();

    Points image(int g, Points points) const {
        return byteImages[g][0][points & 255] | byteImages[g][1][(points >> 8) & 255] |
               byteImages[g][2][(points >> 16) & 255];
    }
};

// Built on first use; every position probed goes through here.
__attribute__((always_inline)) inline const Index& index() {
    static const Index built;
    return built;
}

uint32_t rankOf(const uint32_t (&choose)[25][25], Points set) {
    uint32_t rank = 0;
    int i = 1;
    for (; set; set &= set - 1) rank += choose[__builtin_ctz(set)][i++];
    return rank;
}

// The sets of `count` points in increasing order, which is the order of
// their ranks.
template <typename Visit>
void forEachSet(int count, Visit visit) {
    for (Points set = (1u << count) - 1; set < (1u << 24);) {
        visit(set);
        const Points low = set & -set, ripple = set + low;
        set = ripple | (((set ^ ripple) >> 2) / low);
    }
}

Index::Index() {
    for (int n = 0; n <= 24; ++n) {
        choose[n][0] = 1;
        for (int k = 1; k <= n; ++k) choose[n][k] = choose[n - 1][k - 1] + (k <= n - 1 ? choose[n - 1][k] : 0);
    }
    for (int g = 0; g < SYMMETRY_COUNT; ++g)
        for (int part = 0; part < 3; ++part)
            for (int bits = 0; bits < 256; ++bits) byteImages[g][part][bits] = mapPoints(g, Points(bits) << 8 * part);
    for (int count = ENDGAME_FEWEST; count <= ENDGAME_MOST; ++count) {
        SetClasses& table = sets[count];
        table.classAndSymmetry.assign(choose[24][count], 0);
        // A representative is its own least image, so it comes before the
        // other sets of its class.
        forEachSet(count, [&](Points set) {
            Points least = set;
            uint32_t leastBy = 0;
            uint16_t selfMaps = 0;
            for (int g = 1; g < SYMMETRY_COUNT; ++g) {
                const Points other = image(g, set);
                if (other < least) least = other, leastBy = g;
                if (other == set) selfMaps |= static_cast<uint16_t>(1u << g);
            }
            if (least == set) {
                ClassInfo info{};
                for (int point = 0, empty = 0; point < 24; ++point)
                    if (!(set & 1u << point)) info.emptyNumber[point] = static_cast<uint8_t>(empty++);
                info.representative = set;
                info.selfMaps = selfMaps;
                table.classAndSymmetry[rankOf(choose, set)] = static_cast<uint32_t>(table.classes.size()) << 4;
                table.classes.push_back(info);
            } else {
                table.classAndSymmetry[rankOf(choose, set)] =
                    (table.classAndSymmetry[rankOf(choose, least)] & ~15u) | leastBy;
            }
        });
    }
}

// `theirs` at the least of its images under the symmetries `selfMaps` of
// the mover's representative; `symmetries` counts those that keep it.
Points leastUnder(const Index& built, uint16_t selfMaps, Points theirs, int& symmetries) {
    Points least = theirs;
    symmetries = 1;
    for (unsigned maps = selfMaps; maps; maps &= maps - 1) {
        const Points image = built.image(__builtin_ctz(maps), theirs);
        if (image < least) least = image;
        symmetries += image == theirs;
    }
    return least;
}

}  // namespace

SliceShape sliceShape(int mover, int other) {
    const Index& built = index();
    SliceShape shape;
    shape.mover = mover;
    shape.other = other;
    shape.classes = static_cast<uint32_t>(built.sets[mover].classes.size());
    shape.otherSets = built.choose[24 - mover][other];
    return shape;
}

SlicePlace slicePlace(Points own, Points theirs) {
    const Index& built = index();
    const auto& choose = built.choose;
    // Counted as it goes: without a processor's popcount the library's is slow.
    uint32_t rank = 0;
    int count = 0;
    for (Points set = own; set; set &= set - 1) rank += choose[__builtin_ctz(set)][++count];
    const uint32_t classAndSymmetry = built.sets[count].classAndSymmetry[rank];
    const uint32_t cls = classAndSymmetry >> 4;
    const ClassInfo& info = built.sets[count].classes[cls];
    Points other = built.image(classAndSymmetry & 15, theirs);
    int symmetries = 1;
    if (info.selfMaps) other = leastUnder(built, info.selfMaps, other, symmetries);
    // Number the other side's points among those the mover leaves empty.
    uint32_t otherRank = 0;
    int otherCount = 0;
    for (Points set = other; set; set &= set - 1) otherRank += choose[info.emptyNumber[__builtin_ctz(set)]][++otherCount];
    return {uint64_t{cls} * choose[24 - count][otherCount] + otherRank, symmetries, count, otherCount};
}

uint64_t sliceIndex(Points own, Points theirs) {
    return slicePlace(own, theirs).index;
}

Points classSet(int count, uint32_t cls) {
    return index().sets[count].classes[cls].representative;
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

int placeSymmetries(int count, uint32_t cls, Points theirs) {
    const Index& built = index();
    const uint16_t selfMaps = built.sets[count].classes[cls].selfMaps;
    if (!selfMaps) return 1;
    int symmetries;
    return leastUnder(built, selfMaps, theirs, symmetries) == theirs ? symmetries : 0;
}

}  // namespace engine
