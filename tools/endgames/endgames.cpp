// Builds the endgame tables into a file:
//   zelk-endgames --most 5 --out data/endgames.zdb
// and prints the time of every pair of slices and the won, lost and drawn
// counts of every slice. With --from FILE it reads those tables first and
// writes only the slices it solves past them:
//   zelk-endgames --from data/endgames.zdb --most 6 --out endgames-6.zdb
// With --check FILE... it reads the files in order and checks every value
// of the last one against its successors, and every 61st position against
// its 16 symmetric images.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "bot/endgamesolver.h"
#include "bot/symmetry.h"

namespace {

using namespace engine;

// Every stored value of `name` against the best of its turns; false when
// one is wrong.
bool checkSlice(const EndgameTables& tables, SliceName name, uint64_t& checked) {
    const int own = name.first, theirs = name.second;
    const SliceShape shape = sliceShape(own, theirs);
    const EndgameSlice& slice = tables.slice(own, theirs);
    uint64_t wrong = 0;
    auto check = [&](uint64_t place, bool safe, EndgameValue value) {
        const Points mine = classSet(own, static_cast<uint32_t>(place / shape.otherSets));
        const Points other =
            nthSubset(~mine & Position::ALL_POINTS, theirs, static_cast<uint32_t>(place % shape.otherSets));
        EndgameValue best = NO_POSITION;
        forEachTurn(tables, mine, other, safe, [&](EndgameValue next, int, int, int) {
            if (best == NO_POSITION || better(next, best)) best = next;
        });
        bool right = best == value && tables.value(mine, other, safe) == value;
        if (place % 61 == 0)
            for (int g = 1; g < SYMMETRY_COUNT; ++g)
                right = right && tables.value(mapPoints(g, mine), mapPoints(g, other), safe) == value;
        ++checked;
        if (!right && ++wrong <= 10)
            std::cout << own << " v " << theirs << (safe ? " safe" : "") << " " << mine << " " << other
                      << ": stored " << int(value) << ", successors give " << int(best) << "\n";
    };
    for (uint64_t place = 0; place < slice.values.size(); ++place)
        if (slice.values[place] != NO_POSITION) check(place, false, slice.values[place]);
    for (size_t i = 0; i < slice.safePlaces.size(); ++i) check(slice.safePlaces[i], true, slice.safeValues[i]);
    std::cout << own << " v " << theirs << (wrong ? ": WRONG" : ": checked") << std::endl;
    return wrong == 0;
}

int check(const std::vector<std::string>& paths) {
    EndgameTables tables;
    std::vector<SliceName> before;
    for (const std::string& path : paths) {
        before = tables.held();
        std::string why;
        if (!tables.load(path, &why)) {
            std::cerr << path << " " << why << "\n";
            return 1;
        }
    }
    uint64_t checked = 0;
    bool right = true;
    for (const SliceName& name : tables.held())
        if (std::find(before.begin(), before.end(), name) == before.end()) right = checkSlice(tables, name, checked) && right;
    std::cout << checked << " positions checked" << (right ? ", all right" : ", SOME WRONG") << "\n";
    return right ? 0 : 1;
}

int usage() {
    std::cerr << "usage: zelk-endgames [--most 3..6] [--most-total 6..12] [--from FILE] [--out FILE] [--quiet]\n"
                 "       zelk-endgames --check FILE...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && !std::strcmp(argv[1], "--check")) return check(std::vector<std::string>(argv + 2, argv + argc));
    int most = 5, mostTotal = 0;
    const char* out = "endgames.zdb";
    const char* from = nullptr;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--most") && i + 1 < argc) most = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--most-total") && i + 1 < argc) mostTotal = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
        else if (!std::strcmp(argv[i], "--from") && i + 1 < argc) from = argv[++i];
        else if (!std::strcmp(argv[i], "--quiet")) quiet = true;
        else return usage();
    }
    if (mostTotal == 0) mostTotal = 2 * most;
    if (most < ENDGAME_FEWEST || most > ENDGAME_MOST || mostTotal < 2 * ENDGAME_FEWEST || mostTotal > 2 * most) {
        std::cerr << "--most must be 3 to " << ENDGAME_MOST << ", --most-total 6 to twice that\n";
        return 2;
    }
    EndgameTables tables;
    std::string why;
    if (from && !tables.load(from, &why)) {
        std::cerr << from << " " << why << "\n";
        return 1;
    }
    const std::vector<SliceName> given = tables.held();
    const auto started = std::chrono::steady_clock::now();
    if (!solveEndgames(tables, most, mostTotal, [](const std::string& line) { std::cout << line << std::endl; }))
        return 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::vector<SliceName> solved;
    for (const SliceName& name : tables.held())
        if (std::find(given.begin(), given.end(), name) == given.end()) solved.push_back(name);
    if (!quiet) {
        std::cout << "slice (to act v other): won / lost / drawn, longest; safe-route positions\n";
        for (const SliceName& name : solved) {
            const SolveCounts counts = countSlice(tables, name.first, name.second);
            std::cout << name.first << " v " << name.second << ": " << counts.won << " / " << counts.lost << " / "
                      << counts.drawn << ", " << counts.longest << " turns; "
                      << tables.slice(name.first, name.second).safePlaces.size() << "\n";
        }
    }
    if (solved.empty()) {
        std::cerr << "nothing to solve past " << from << "\n";
        return 1;
    }
    if (!tables.save(out, solved)) {
        std::cerr << "cannot write " << out << "\n";
        return 1;
    }
    std::cout << "solved in " << seconds << " s, written to " << out << "\n";
    return 0;
}
