#include "bot/endgamefiles.h"

#include <unistd.h>

#include <cstdlib>
#include <new>
#include <sstream>

namespace engine {

namespace {

struct Found {
    bool looked = false;
    const EndgameTables* tables = nullptr;
    EndgameTables read;
    EndgameTablesFound files;
};

Found& found() {
    static Found state;
    return state;
}

bool exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

// The files to read, in order: the first must be there; the rest are read
// when they are.
std::vector<std::string> candidates() {
    if (const char* named = std::getenv("ZELK_ENDGAMES")) {
        std::vector<std::string> files;
        if (std::string(named) == "none") return files;
        std::istringstream list(named);
        for (std::string file; std::getline(list, file, ':');)
            if (!file.empty()) files.push_back(file);
        return files;
    }
    std::string directory = ".";
#ifdef ZELK_DATA_DIR
    if (!exists(ENDGAMES_FILE)) directory = ZELK_DATA_DIR;
#endif
    std::vector<std::string> files{directory + "/" + ENDGAMES_FILE};
    const std::string more = directory + "/" + ENDGAMES_MORE_FILE;
    if (exists(more)) files.push_back(more);
    return files;
}

void look(Found& state) {
    state.looked = true;
    try {
        for (const std::string& path : candidates()) {
            std::string why;
            if (state.read.load(path, &why)) {
                state.files.read.push_back(path);
                state.tables = &state.read;
            } else {
                state.files.problems.push_back(path + " " + why);
            }
        }
    } catch (const std::bad_alloc&) {
        state.files.problems.push_back("the endgame tables do not fit in memory");
    }
}

}  // namespace

const EndgameTables* endgameTables() {
    Found& state = found();
    if (!state.looked) look(state);
    return state.tables;
}

const EndgameTablesFound& endgameTablesFound() {
    endgameTables();
    return found().files;
}

void useEndgameTables(const EndgameTables* tables) {
    Found& state = found();
    state.looked = true;
    state.tables = tables;
    state.files = EndgameTablesFound{};
}

}  // namespace engine
