#include "rules/playable.h"

#include "rules/board.h"
#include "rules/flow.h"
#include "sprites/player.h"

namespace {

struct Census {
    int onBoard[2] = {0, 0}, atHome[2] = {0, 0}, removed[2] = {0, 0};
    int owner[CELL_COUNT];  // side 0 or 1 holding a point, -1 for none
};

Census countPieces(const GameSnapshot& position) {
    Census census;
    for (int& side : census.owner) side = -1;
    for (int index = 0; index < PAWN_COUNT; ++index) {
        const int side = index < 12 ? 0 : 1, where = position.pieces[index];
        if (where >= 0) {
            ++census.onBoard[side];
            census.owner[where] = side;
        } else if (where == PIECE_AT_HOME) {
            ++census.atHome[side];
        } else {
            ++census.removed[side];
        }
    }
    return census;
}

bool canStep(const Census& census, int side) {
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (census.owner[cell] != side) continue;
        for (int neighbour : cellAdjents[cell])
            if (neighbour >= 0 && census.owner[neighbour] < 0) return true;
    }
    return false;
}

const char* whyNotPlacing(const GameSnapshot& position, const Census& census, int side, bool human) {
    if (census.removed[0] + census.removed[1] > 0) return "a piece removed while placing";
    if (census.atHome[side] == 0) return "the player to act has nothing left to place";
    // One piece a turn: the player to act has placed as many as the other,
    // or one fewer when the other began.
    const int placed = census.onBoard[side], others = census.onBoard[1 - side];
    if (others != placed && others != placed + 1) return "the players did not place in turn";
    if (human && position.players[side].state != CHOOSING) return "the player to act is not placing";
    return nullptr;
}

const char* whyNotOpening(const GameSnapshot& position, const Census& census, int side, bool human) {
    const PlayerSnapshot& acting = position.players[side];
    const PlayerSnapshot& other = position.players[1 - side];
    if (acting.openedTheGame) return "the player to act has made the opening removal already";
    // Each opening removal takes one piece of the other side.
    if (census.removed[side] != (other.openedTheGame ? 1 : 0) || census.removed[1 - side] != 0)
        return "the removed pieces do not match the opening removals";
    if (human && acting.state != HITTING) return "the player to act is not removing";
    return nullptr;
}

const char* whyNotMoving(const GameSnapshot& position, const Census& census, int side, bool human) {
    if (census.onBoard[0] < 3 || census.onBoard[1] < 3) return "a side has fewer than three pieces: the game is over";
    const int state = position.players[side].state;
    if (human && state != CHOOSING && state != HITTING) return "the player to act is not playing";
    // A person removes after a line; a computer plays from the position
    // alone. A blocked player is no end: the other is asked to move again,
    // unless it is already moving again.
    if (human && state == HITTING) return nullptr;
    if (canStep(census, side) || (!position.safemovement && canStep(census, 1 - side))) return nullptr;
    return "nobody can move";
}

}  // namespace

const char* whyNotPlayable(const GameSnapshot& position, const int kinds[2]) {
    const Census census = countPieces(position);
    for (int side = 0; side < 2; ++side)
        if (census.onBoard[side] != position.players[side].pawnsOnBoard)
            return "a count of pieces on the board does not match the pieces";
    const int side = position.toAct == 2 ? 1 : 0;
    const bool human = kinds[side] == HUMAN;
    if (position.gamePhase == PHASE_RESETTLEMENT) return whyNotPlacing(position, census, side, human);
    if (census.atHome[0] + census.atHome[1] > 0) return "pieces at home after the placing";
    if (position.gamePhase == PHASE_OPENING) return whyNotOpening(position, census, side, human);
    return whyNotMoving(position, census, side, human);
}
