#include "rules/flowsteps.h"

#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/hooks.h"
#include "sprites/pawn.h"
#include "sprites/player.h"

namespace flowsteps {

bool bothOpened() {
    return playerOne->hasOpenedTheGame() && playerTwo->hasOpenedTheGame();
}

void chooseAgain() {
    currentPlayer->setState(CHOOSING);
    currentPlayer->currentPawn = -1;
    currentPlayer->setMovingFrom(-1);
}

int place(iPlayer* player, int pawn, int cell, bool byComputer) {
    move_pawn_to_cell(pawn, cell, player->id);
    if (byComputer) en_pawn[pawn]->restartFromHome(en_cell[cell]->getX(), en_cell[cell]->getY());
    report(flowHooks().placed, player->id, cell, byComputer);
    player->currentPawn = -1;
    player->setMovingFrom(-1);
    player->pawnsOnBoard += 1;
    int line;
    if (whoseFirstJare != 0 || (line = didIMakeJare(cell, player->id)) < 0) return -1;
    whoseFirstJare = player->id;
    return line;
}

int step(iPlayer* player, int pawn, int from, int to, bool byComputer) {
    move_pawn_to_cell(pawn, to, player->id);
    player->currentPawn = -1;
    player->setMovingFrom(-1);
    if (byComputer)
        en_pawn[pawn]->goFromThisToThat(en_cell[from]->getX(), en_cell[from]->getY(), en_cell[to]->getX(),
                                        en_cell[to]->getY());
    report(flowHooks().stepped, player->id, from, to, safemovement, byComputer);
    return safemovement ? -1 : didIMakeJare(to, player->id);
}

void removeFromBoard(iPlayer* player, int pawn) {
    Pawn* piece = en_pawn[pawn];
    report(flowHooks().removed, player->id, piece->cell, gamePhase == PHASE_OPENING);
    if (piece->cell >= 0) en_cell[piece->cell]->setState(CELL_EMPTY);
    piece->state = PAWN_RETURNING;
    piece->cell = -1;
    player->setState(WAITING);
    getThisPlayer(piece->owner)->pawnsOnBoard -= 1;
}

}  // namespace flowsteps
