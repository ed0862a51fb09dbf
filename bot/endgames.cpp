#include "bot/endgames.h"

#include <cstdlib>

#include "bot/evaluate.h"

namespace engine {

namespace {

struct Found {
    bool looked = false;
    const EndgameTables* tables = nullptr;
    EndgameTables read;
    std::string source;
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
            return;
        }
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
    state.tables = tables;
    state.source = tables ? "given" : "";
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
