#include "bot/endgames.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "bot/endgamebuild.h"
#include "bot/evaluate.h"

namespace engine {

namespace {

struct Found {
    bool looked = false;
    const EndgameTables* tables = nullptr;
    EndgameTables read;
    std::string source;
    bool mayBuild = false;
    EndgameBuild build;
    // Replaces `read` once built; `read` stays, a search may hold it.
    std::unique_ptr<EndgameTables> complete;
};

Found& found() {
    static Found state;
    return state;
}

void look(Found& state) {
    state.looked = true;
    std::vector<std::string> candidates;
    if (const char* named = std::getenv("ZELK_ENDGAMES")) {
        if (std::string(named) == "none") return;
        candidates.push_back(named);
    } else {
        candidates.push_back(ENDGAMES_FILE);
#ifdef ZELK_DATA_DIR
        candidates.push_back(std::string(ZELK_DATA_DIR) + "/" + ENDGAMES_FILE);
#endif
        candidates.push_back(endgameCacheDirectory() + "/" + ENDGAMES_FILE);
    }
    for (const std::string& path : candidates)
        if (state.read.load(path)) {
            state.tables = &state.read;
            state.source = path;
            break;
        }
    const std::string larger = largerSlicesFile();
    if (state.tables && state.read.load(larger)) state.source += " + " + larger;
}

// How far a background build goes: every slice, or fewer when
// ZELK_ENDGAMES_BUILD_TOTAL limits the pieces in all (for tests).
int buildTotal(const EndgameTables& tables) {
    const char* limit = std::getenv("ZELK_ENDGAMES_BUILD_TOTAL");
    const int most = 2 * tables.most();
    return limit && std::atoi(limit) > 0 ? std::min(most, std::atoi(limit)) : most;
}

}  // namespace

const EndgameTables* endgameTables() {
    Found& state = found();
    if (!state.looked) look(state);
    return state.tables;
}

std::string endgameTablesSource() {
    endgameTables();
    return found().source;
}

void useEndgameTables(const EndgameTables* tables) {
    Found& state = found();
    state.looked = true;
    state.mayBuild = false;
    state.tables = tables;
    state.source = tables ? "given" : "";
}

void allowEndgameBuild() {
    found().mayBuild = true;
}

std::vector<std::string> followEndgameBuild() {
    Found& state = found();
    if (!state.looked || state.tables != &state.read || !state.mayBuild) return {};
    if (!state.build.started() && state.read.mostTotal() < buildTotal(state.read)) {
        state.build.start(state.read, buildTotal(state.read), largerSlicesFile());
        return {"endgames: solving the slices of " + std::to_string(state.read.mostTotal() + 1) + " to " +
                std::to_string(buildTotal(state.read)) + " pieces in the background into " + largerSlicesFile()};
    }
    std::vector<std::string> lines = state.build.poll(state.complete);
    if (state.complete) {
        state.tables = state.complete.get();
        state.source += " + " + largerSlicesFile();
    }
    return lines;
}

std::string largerSlicesFile() {
    return endgameCacheDirectory() + "/" + ENDGAMES_LARGER_FILE;
}

std::string endgameCacheDirectory() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache) return std::string(cache) + "/zelk";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : ".") + "/.cache/zelk";
}

int endgameScore(EndgameValue value, int ply) {
    if (isWon(value)) return WIN_SCORE - ply - 2 * turnsLeft(value);
    if (isLost(value)) return -(WIN_SCORE - ply - 2 * turnsLeft(value));
    return 0;
}

Move bestByTables(const EndgameTables& tables, const Position& position, EndgameValue& value) {
    MoveList list;
    generateMoves(position, list);
    Move best;
    value = NO_POSITION;
    int bestEvaluation = 0;
    for (int i = 0; i < list.count; ++i) {
        Position child = position;
        const bool handedOver = play(child, list.moves[i]);
        EndgameValue result;
        if (child.phase == OVER)
            result = won(1);
        else if (child.mustRemove)
            result = tables.value(child);  // the same turn goes on
        else
            result = afterTurn(tables.value(child), !handedOver);
        const int evaluation = handedOver ? -evaluate(child) : evaluate(child);
        if (value == NO_POSITION || better(result, value) || (result == value && evaluation > bestEvaluation)) {
            value = result;
            best = list.moves[i];
            bestEvaluation = evaluation;
        }
    }
    return best;
}

}  // namespace engine
