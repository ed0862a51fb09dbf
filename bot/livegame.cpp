#include "bot/livegame.h"

#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "sprites/pawn.h"
#include "sprites/player.h"

namespace engine {

Position positionFromLiveGame() {
    Position position;
    position.toPlace[0] = position.toPlace[1] = 0;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (doIOwn(cell, playerOne->id)) position.pieces[0] |= 1u << cell;
        if (doIOwn(cell, playerTwo->id)) position.pieces[1] |= 1u << cell;
    }
    for (Pawn* pawn : en_pawn)
        if (pawn->state == PAWN_IDLE) position.toPlace[sideOf(pawn->owner)]++;
    position.phase = gamePhase == PHASE_RESETTLEMENT ? PLACING
                     : gamePhase == PHASE_OPENING    ? OPENING
                                                     : MOVING;
    // The board fills before the flow enters the opening: the first removal
    // may be asked for while the phase still says placing.
    if (position.phase == PLACING && position.toPlace[0] + position.toPlace[1] == 0) position.phase = OPENING;
    position.side = static_cast<uint8_t>(currentPlayer ? sideOf(currentPlayer->id) : 0);
    position.firstLineBy = static_cast<int8_t>(whoseFirstJare > 0 ? sideOf(whoseFirstJare) : -1);
    position.removalsDone = static_cast<uint8_t>((playerOne->hasOpenedTheGame() ? 1 : 0) |
                                                 (playerTwo->hasOpenedTheGame() ? 2 : 0));
    position.mustRemove = position.phase == OPENING ||
                          (position.phase == MOVING && currentPlayer && currentPlayer->isHitting());
    position.safeRoute = safemovement;
    position.computerSides = static_cast<uint8_t>((playerOne->IsComputer() ? 1 : 0) |
                                                  (playerTwo->IsComputer() ? 2 : 0));
    rehash(position);
    return position;
}

}  // namespace engine
