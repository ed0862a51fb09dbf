#include "app/session.h"

#include "app/globals.h"
#include "app/liverecord.h"
#include "app/render.h"
#include "app/termination.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/history.h"
#include "settings/log.h"
#include "sprites/dialogs.h"
#include "sprites/player.h"

namespace {

// The save this copy wrote or resumed, as formatSavedGame wrote it; empty
// when it has none.
std::string ownSave;

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

void quitOnTermination() {
    if (!terminationRequested() || quit) return;
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
    game.actions = actionsOfLiveGame();
    return game;
}

void resumeSavedGame(const SavedGame& game) {
    playerOne->type = static_cast<PlayerTypes>(game.kinds[0]);
    playerTwo->type = static_cast<PlayerTypes>(game.kinds[1]);
    if (iGame) iGame->setGameLevel(static_cast<GameLevels>(game.level));
    resumeGame(game.history, game.cursor, game.now);
    if (!game.actions.empty() && !adoptActions(game.actions))
        ILog.log(1, "The saved game's actions do not lead to its position: it goes on without its record");
    askAgainIfBlocked();
    ILog.log(1, "Resumed the saved game: %zu positions to take back", game.history.size());
}

void offerSavedGame() {
    const std::string path = savedGamePath();
    SavedGame game;
    const SaveReading reading = readSavedGame(path, game);
    if (reading == SaveReading::Unreadable) putSaveAside(path);
    if (reading != SaveReading::Read) return;
    renderPacedFrame();
    const bool resume = yesno(screen, "", "Resume the unfinished game?");
    // Ended before an answer: the save waits for the next start.
    if (terminationRequested()) return;
    if (resume) {
        resumeSavedGame(game);
        ownSave = formatSavedGame(game);
    } else {
        removeSavedGameHolding(path, formatSavedGame(game));
    }
}

void forgetEndedGame() {
    if (ownSave.empty() || gameUnderWay()) return;
    removeSavedGameHolding(savedGamePath(), ownSave);
    ownSave.clear();
}

void keepUnfinishedGame() {
    if (!gameUnderWay()) {
        forgetEndedGame();
        return;
    }
    const std::string path = savedGamePath();
    const SavedGame game = saveOfLiveGame();
    if (!writeSavedGame(path, game)) return;
    ownSave = formatSavedGame(game);
    ILog.log(3, "The unfinished game is saved in %s", path.c_str());
}
