// Builds the endgame tables into a file:
//   zelk-endgames --most 5 --most-total 8 --out data/endgames.zdb
// and prints the won, lost and drawn counts of every slice. With --from
// BASE it reads those tables and solves and writes only the slices past
// them (as the game does in the background):
//   zelk-endgames --from data/endgames.zdb --most-total 10 --out larger.zdb
// With --check FILE [LARGER] it reads the tables (a base file and the file
// of the slices past it) and checks every value of the last file read
// against its successors, and every 61st position against its 16 symmetric
// images.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "bot/endgamesolver.h"
#include "bot/symmetry.h"

namespace {

int check(const char* path, const char* larger) {
    using namespace engine;
    EndgameTables tables;
    int fromTotal = 2 * ENDGAME_FEWEST;
    if (!tables.load(path) || (larger && (fromTotal = tables.mostTotal() + 1, !tables.load(larger)))) {
        std::cerr << "cannot read " << (larger ? larger : path) << "\n";
        return 1;
    }
    uint64_t checked = 0, wrong = 0;
    for (int own = ENDGAME_FEWEST; own <= tables.most(); ++own)
        for (int theirs = ENDGAME_FEWEST; theirs <= tables.most(); ++theirs) {
            if (!tables.covers(own, theirs) || own + theirs < fromTotal) continue;
            const SliceShape shape = sliceShape(own, theirs);
            for (int safe = 0; safe < 2; ++safe)
                for (uint64_t index = 0; index < shape.size(); ++index) {
                    const EndgameValue value = tables.slice(safe, own, theirs)[index];
                    if (value == NO_POSITION) continue;
                    const Points mine = classSet(own, static_cast<uint32_t>(index / shape.otherSets));
                    const Points other = nthSubset(~mine & Position::ALL_POINTS, theirs,
                                                   static_cast<uint32_t>(index % shape.otherSets));
                    EndgameValue best = NO_POSITION;
                    forEachTurn(tables, mine, other, safe, [&](EndgameValue next, int, int, int) {
                        if (best == NO_POSITION || better(next, best)) best = next;
                    });
                    bool right = best == value;
                    if (index % 61 == 0)
                        for (int g = 1; g < SYMMETRY_COUNT; ++g)
                            right = right && tables.value(mapPoints(g, mine), mapPoints(g, other), safe) == value;
                    ++checked;
                    if (!right && ++wrong <= 10)
                        std::cout << own << " v " << theirs << (safe ? " safe" : "") << " " << mine << " " << other
                                  << ": stored " << int(value) << ", successors give " << int(best) << "\n";
                }
            std::cout << own << " v " << theirs << " checked\n" << std::flush;
        }
    std::cout << checked << " positions checked, " << wrong << " wrong\n";
    return wrong ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if ((argc == 3 || argc == 4) && !std::strcmp(argv[1], "--check")) return check(argv[2], argc == 4 ? argv[3] : nullptr);
    int most = 4, mostTotal = 0;
    const char* out = "endgames.zdb";
    const char* from = nullptr;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--most") && i + 1 < argc) most = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--most-total") && i + 1 < argc) mostTotal = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
        else if (!std::strcmp(argv[i], "--from") && i + 1 < argc) from = argv[++i];
        else if (!std::strcmp(argv[i], "--quiet")) quiet = true;
        else {
            std::cerr << "usage: zelk-endgames [--most 3..5] [--most-total 6..10] [--out FILE] [--quiet]\n"
                         "       zelk-endgames --from BASE --most-total 7..10 [--out FILE] [--quiet]\n"
                         "       zelk-endgames --check FILE [LARGER]\n";
            return 2;
        }
    }
    engine::EndgameTables tables(most, mostTotal);
    int fromTotal = 2 * engine::ENDGAME_FEWEST;
    if (from) {
        tables = engine::EndgameTables();
        if (!tables.load(from)) {
            std::cerr << "cannot read " << from << "\n";
            return 1;
        }
        most = tables.most();
        fromTotal = tables.mostTotal() + 1;
        tables.widen(mostTotal ? mostTotal : 2 * most);
    }
    if (mostTotal == 0) mostTotal = 2 * most;
    if (most < engine::ENDGAME_FEWEST || most > engine::ENDGAME_MOST || mostTotal < 2 * engine::ENDGAME_FEWEST ||
        mostTotal > 2 * most) {
        std::cerr << "--most must be 3 to 5, --most-total 6 to twice that\n";
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    const bool solved = engine::solveEndgames(
        tables,
        [&](const std::string& line) {
            if (!quiet || line.find("solved") != std::string::npos) std::cout << line << std::endl;
        },
        nullptr, fromTotal);
    if (!solved) return 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "slice (to act v other): won / lost / drawn, longest\n";
    for (int own = engine::ENDGAME_FEWEST; own <= most; ++own)
        for (int theirs = engine::ENDGAME_FEWEST; theirs <= most; ++theirs) {
            if (!tables.covers(own, theirs) || own + theirs < fromTotal) continue;
            const engine::SolveCounts counts = engine::countSlice(tables, own, theirs);
            std::cout << own << " v " << theirs << ": " << counts.won << " / " << counts.lost << " / " << counts.drawn
                      << ", " << counts.longest << " turns\n";
        }
    if (!tables.save(out, fromTotal)) {
        std::cerr << "cannot write " << out << "\n";
        return 1;
    }
    std::cout << "built in " << seconds << " s, written to " << out << "\n";
    return 0;
}
