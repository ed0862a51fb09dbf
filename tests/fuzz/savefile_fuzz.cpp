// Fuzzes the saved-game reader: any bytes as "zelk.save". Whatever is read
// must be a game the board can hold and the game can go on from (checked on
// the search's own model of the rules: the player to act has a legal action,
// or, blocked, the other may move again; or the game is over), and must be
// written back and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bot/position.h"
#include "rules/savefile.h"
#include "scratch.h"
#include "settings/log.h"

namespace {

engine::Position modelOf(const GameSnapshot& s, const int kinds[2]) {
    engine::Position position;
    position.toPlace[0] = position.toPlace[1] = 0;
    for (int piece = 0; piece < 24; ++piece) {
        const int side = piece < 12 ? 0 : 1;
        if (s.pieces[piece] >= 0) position.pieces[side] |= 1u << s.pieces[piece];
        if (s.pieces[piece] == PIECE_AT_HOME) ++position.toPlace[side];
    }
    position.phase = static_cast<engine::Phase>(s.gamePhase);
    position.side = static_cast<uint8_t>(s.toAct - 1);
    // A person removes after a line; the computer plays from the position.
    const bool hitting = s.players[position.side].state == 3;
    position.mustRemove = s.gamePhase == 1 || (s.gamePhase == 2 && hitting && kinds[position.side] == 0);
    position.safeRoute = s.safemovement;
    return position;
}

// A legal action for the player to act; or, blocked, a move again for the
// other; or the game is over.
bool canGoOn(const GameSnapshot& s, const int kinds[2]) {
    const engine::Position position = modelOf(s, kinds);
    if (position.phase == engine::MOVING && (position.count(0) < 3 || position.count(1) < 3)) return true;
    engine::MoveList moves;
    engine::generateMoves(position, moves);
    if (moves.count > 0) return true;
    return position.phase == engine::MOVING && !position.safeRoute && engine::canStep(position, 1 - position.side);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzScratchDirectory();
    ILog.Init(0);
    engine::initTables();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SavedGame game;
    std::string why;
    if (!parseSavedGame(text, game, why)) return 0;
    if (game.history.size() > SAVE_HISTORY_LIMIT || game.cursor >= static_cast<int>(game.history.size()))
        abort();
    if (!canGoOn(game.now, game.kinds)) abort();
    for (const GameSnapshot& entry : game.history)
        if (!canGoOn(entry, game.kinds)) abort();
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
