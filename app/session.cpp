#include "app/session.h"

#include <csignal>

#include "app/globals.h"
#include "app/render.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/history.h"
#include "settings/log.h"
#include "sprites/dialogs.h"
#include "sprites/player.h"

namespace {

volatile sig_atomic_t terminationRequested = 0;

void onTermination(int) {
    terminationRequested = 1;
}

// A position saved when the blocked player's question was answered No has
// the blocked player to act: the mover is asked again, as at the end of the
// mover's turn.
void askAgainIfBlocked() {
    if (gamePhase != PHASE_CONTENDING || safemovement || playerCanMove(currentPlayer->id)) return;
    iPlayer* blocked = currentPlayer;
    handTo(getOppositePlayer());
    changeHand();
    if (safemovement) {
        blocked->setState(WAITING);
        if (currentPlayer->IsHuman()) currentPlayer->setState(CHOOSING);
    }
}

}  // namespace

void installTerminationHandler() {
    struct sigaction action = {};
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
}

void quitOnTermination() {
    if (!terminationRequested || quit) return;
    ILog.log(1, "Terminated: the game is kept for the next start");
    quit = true;
}

bool gameUnderWay() {
    return state == STATE_PLAYING || (state == STATE_KEYBOARD && stateBeforeKeyboard == STATE_PLAYING);
}

SavedGame saveOfLiveGame() {
    SavedGame game;
    game.kinds[0] = playerOne->IsComputer() ? COMPUTER : HUMAN;
    game.kinds[1] = playerTwo->IsComputer() ? COMPUTER : HUMAN;
    game.level = iGame ? iGame->getGameLevel() : 0;
    game.history = gameHistory.entries();
    game.cursor = gameHistory.cursor();
    game.now = captureGame(timerOne.getTime());
    return game;
}

void resumeSavedGame(const SavedGame& game) {
    playerOne->type = static_cast<PlayerTypes>(game.kinds[0]);
    playerTwo->type = static_cast<PlayerTypes>(game.kinds[1]);
    if (iGame) iGame->setGameLevel(static_cast<GameLevels>(game.level));
    resumeGame(game.history, game.cursor, game.now);
    askAgainIfBlocked();
    ILog.log(1, "Resumed the saved game: %zu positions to take back", game.history.size());
}

void offerSavedGame() {
    const std::string path = savedGamePath();
    SavedGame game;
    if (!readSavedGame(path, game)) return;
    renderPacedFrame();
    if (yesno(screen, "", "Resume the unfinished game?"))
        resumeSavedGame(game);
    else
        removeSavedGame(path);
}

void keepUnfinishedGame() {
    const std::string path = savedGamePath();
    if (!gameUnderWay()) {
        removeSavedGame(path);
        return;
    }
    if (writeSavedGame(path, saveOfLiveGame())) ILog.log(3, "The unfinished game is saved in %s", path.c_str());
}
