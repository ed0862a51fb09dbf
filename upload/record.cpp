#include "upload/record.h"

#include "rules/board.h"
#include "rules/cell.h"
#include "settings/config.h"
#include "settings/log.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "upload/novconnector.h"

void startRecord(int firstPlayerId) {
    gameToPost.str("");
    gameToPost.clear();
    gameToPost << firstPlayerId;
}

void recordWinner(int winnerId) {
    gameToPost << winnerId;
}

void prepareInfoForNOVL() {
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (playerOne && doIOwn(cell, playerOne->id))
            gameToPost << playerOne->id;
        else if (playerTwo && doIOwn(cell, playerTwo->id))
            gameToPost << playerTwo->id;
        else
            gameToPost << 0;
    }
    gameToPost << (playerOne && playerOne->IsComputer() ? 1 : 0);
    gameToPost << (playerTwo && playerTwo->IsComputer() ? 1 : 0);
    // Before the first game there is no player to move yet.
    gameToPost << (currentPlayer ? currentPlayer->id : 0);
    gameToPost << IConfig.gameLevel;
}

void informNOVL(const std::function<bool()>& whileWaiting) {
    if (IConfig.gameFeedback == 0) {
        ILog.log(3, "User does not wish to communicate this game");
        return;
    }
    if (gameToPost.fail()) return;
    NOVConnector connector;
    connector.setGame(gameToPost.str().c_str(), IConfig.userId.c_str());
    connector.whileWaiting = whileWaiting;
    connector.postGame();
}
