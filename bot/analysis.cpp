// The snapshot of the board for the side to act, the random pickers every
// choice falls back on, and the weight probe.
#include "bot/game.h"

#include <initializer_list>

#include "bot/candidates.h"
#include "bot/zelkbot.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/queries.h"
#include "settings/log.h"
#include "sprites/pawn.h"
#include "sprites/player.h"

namespace {

// The owner of the piece on `cell`, 0 when it holds none. The piece decides,
// not the point's state: a point may be highlighted, flashing, or (after a
// fault) marked occupied while holding nothing.
int ownerOfPieceOn(int cell) {
    int pawn = en_cell[cell]->getCurrentPawn();
    if (pawn < 0 || pawn >= PAWN_COUNT || !en_pawn[pawn]) return 0;
    return en_pawn[pawn]->owner;
}

void logWeight(ZelkBot& bot) {
    ILog.log(3, "The weight is now: %d\n", bot.getWeight());
}

}  // namespace

void analyzeGame() {
    if (!iGame || !currentPlayer) return;
    iGame->resetCounters();
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        int owner = ownerOfPieceOn(cell);
        if (owner == 0)
            iGame->addFree(cell);
        else if (owner == currentPlayer->id)
            iGame->addMine(cell);
        else
            iGame->addYours(cell);
    }
    iGame->setPlayerId(currentPlayer->id);
    iGame->setOpponetId(currentPlayer == playerOne ? playerTwo->id : playerOne->id);
    iGame->firstJareGot(whoseFirstJare > 0);
    if (gamePhase == PHASE_CONTENDING) iGame->setGameOpened();
}

int Game::getRandomFree() {
    Candidates found;
    for (int i = 0; i < freeCells.count; ++i) found.add(freeCells.cells[i]);
    return found.pick();
}

int Game::getRandomHis() {
    Candidates found;
    for (int i = 0; i < yoursCells.count; ++i) found.add(yoursCells.cells[i]);
    return found.pick();
}

int Game::getRandomMine() {
    Candidates found;
    for (int i = 0; i < mineCells.count; ++i)
        if (thisCellCanMove(mineCells.cells[i])) found.add(mineCells.cells[i]);
    return found.pick();
}

int Game::getRandomMoveTo(int from) {
    if (from < 0 || from >= CELL_COUNT) return -1;
    Candidates found;
    for (int to : cellAdjents[from])
        if (canIMoveFromTo(from, to)) found.add(to);
    return found.pick();
}

int Game::botGetBestChoice() {
    ZelkBot* bot = new ZelkBot(getPlayerId(), getOpponetId());
    logWeight(*bot);
    // Giving a side a point takes it out of the free list, so the record
    // first holds the occupied points as free: otherwise every point given
    // would log a "never happen" warning.
    for (CellList* occupied : {&mineCells, &yoursCells})
        for (int i = 0; i < occupied->count; ++i) bot->makeThisFreeCell(occupied->cells[i]);
    for (int i = 0; i < mineCells.count; ++i) bot->giveMeThisCell(mineCells.cells[i]);
    logWeight(*bot);
    for (int i = 0; i < yoursCells.count; ++i) bot->giveHimThisCell(yoursCells.cells[i]);
    logWeight(*bot);
    for (int i = 0; i < freeCells.count; ++i) bot->makeThisFreeCell(freeCells.cells[i]);
    logWeight(*bot);
    ILog.log(3, "After the loop the weight is now: %d\n", _getBotWeight(bot, 0));
    delete bot;
    return -1;
}
