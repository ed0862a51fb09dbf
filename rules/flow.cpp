#include "rules/flow.h"

#include <initializer_list>

#include "app/globals.h"
#include "app/render.h"
#include "app/sounds.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/guidance.h"
#include "settings/log.h"
#include "sprites/dialogs.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "sprites/turnmarks.h"
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

namespace {

Game* playerEngines[3] = {nullptr, nullptr, nullptr};
bool heldTurnRunning = false;

// The engine that decides for the player now to act.
void useEngineOf(iPlayer* player) {
    if (player && player->id >= 1 && player->id <= 2 && playerEngines[player->id])
        iGame = playerEngines[player->id];
}

bool bothOpened() {
    return playerOne->hasOpenedTheGame() && playerTwo->hasOpenedTheGame();
}

void startClockOf(iPlayer* player) {
    if (player == playerTwo)
        timerTwo.start();
    else
        timerOne.start();
}

void setButtonVisible(Entity* button, bool visible) {
    if (button) button->visible = visible;
}

// The end of a turn that leaves the same player to choose again: a piece put
// back, or the first step of the next player's turn.
void chooseAgain() {
    currentPlayer->setState(CHOOSING);
    currentPlayer->currentPawn = -1;
    currentPlayer->setMovingFrom(-1);
}

void dropWhilePlacing(iPlayer* p, int pawn, int cell) {
    move_pawn_to_cell(pawn, cell, p->id);
    recordPlacement(p->id, cell);
    playGameSound(SOUND_PUT_DOWN);
    p->currentPawn = -1;
    p->setMovingFrom(-1);
    p->pawnsOnBoard += 1;
    int line;
    if (whoseFirstJare == 0 && (line = didIMakeJare(cell, p->id)) >= 0) {
        whoseFirstJare = p->id;
        signalJare(line, CELL_OCCUPIED);
        ILog.log(3, "\trealized first Jare");
    }
    checkIfPhaseOneIsOver();
    if (gamePhase == PHASE_RESETTLEMENT) {
        switchPlayer();
        if (gamePhase == PHASE_RESETTLEMENT && currentPlayer->IsHuman())
            currentPlayer->setState(CHOOSING);
    }
}

bool isNeighbour(int from, int to) {
    for (int neighbour : cellAdjents[from])
        if (neighbour >= 0 && neighbour == to) return true;
    return false;
}

void dropWhileMoving(iPlayer* p, int pawn, int cell) {
    int from = p->getMovingFrom();
    if (from == cell) {
        move_pawn_to_cell(pawn, cell, p->id);
        playGameSound(SOUND_PUT_BACK);
    } else if (from >= 0 && isNeighbour(from, cell) &&
               (en_cell[cell]->isEmpty() || en_cell[cell]->isUnderShadow())) {
        move_pawn_to_cell(pawn, cell, p->id);
        recordStep(p->id, from, cell);
        playGameSound(SOUND_PUT_DOWN);
        int line = safemovement ? -1 : didIMakeJare(cell, p->id);
        if (line >= 0) {
            p->setState(HITTING);
            signalJare(line, CELL_OCCUPIED);
            p->currentPawn = -1;
            p->setMovingFrom(-1);
            return;
        }
        switchPlayer();
    } else {
        move_pawn_to_cell(pawn, from, p->id);
        playGameSound(SOUND_PUT_BACK);
    }
    chooseAgain();
}

// A carried piece dropped where it cannot step goes back, and says why.
void putBackFarDrop(iPlayer* p, int pawn, int from) {
    clearHighlights();
    move_pawn_to_cell(pawn, from, p->id);
    playGameSound(SOUND_PUT_BACK);
    chooseAgain();
    p->showMessage(notANeighbourText);
}

// In the moving phase, a click on a point that is not the carried piece's
// neighbour. True when the click is used up.
bool dropOffTheNeighbours(iPlayer* p, int pawn, int cell) {
    int from = p->getMovingFrom();
    if (gamePhase != PHASE_CONTENDING || from < 0) return false;
    // The click that picked the piece up lands on its own point as well.
    if (cell == from) return !en_cell[cell]->isUnderShadow();
    if (isNeighbour(from, cell) || en_cell[cell]->getCurrentPawn() >= 0) return false;
    putBackFarDrop(p, pawn, from);
    return true;
}

void drop(int cell) {
    iPlayer* p = currentPlayer;
    int pawn = p->currentPawn;
    if (pawn >= 0 && pawn < PAWN_COUNT && dropOffTheNeighbours(p, pawn, cell)) return;
    if (!en_cell[cell]->isUnderShadow()) {
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

void removal() {
    iPlayer* p = currentPlayer;
    int target = -1;
    for (int i = 0; i < PAWN_COUNT && target < 0; ++i)
        if (en_pawn[i] && en_pawn[i]->selected()) target = i;
    if (target >= 0) {
        Pawn* pawn = en_pawn[target];
        if (pawn->state == PAWN_PLACED && pawn->owner != p->id) {
            p->setStatus("Your hitting is done");
            recordRemoval(p->id, pawn->cell, gamePhase == PHASE_OPENING);
            playGameSound(SOUND_REMOVAL);
            if (pawn->cell >= 0) en_cell[pawn->cell]->setState(CELL_EMPTY);
            pawn->state = PAWN_RETURNING;
            pawn->cell = -1;
            p->setState(WAITING);
            getOppositePlayer()->pawnsOnBoard -= 1;
            bool passed = false;
            if (gamePhase == PHASE_OPENING) {
                p->setOpenedTheGame(true);
                if (bothOpened()) {
                    switchToThirdPhase();
                    passed = true;
                }
            }
            if (!passed) switchPlayer();
            currentPlayer->setState(gamePhase == PHASE_OPENING ? HITTING : CHOOSING);
            checkIfGameIsOver();
        } else {
            p->showMessage("The pawn is yours or is already empty");
        }
    }
    // The computer's removal inside switchPlayer may have completed the opening.
    if (gamePhase == PHASE_OPENING && bothOpened()) switchToThirdPhase();
}

void computerPlaces(iPlayer* p) {
    int cell;
    if (!iGame->getBestChoice(&cell)) {
        ILog.log(3, "%s", iGame->getMessage());
        return;
    }
    ILog.log(3, "%s", iGame->getMessage());
    int pawn = pickOnePawnFromBoard(p->id);
    if (pawn == -1 || cell < 0 || cell >= CELL_COUNT) return;
    move_pawn_to_cell(pawn, cell, p->id);
    en_pawn[pawn]->restartFromHome(en_cell[cell]->getX(), en_cell[cell]->getY());
    recordPlacement(p->id, cell);
    playGameSound(SOUND_PICK_UP);
    p->currentPawn = -1;
    p->setMovingFrom(-1);
    p->pawnsOnBoard += 1;
    int line;
    if (whoseFirstJare == 0 && (line = didIMakeJare(cell, p->id)) >= 0) {
        whoseFirstJare = p->id;
        en_pawn[pawn]->pendingJare = line;
    }
    p->setState(WAITING);
    changeHand();
    checkIfPhaseOneIsOver();
}

void computerMoves(iPlayer* p) {
    int from, to;
    if (!iGame->getBestMove(&from, &to)) return;
    if (from < 0 || from >= CELL_COUNT || to < 0 || to >= CELL_COUNT) return;
    int pawn = en_cell[from]->getCurrentPawn();
    if (pawn < 0) return;
    en_cell[from]->setState(CELL_EMPTY);
    move_pawn_to_cell(pawn, to, p->id);
    p->currentPawn = -1;
    p->setMovingFrom(-1);
    en_pawn[pawn]->goFromThisToThat(en_cell[from]->getX(), en_cell[from]->getY(),
                                    en_cell[to]->getX(), en_cell[to]->getY());
    recordStep(p->id, from, to);
    playGameSound(SOUND_PICK_UP);
    int line = safemovement ? -1 : didIMakeJare(to, p->id);
    if (line >= 0) {
        p->setState(HITTING);
        waitIfPawnIsMoving();
        signalJare(line, CELL_OCCUPIED);
        // The line is seen glowing before a piece goes.
        showFramesFor(600);
        doKilling();
    } else {
        changeHand();
    }
}

}  // namespace

void engineNewGame() {
    for (Game* engine : {iGame, playerEngines[1], playerEngines[2]})
        if (engine) engine->newGame();
}

void lightTurnMarker(iPlayer* player) {
    OtherEntities[0].visible = player == playerOne;
    OtherEntities[2].visible = player == playerTwo;
}

void switchState(States s) {
    if (s == STATE_STARTING) {
        setButtonVisible(ebut_redstarts, true);
        setButtonVisible(ebut_greystarts, true);
        setButtonVisible(ebut_readgamerules, true);
        setButtonVisible(ebut_existthegame, true);
        state = s;
    } else if (s == STATE_PLAYING) {
        state = s;
        setButtonVisible(ebut_readgamerules, true);
        setButtonVisible(ebut_existthegame, true);
        setButtonVisible(ebut_redstarts, false);
        setButtonVisible(ebut_greystarts, false);
    } else {
        state = s;
    }
}

void startGame(iPlayer* first) {
    playerOne->resetState();
    playerTwo->resetState();
    currentPlayer = first;
    switchState(STATE_PLAYING);
    currentPlayer->setState(CHOOSING);
    lightTurnMarker(first);
    startRecord(first->id);
    startClockOf(first);
    clearTurnMarks();
    engineNewGame();
    if (currentPlayer->IsComputer()) {
        changeHand();
        currentPlayer->setState(WAITING);
        switchPlayer();
    }
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
        playGameSound(SOUND_PICK_UP);
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
            return;
        case HITTING:
            removal();
            return;
        default:
            // A click on a piece that already said what was wrong with it
            // keeps that message.
            if (!currentPlayer->holdsMessage()) currentPlayer->showMessage("The cell is not valid");
            ILog.log(3, "this is not valid");
    }
}

void move_pawn_to_cell(int pawn, int cell, int player) {
    ILog.log(3, "%s: Moving pawn %d in cell %d", currentPlayer ? currentPlayer->name : "", pawn,
             cell);
    Pawn* piece = en_pawn[pawn];
    piece->setX(en_cell[cell]->getX());
    piece->setY(en_cell[cell]->getY());
    piece->state = PAWN_PLACED;
    piece->owner = player;
    piece->cell = cell;
    en_cell[cell]->setState(CELL_OCCUPIED);
    en_cell[cell]->setCurrentPawn(pawn);
}

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
        if (yesno(screen, "Jid isii aan jare lahayn!", "Should I continue to give a safe route?"))
            safemovement = true;
        else
            quit = true;
    }
    if (!safemovement) {
        currentPlayer = getOppositePlayer();
        lightTurnMarker(currentPlayer);
        startClockOf(currentPlayer);
    }
}

bool doKilling() {
    waitIfPawnIsMoving();
    useEngineOf(currentPlayer);
    int cell;
    if (!iGame->getBestToKill(&cell)) return false;
    ILog.log(3, "%s", iGame->getMessage());
    if (cell < 0 || cell >= CELL_COUNT) return false;
    int index = en_cell[cell]->getCurrentPawn();
    if (index < 0) return false;
    Pawn* pawn = en_pawn[index];
    recordRemoval(currentPlayer->id, cell, gamePhase == PHASE_OPENING);
    playGameSound(SOUND_REMOVAL);
    en_cell[cell]->setState(CELL_EMPTY);
    pawn->cell = -1;
    pawn->state = PAWN_RETURNING;
    currentPlayer->setState(WAITING);
    currentPlayer->setOpenedTheGame(true);
    changeHand();
    getThisPlayer(pawn->owner)->pawnsOnBoard -= 1;
    checkIfGameIsOver();
    return true;
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
        if (currentPlayer->IsComputer()) {
            // The last placement came after the computer's last look at the
            // board; its removal must see that piece too.
            useEngineOf(currentPlayer);
            analyzeGame();
            doKilling();
        }
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

bool checkIfGameIsOver() {
    if (gamePhase != PHASE_CONTENDING) return false;
    iPlayer* winner;
    if (playerOne->pawnsOnBoard <= 2)
        winner = playerTwo;
    else if (playerTwo->pawnsOnBoard <= 2)
        winner = playerOne;
    else
        return false;
    recordWinner(winner->id);
    // The board behind the end-of-game screen shows the final counts.
    render(gamescreen, minigamescreen, screen);
    quit = !vittoria(screen, winner->name);
    return true;
}

void resetall() {
    playerOne->resetState();
    playerTwo->resetState();
    for (Cell* cell : en_cell)
        if (cell) cell->resetState();
    for (Pawn* pawn : en_pawn) {
        if (!pawn) continue;
        pawn->resetState();
        // A flash queued by a computer's line must not fire on the new board.
        pawn->pendingJare = -1;
    }
    whoseFirstJare = 0;
    gamePhase = PHASE_RESETTLEMENT;
    clearTurnMarks();
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
        moving = false;
        for (Pawn* pawn : en_pawn)
            if (pawn && pawn->isMoving()) moving = true;
        renderPacedFrame();
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
    clearTurnMarks();
    playerOne->setOpenedTheGame(false);
    playerTwo->setOpenedTheGame(false);
    playerOne->setState(WAITING);
    playerTwo->setState(HITTING);
    lightTurnMarker(playerTwo);
    currentPlayer = playerTwo;
    timerTwo.start();
    gamePhase = PHASE_OPENING;
    state = STATE_PLAYING;
    engineNewGame();
}

namespace {

// A player who became a computer while carrying a piece puts it back first.
void putBackCarriedPiece(iPlayer* p) {
    int pawn = p->currentPawn;
    if (pawn < 0 || pawn >= PAWN_COUNT || en_pawn[pawn]->state != PAWN_PICKED) return;
    int from = p->getMovingFrom();
    if (from >= 0 && en_cell[from]->getCurrentPawn() < 0)
        move_pawn_to_cell(pawn, from, p->id);
    else
        en_pawn[pawn]->resetState();
    p->currentPawn = -1;
    p->setMovingFrom(-1);
}

// After a turn played from the main loop, the player now to act is made
// ready the way the click handlers do it after a turn.
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

bool computerHoldsTheTurn() {
    return state == STATE_PLAYING && !quit && !heldTurnRunning && currentPlayer &&
           currentPlayer->IsComputer();
}

void playHeldComputerTurn() {
    heldTurnRunning = true;
    putBackCarriedPiece(currentPlayer);
    playComputerTurn();
    waitIfPawnIsMoving();
    readyTheNextPlayer();
    heldTurnRunning = false;
}

void setPlayerEngines(Game* forPlayerOne, Game* forPlayerTwo) {
    playerEngines[1] = forPlayerOne;
    playerEngines[2] = forPlayerTwo;
}
