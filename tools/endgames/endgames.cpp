// Builds the endgame tables into a file:
//   zelk-endgames --most 4 --out data/endgames.zdb
// and prints the won, lost and drawn counts of every slice.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "bot/endgamesolver.h"

int main(int argc, char** argv) {
    int most = 4;
    const char* out = "endgames.zdb";
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--most") && i + 1 < argc) most = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
        else if (!std::strcmp(argv[i], "--quiet")) quiet = true;
        else {
            std::cerr << "usage: zelk-endgames [--most 3..5] [--out FILE] [--quiet]\n";
            return 2;
        }
    }
    if (most < engine::ENDGAME_FEWEST || most > engine::ENDGAME_MOST) {
        std::cerr << "--most must be 3 to 5\n";
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    engine::EndgameTables tables(most);
    const bool solved = engine::solveEndgames(tables, [&](const std::string& line) {
        if (!quiet || line.find("solved") != std::string::npos) std::cout << line << std::endl;
    });
    if (!solved) return 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "slice (to act v other): won / lost / drawn, longest\n";
    for (int own = engine::ENDGAME_FEWEST; own <= most; ++own)
        for (int theirs = engine::ENDGAME_FEWEST; theirs <= most; ++theirs) {
            const engine::SolveCounts counts = engine::countSlice(tables, own, theirs);
            std::cout << own << " v " << theirs << ": " << counts.won << " / " << counts.lost << " / " << counts.drawn
                      << ", " << counts.longest << " turns\n";
        }
    if (!tables.save(out)) {
        std::cerr << "cannot write " << out << "\n";
        return 1;
    }
    std::cout << "built in " << seconds << " s, written to " << out << "\n";
    return 0;
}
