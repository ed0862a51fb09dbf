#include "rules/flow.h"

#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/computerturn.h"
#include "rules/flowsteps.h"
#include "rules/guidance.h"
#include "rules/history.h"
#include "rules/hooks.h"
#include "settings/log.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "upload/record.h"

const char* const gameCurrentPhases[3] = {
    "Resettlement strategy",
    "   Opening the game  ",
    "      Contending     ",
};

States state = STATE_STARTING;
int gamePhase = PHASE_RESETTLEMENT;
int whoseFirstJare = 0;
bool safemovement = false;
bool quit = false;
Game* iGame = nullptr;

using namespace flowsteps;

namespace {

void dropWhilePlacing(iPlayer* p, int pawn, int cell) {
    const int line = place(p, pawn, cell, false);
    if (line >= 0) {
        signalJare(line, CELL_OCCUPIED);
        ILog.log(3, "\trealized first Jare");
    }
    checkIfPhaseOneIsOver();
    if (gamePhase == PHASE_RESETTLEMENT) {
        switchPlayer();
        if (gamePhase == PHASE_RESETTLEMENT && currentPlayer->IsHuman()) currentPlayer->setState(CHOOSING);
    }
}

// A carried piece dropped where it cannot step goes back, and says why.
void putBackFarDrop(iPlayer* p, int pawn, int from) {
    clearHighlights();
    move_pawn_to_cell(pawn, from, p->id);
    report(flowHooks().putBack, p->id, from);
    chooseAgain();
    p->showMessage(notANeighbourText);
}

void dropWhileMoving(iPlayer* p, int pawn, int cell) {
    const int from = p->getMovingFrom();
    if (from == cell) {
        move_pawn_to_cell(pawn, cell, p->id);
        report(flowHooks().putBack, p->id, cell);
    } else {
        const int line = step(p, pawn, from, cell, false);
        if (line >= 0) {
            p->setState(HITTING);
            signalJare(line, CELL_OCCUPIED);
            return;
        }
        switchPlayer();
    }
    chooseAgain();
}

// A point a piece may be put on: no piece there, and no line flashing on it.
bool takesAPiece(int cell) {
    return en_cell[cell]->getCurrentPawn() < 0 && !en_cell[cell]->showsMeUp();
}

void drop(int cell) {
    iPlayer* p = currentPlayer;
    const int pawn = p->currentPawn;
    const int from = gamePhase == PHASE_CONTENDING ? p->getMovingFrom() : -1;
    if (pawn >= 0 && pawn < PAWN_COUNT && from >= 0 && cell != from && !areNeighbours(from, cell) &&
        en_cell[cell]->getCurrentPawn() < 0)
        return putBackFarDrop(p, pawn, from);
    if (cell != from && !takesAPiece(cell)) {
        p->showMessage("The cell is not empty");
        return;
    }
    if (pawn < 0 || pawn >= PAWN_COUNT) return;
    // The rules read highlighted points as taken; none is left lit.
    clearHighlights();
    p->setState(WAITING);
    if (gamePhase == PHASE_RESETTLEMENT)
        dropWhilePlacing(p, pawn, cell);
    else if (gamePhase == PHASE_CONTENDING)
        dropWhileMoving(p, pawn, cell);
}

void removal(int cell) {
    iPlayer* p = currentPlayer;
    const int target = en_cell[cell]->getCurrentPawn();
    if (target >= 0) {
        Pawn* pawn = en_pawn[target];
        if (pawn->state == PAWN_PLACED && pawn->owner != p->id) {
            p->setStatus("Your hitting is done");
            removeFromBoard(p, target);
            bool passed = false;
            if (gamePhase == PHASE_OPENING) {
                p->setOpenedTheGame(true);
                if (bothOpened()) {
                    switchToThirdPhase();
                    passed = true;
                }
            }
            if (!passed) switchPlayer();
            // A removal that ended the game left the start screen behind it,
            // where nobody is choosing.
            if (state == STATE_PLAYING) currentPlayer->setState(gamePhase == PHASE_OPENING ? HITTING : CHOOSING);
            checkIfGameIsOver();
        } else {
            p->showMessage("The pawn is yours or is already empty");
        }
    }
    // The computer's removal inside switchPlayer may have completed the opening.
    if (gamePhase == PHASE_OPENING && bothOpened()) switchToThirdPhase();
}

}  // namespace

void handTo(iPlayer* player) {
    currentPlayer = player;
    report(flowHooks().handChanged, player->id);
}

void switchState(States s) {
    state = s;
    report(flowHooks().stateChanged, s);
}

void startGame(iPlayer* first) {
    playerOne->resetState();
    playerTwo->resetState();
    switchState(STATE_PLAYING);
    first->setState(CHOOSING);
    handTo(first);
    startRecord(first->id);
    gameHistory.clear();
    report(flowHooks().boardCleared);
    engineNewGame();
    if (currentPlayer->IsComputer()) {
        changeHand();
        currentPlayer->setState(WAITING);
        switchPlayer();
    }
    noteTurnStart();
}

void shadowCellsUnderMouse() {
    highlightPoints();
}

void pickUpPawn(int index) {
    Pawn* pawn = en_pawn[index];
    if (pawn->owner != currentPlayer->id) {
        currentPlayer->showMessage("The pawn is not yours");
        ILog.log(3, "pawn is not your");
        return;
    }
    if ((pawn->state == PAWN_IDLE && gamePhase == PHASE_RESETTLEMENT) ||
        (pawn->state == PAWN_PLACED && gamePhase == PHASE_CONTENDING)) {
        int destinations[4];
        legalDestinations(pawn->cell, destinations);
        if (gamePhase == PHASE_CONTENDING && destinations[0] < 0) {
            currentPlayer->showMessage(cannotMoveText);
            return;
        }
        pawn->state = PAWN_PICKED;
        report(flowHooks().pickedUp, currentPlayer->id, pawn->cell);
        currentPlayer->setState(MOVING_TO);
        currentPlayer->currentPawn = index;
        if (pawn->cell > -1) {
            en_cell[pawn->cell]->setState(CELL_EMPTY);
            currentPlayer->setMovingFrom(pawn->cell);
            highlightDestinations(pawn->cell);
        }
        return;
    }
    const char* refusal = "Cell is moving or dying or dead or already on board while resettlement";
    currentPlayer->showMessage(refusal);
    ILog.log(3, "%s", refusal);
}

void clickCell(int cell) {
    switch (currentPlayer->getState()) {
        case MOVING_FROM:
            return;
        case MOVING_TO:
            drop(cell);
            break;
        case HITTING:
            removal(cell);
            break;
        default:
            // A click on a piece that already said what was wrong with it
            // keeps that message.
            if (!currentPlayer->holdsMessage()) currentPlayer->showMessage("The cell is not valid");
            ILog.log(3, "this is not valid");
    }
    noteTurnStart();
}

void move_pawn_to_cell(int pawn, int cell, int player) {
    ILog.log(3, "%s: Moving pawn %d in cell %d", currentPlayer ? currentPlayer->name : "", pawn, cell);
    Pawn* piece = en_pawn[pawn];
    piece->setX(en_cell[cell]->getX());
    piece->setY(en_cell[cell]->getY());
    piece->state = PAWN_PLACED;
    piece->owner = player;
    piece->cell = cell;
    en_cell[cell]->setState(CELL_OCCUPIED);
    en_cell[cell]->setCurrentPawn(pawn);
}

void switchPlayer() {
    waitIfPawnIsMoving();
    if (checkIfGameIsOver()) return;
    changeHand();
    if (currentPlayer->IsComputer()) playComputerTurn();
    waitIfPawnIsMoving();
}

void changeHand() {
    safemovement = false;
    if (gamePhase == PHASE_CONTENDING && !playerCanMove(getOppositePlayer()->id)) {
        const auto& ask = flowHooks().askSafeRoute;
        if (!ask || ask())
            safemovement = true;
        else
            quit = true;
    }
    if (!safemovement) handTo(getOppositePlayer());
}

void checkIfPhaseOneIsOver() {
    for (Pawn* pawn : en_pawn) {
        if (pawn->state != PAWN_PLACED && pawn->state != PAWN_TRAVELLING) {
            currentPlayer->setState(CHOOSING);
            return;
        }
    }
    if (whoseFirstJare != 0 && currentPlayer->id != whoseFirstJare) {
        changeHand();
        // The last placement came after the computer's last look at the
        // board; its removal must see that piece too.
        if (currentPlayer->IsComputer()) computerRemovesSeeingTheBoard();
    }
    gamePhase = PHASE_OPENING;
    currentPlayer->setState(HITTING);
}

void switchToThirdPhase() {
    if (whoseFirstJare != 0 && currentPlayer->id != whoseFirstJare) changeHand();
    // Recorded once the first mover of the moving phase is the current
    // player: before the hand change above, the record would name the player
    // who made the last removal instead.
    prepareInfoForNOVL();
    currentPlayer->setState(CHOOSING);
    changeHand();
    currentPlayer->setState(WAITING);
    gamePhase = PHASE_CONTENDING;
    iGame->setGameOpened();
    switchPlayer();
}

iPlayer* winnerOnTheBoard() {
    if (gamePhase != PHASE_CONTENDING) return nullptr;
    if (playerOne->pawnsOnBoard <= 2) return playerTwo;
    if (playerTwo->pawnsOnBoard <= 2) return playerOne;
    return nullptr;
}

bool checkIfGameIsOver() {
    iPlayer* winner = winnerOnTheBoard();
    if (!winner) return false;
    recordWinner(winner->id);
    const auto& over = flowHooks().gameOver;
    quit = over && !over(winner->id);
    return true;
}

void forgetPendingLines() {
    for (Pawn* pawn : en_pawn)
        if (pawn) pawn->pendingJare = -1;
}

void resetall() {
    playerOne->resetState();
    playerTwo->resetState();
    for (Cell* cell : en_cell)
        if (cell) cell->resetState();
    for (Pawn* pawn : en_pawn)
        if (pawn) pawn->resetState();
    // A flash queued by a computer's line must not fire on the new board.
    forgetPendingLines();
    whoseFirstJare = 0;
    // Left set, the last game's safe route would be written into the next
    // game's save.
    safemovement = false;
    gamePhase = PHASE_RESETTLEMENT;
    gameHistory.clear();
    report(flowHooks().boardCleared);
    switchState(STATE_STARTING);
}

void waitIfPawnIsMoving() {
    // A glide crosses the window in a few hundred frames; a piece that is
    // still "moving" long after that can only be one left hanging on the
    // pointer, and waiting for it would freeze the game.
    const int frameLimit = 2000;
    bool moving;
    int frames = 0;
    do {
        moving = somePieceMoves();
        report(flowHooks().glideFrame);
        if (++frames >= frameLimit) {
            ILog.log(0, "pieces still moving after %d frames: no longer waiting", frameLimit);
            return;
        }
    } while (moving);
}

void signalPendingJares() {
    for (Pawn* pawn : en_pawn) {
        if (pawn && pawn->pendingJare > -1) {
            signalJare(pawn->pendingJare, CELL_OCCUPIED);
            pawn->pendingJare = -1;
        }
    }
}

void setupOpeningPosition() {
    for (int i = 0; i < 12; ++i) {
        move_pawn_to_cell(i, i, playerOne->id);
        move_pawn_to_cell(i + 12, i + 12, playerTwo->id);
    }
    playerOne->pawnsOnBoard = 12;
    playerTwo->pawnsOnBoard = 12;
    gameHistory.clear();
    report(flowHooks().boardCleared);
    playerOne->setOpenedTheGame(false);
    playerTwo->setOpenedTheGame(false);
    playerOne->setState(WAITING);
    playerTwo->setState(HITTING);
    handTo(playerTwo);
    gamePhase = PHASE_OPENING;
    state = STATE_PLAYING;
    engineNewGame();
    noteTurnStart();
}

void noteTurnStart() {
    if (!atTurnStart()) return;
    const auto& clock = flowHooks().turnClock;
    gameHistory.note(captureGame(clock ? clock() : 0));
}
