// Fuzzes the saved-game reader: any bytes as "zelk.save". Whatever is read
// must be a game the board can hold, and must be written back and read
// again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rules/savefile.h"
#include "scratch.h"
#include "settings/log.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzScratchDirectory();
    ILog.Init(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SavedGame game;
    std::string why;
    if (!parseSavedGame(text, game, why)) return 0;
    if (game.history.size() > SAVE_HISTORY_LIMIT || game.cursor >= static_cast<int>(game.history.size()))
        abort();
    SavedGame again;
    if (!parseSavedGame(formatSavedGame(game), again, why)) abort();
    if (again.kinds[0] != game.kinds[0] || again.kinds[1] != game.kinds[1] || again.level != game.level ||
        again.cursor != game.cursor || again.history.size() != game.history.size() ||
        !(again.now == game.now))
        abort();
    for (size_t i = 0; i < game.history.size(); ++i)
        if (!(again.history[i] == game.history[i])) abort();
    return 0;
}
