#include "rules/computerturn.h"

#include <initializer_list>

#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/flowsteps.h"
#include "rules/hooks.h"
#include "settings/log.h"
#include "sprites/pawn.h"
#include "sprites/player.h"

using namespace flowsteps;

namespace {

Game* playerEngines[3] = {nullptr, nullptr, nullptr};
Game* ownEngine = nullptr;  // `iGame` before the players had engines of their own
bool heldTurnRunning = false;

// The engine that decides for the player now to act.
void useEngineOf(iPlayer* player) {
    if (player && player->id >= 1 && player->id <= 2 && playerEngines[player->id])
        iGame = playerEngines[player->id];
}

void computerPlaces(iPlayer* p) {
    int cell;
    const bool chosen = iGame->getBestChoice(&cell);
    ILog.log(3, "%s", iGame->getMessage());
    if (!chosen) return;
    const int pawn = pickOnePawnFromBoard(p->id);
    if (pawn == -1 || cell < 0 || cell >= CELL_COUNT) return;
    const int line = place(p, pawn, cell, true);
    // Its line flashes once the piece has landed, on the next pass of the loop.
    if (line >= 0) en_pawn[pawn]->pendingJare = line;
    p->setState(WAITING);
    changeHand();
    checkIfPhaseOneIsOver();
}

void computerMoves(iPlayer* p) {
    int from, to;
    if (!iGame->getBestMove(&from, &to)) return;
    if (from < 0 || from >= CELL_COUNT || to < 0 || to >= CELL_COUNT) return;
    const int pawn = en_cell[from]->getCurrentPawn();
    if (pawn < 0) return;
    en_cell[from]->setState(CELL_EMPTY);
    const int line = step(p, pawn, from, to, true);
    if (line < 0) return changeHand();
    p->setState(HITTING);
    waitIfPawnIsMoving();
    signalJare(line, CELL_OCCUPIED);
    // The line is seen glowing before a piece goes.
    report(flowHooks().showFor, 600u);
    doKilling();
}

// A player who became a computer while carrying a piece puts it back first.
void putBackCarriedPiece(iPlayer* p) {
    const int pawn = p->currentPawn;
    if (pawn < 0 || pawn >= PAWN_COUNT || en_pawn[pawn]->state != PAWN_PICKED) return;
    const int from = p->getMovingFrom();
    if (from >= 0 && en_cell[from]->getCurrentPawn() < 0)
        move_pawn_to_cell(pawn, from, p->id);
    else
        en_pawn[pawn]->resetState();
    p->currentPawn = -1;
    p->setMovingFrom(-1);
}

// After a turn played from the main loop, the player now to act is made
// ready the way a person's actions leave the next player.
void readyTheNextPlayer() {
    if (state != STATE_PLAYING) return;
    if (gamePhase == PHASE_OPENING && bothOpened()) {
        switchToThirdPhase();
        if (gamePhase == PHASE_CONTENDING && currentPlayer->IsHuman()) chooseAgain();
        return;
    }
    if (!currentPlayer->IsHuman()) return;
    if (gamePhase == PHASE_OPENING)
        currentPlayer->setState(HITTING);
    else if (!currentPlayer->isHitting())
        chooseAgain();
}

}  // namespace

void playComputerTurn() {
    iPlayer* p = currentPlayer;
    useEngineOf(p);
    analyzeGame();
    if (gamePhase == PHASE_RESETTLEMENT)
        computerPlaces(p);
    else if (gamePhase == PHASE_OPENING)
        doKilling();
    else if (gamePhase == PHASE_CONTENDING)
        computerMoves(p);
}

bool doKilling() {
    waitIfPawnIsMoving();
    useEngineOf(currentPlayer);
    int cell;
    if (!iGame->getBestToKill(&cell)) return false;
    ILog.log(3, "%s", iGame->getMessage());
    if (cell < 0 || cell >= CELL_COUNT) return false;
    const int index = en_cell[cell]->getCurrentPawn();
    if (index < 0) return false;
    removeFromBoard(currentPlayer, index);
    currentPlayer->setOpenedTheGame(true);
    changeHand();
    checkIfGameIsOver();
    return true;
}

void computerRemovesSeeingTheBoard() {
    useEngineOf(currentPlayer);
    analyzeGame();
    doKilling();
}

void engineNewGame() {
    for (Game* engine : {iGame, playerEngines[1], playerEngines[2]})
        if (engine) engine->newGame();
}

bool computerHoldsTheTurn() {
    return state == STATE_PLAYING && !quit && !heldTurnRunning && currentPlayer && currentPlayer->IsComputer();
}

void playHeldComputerTurn() {
    heldTurnRunning = true;
    putBackCarriedPiece(currentPlayer);
    playComputerTurn();
    waitIfPawnIsMoving();
    readyTheNextPlayer();
    heldTurnRunning = false;
    noteTurnStart();
}

void setPlayerEngines(Game* forPlayerOne, Game* forPlayerTwo) {
    if (!playerEngines[1] && !playerEngines[2]) ownEngine = iGame;
    playerEngines[1] = forPlayerOne;
    playerEngines[2] = forPlayerTwo;
    // The players' engines took turns as `iGame`: the one engine comes back.
    if (!forPlayerOne && !forPlayerTwo) iGame = ownEngine;
}
