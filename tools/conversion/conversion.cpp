// How the Expert converts won endgames and holds drawn ones against perfect
// play: positions drawn at random from the endgame tables, the Expert (at
// the game's own time limits unless --think-ms) to act, the other side
// playing the tables' best defence.
//   zelk-conversion --tables data/endgames.zdb [--more FILE] --won 100
//                   --min-turns 30 --drawn 100 --seed 1 [--think-ms MS] [--search-only]
// --more adds a file of further slices (those with 6 pieces on a side).
// --search-only hides the tables from the Expert (its search alone, as
// outside them), the defence still uses them; --expert-tables gives the
// Expert fewer pieces' tables than the defence has (its search then meets
// them only at its leaves, as it does beyond the tables in a game).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bot/endgames.h"
#include "bot/expert.h"
#include "bot/transposition.h"

using namespace engine;

namespace {

struct Options {
    std::string tables = "endgames.zdb";
    std::string more;  // further slices than those of `tables`
    int won = 100, drawn = 100, minTurns = 30, thinkMs = 0;
    unsigned seed = 1;
    bool searchOnly = false, verbose = false;
    int depth = 0;
    std::string expertTables;  // smaller tables for the Expert than for the defence
    std::string board;  // one position instead of drawn ones
    int toAct = 1;
};

struct Drawn {
    Points own, theirs;
    EndgameValue value;
};

// A uniform choice among the normal positions of every slice whose value
// passes `wanted`.
std::vector<Drawn> drawPositions(const EndgameTables& tables, int count, std::mt19937& random,
                                 bool (*wanted)(EndgameValue, int), int minTurns) {
    struct Where { int own, theirs; uint64_t index; };
    std::vector<Where> all;
    for (int own = ENDGAME_FEWEST; own <= tables.most(); ++own)
        for (int theirs = ENDGAME_FEWEST; theirs <= tables.most(); ++theirs) {
            if (!tables.covers(own, theirs)) continue;
            const auto& values = tables.slice(own, theirs).values;
            for (uint64_t index = 0; index < values.size(); ++index)
                if (wanted(values[index], minTurns)) all.push_back({own, theirs, index});
        }
    std::vector<Drawn> positions;
    for (int i = 0; i < count && !all.empty(); ++i) {
        const Where where = all[random() % all.size()];
        const SliceShape shape = sliceShape(where.own, where.theirs);
        const Points own = classSet(where.own, static_cast<uint32_t>(where.index / shape.otherSets));
        const Points theirs = nthSubset(~own & Position::ALL_POINTS, where.theirs,
                                        static_cast<uint32_t>(where.index % shape.otherSets));
        positions.push_back({own, theirs, tables.value(own, theirs, false)});
    }
    return positions;
}

bool longWin(EndgameValue value, int minTurns) {
    return isWon(value) && turnsLeft(value) >= minTurns;
}

bool draw(EndgameValue value, int) {
    return value == DRAWN;
}

enum Result { EXPERT_WON, EXPERT_LOST, UNDECIDED };

// The Expert is side 0 and acts first; a game not over after `turnLimit`
// of the Expert's turns is undecided. `repeats` counts the Expert's
// positions seen before while the tables said it was winning.
Result playOut(const EndgameTables& tables, const EndgameTables* expertTables, const Drawn& start,
               const Options& options, int turnLimit, int& expertTurns, int& repeats) {
    Position position;
    position.pieces[0] = start.own;
    position.pieces[1] = start.theirs;
    position.toPlace[0] = position.toPlace[1] = 0;
    position.phase = MOVING;
    position.removalsDone = 3;
    rehash(position);
    ExpertPlayer expert;
    SearchLimits limits;
    if (options.thinkMs > 0) limits.softMilliseconds = options.thinkMs;
    if (options.depth > 0) limits.maxDepth = options.depth;
    std::vector<uint64_t> seen;
    expertTurns = 0;
    repeats = 0;
    while (position.phase != OVER) {
        Move move;
        if (position.side == 0) {
            if (!position.mustRemove) {
                if (++expertTurns > turnLimit) return UNDECIDED;
                const uint64_t key = positionKey(position);
                const EndgameValue value = tables.value(position);
                for (uint64_t earlier : seen) repeats += earlier == key && isWon(value);
                seen.push_back(key);
            }
            useEndgameTables(options.searchOnly ? nullptr : expertTables);
            const Decision decision = expert.decide(position, limits);
            if (options.verbose) std::printf("  %s\n", decision.report.c_str());
            move = decision.move;
        } else {
            EndgameValue value;
            move = bestByTables(tables, position, value);
        }
        play(position, move);
    }
    return position.winner == 0 ? EXPERT_WON : EXPERT_LOST;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (flag == "--search-only") options.searchOnly = true;
        else if (flag == "--verbose") options.verbose = true;
        else if (!value) return false;
        else if (flag == "--tables") options.tables = value, ++i;
        else if (flag == "--more") options.more = value, ++i;
        else if (flag == "--won") options.won = std::atoi(value), ++i;
        else if (flag == "--drawn") options.drawn = std::atoi(value), ++i;
        else if (flag == "--min-turns") options.minTurns = std::atoi(value), ++i;
        else if (flag == "--think-ms") options.thinkMs = std::atoi(value), ++i;
        else if (flag == "--expert-tables") options.expertTables = value, ++i;
        else if (flag == "--depth") options.depth = std::atoi(value), ++i;
        else if (flag == "--board") options.board = value, ++i;
        else if (flag == "--to-act") options.toAct = std::atoi(value), ++i;
        else if (flag == "--seed") options.seed = static_cast<unsigned>(std::atoi(value)), ++i;
        else return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: zelk-conversion [--tables FILE] [--more FILE] [--won N] [--min-turns T] [--drawn N]\n"
                     "                       [--seed S] [--think-ms MS] [--depth D] [--search-only] [--verbose]\n"
                     "                       [--board 24-CHARACTERS --to-act 1|2] [--expert-tables FILE]\n");
        return 2;
    }
    EndgameTables tables;
    for (const std::string& path : {options.tables, options.more}) {
        std::string why;
        if (!path.empty() && !tables.load(path, &why)) {
            std::fprintf(stderr, "the endgame tables %s: %s\n", path.c_str(), why.c_str());
            return 1;
        }
    }
    EndgameTables smaller;
    const EndgameTables* expertTables = &tables;
    if (!options.expertTables.empty()) {
        if (!smaller.load(options.expertTables)) {
            std::fprintf(stderr, "cannot read the endgame tables %s\n", options.expertTables.c_str());
            return 1;
        }
        expertTables = &smaller;
    }
    std::mt19937 random(options.seed);
    std::printf("tables %s (3 to %d pieces a side, %d in all), %s, think-ms %s\n", options.tables.c_str(),
                tables.most(), tables.mostTotal(),
                options.searchOnly ? "Expert's search alone" : "Expert with the tables",
                options.thinkMs > 0 ? std::to_string(options.thinkMs).c_str() : "the game's own");

    int wins = 0, losses = 0, undecided = 0, repeated = 0, extraTurns = 0, mostExtra = 0;
    std::vector<Drawn> won = drawPositions(tables, options.won, random, longWin, options.minTurns);
    if (options.board.size() == 24) {
        // 24 characters, points 0-23: '1', '2' or '.'; the Expert plays the side to act.
        Points pieces[2] = {0, 0};
        for (int point = 0; point < 24; ++point)
            if (options.board[point] == '1' || options.board[point] == '2') pieces[options.board[point] - '1'] |= 1u << point;
        const Points own = pieces[options.toAct - 1], theirs = pieces[2 - options.toAct];
        if (!tables.covers(popcount(own), popcount(theirs))) {
            std::fprintf(stderr, "the tables do not cover that position\n");
            return 1;
        }
        won = {{own, theirs, tables.value(own, theirs, false)}};
        options.drawn = 0;
    }
    for (size_t i = 0; i < won.size(); ++i) {
        const int distance = turnsLeft(won[i].value);
        int turns, repeats;
        // Twice the distance and more: a won position not converted by then is not being converted.
        const Result result = playOut(tables, expertTables, won[i], options, 2 * distance + 20, turns, repeats);
        const int expertDistance = (distance + 1) / 2;  // the Expert's own turns in a perfect win
        wins += result == EXPERT_WON;
        losses += result == EXPERT_LOST;
        undecided += result == UNDECIDED;
        repeated += repeats > 0;
        if (result == EXPERT_WON) {
            extraTurns += turns - expertDistance;
            mostExtra = std::max(mostExtra, turns - expertDistance);
        }
        std::printf("won %zu: %08x v %08x, won in %d turns: %s after %d of its turns%s\n", i + 1, won[i].own,
                    won[i].theirs, distance,
                    result == EXPERT_WON ? "won" : result == EXPERT_LOST ? "LOST" : "NOT WON", turns,
                    repeats ? " (repeated a position)" : "");
        std::fflush(stdout);
    }
    int held = 0, lostDraws = 0;
    const std::vector<Drawn> drawn = drawPositions(tables, options.drawn, random, draw, 0);
    for (size_t i = 0; i < drawn.size(); ++i) {
        int turns, repeats;
        const Result result = playOut(tables, expertTables, drawn[i], options, 100, turns, repeats);
        held += result != EXPERT_LOST;
        lostDraws += result == EXPERT_LOST;
        std::printf("drawn %zu: %08x v %08x: %s\n", i + 1, drawn[i].own, drawn[i].theirs,
                    result == EXPERT_LOST ? "LOST" : result == EXPERT_WON ? "won" : "held");
        std::fflush(stdout);
    }
    std::printf("won positions: %zu, Expert won %d, lost %d, not won %d, repeated a position in %d;"
                " turns over the shortest win: %.1f on average, at most %d\n",
                won.size(), wins, losses, undecided, repeated, wins ? double(extraTurns) / wins : 0.0, mostExtra);
    std::printf("drawn positions: %zu, Expert held %d, lost %d\n", drawn.size(), held, lostDraws);
    return 0;
}
