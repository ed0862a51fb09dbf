#include "rules/snapshot.h"

#include <algorithm>

#include "rules/board.h"
#include "rules/cell.h"
#include "rules/computerturn.h"
#include "rules/flow.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "upload/record.h"

namespace {

int whereIs(const Pawn& pawn) {
    switch (pawn.state) {
        case PAWN_PLACED:
        case PAWN_TRAVELLING:
            return pawn.cell;
        case PAWN_PICKED:
            // Carried from a point while moving, from home while placing.
            return pawn.cell >= 0 ? pawn.cell : PIECE_AT_HOME;
        case PAWN_RETURNING:
        case PAWN_RETURNED:
            return PIECE_REMOVED;
        default:
            return PIECE_AT_HOME;
    }
}

// A person half-way through choosing is taken as still choosing.
int settledState(int state) {
    if (state == MOVING_FROM || state == MOVING_TO) return CHOOSING;
    if (state == THINKING) return WAITING;
    return state;
}

PlayerSnapshot capturePlayer(iPlayer* player) {
    PlayerSnapshot taken;
    taken.pawnsOnBoard = player->pawnsOnBoard;
    taken.openedTheGame = player->hasOpenedTheGame();
    taken.state = settledState(player->getState());
    return taken;
}

void restorePlayer(iPlayer* player, const PlayerSnapshot& saved) {
    player->pawnsOnBoard = saved.pawnsOnBoard;
    player->setOpenedTheGame(saved.openedTheGame);
    player->setState(static_cast<PlayerStates>(saved.state));
    player->currentPawn = -1;
    player->setMovingFrom(-1);
}

void restorePieces(const int (&pieces)[PAWN_COUNT]) {
    for (Cell* cell : en_cell) cell->resetState();
    forgetPendingLines();
    for (int index = 0; index < PAWN_COUNT; ++index) {
        Pawn* pawn = en_pawn[index];
        pawn->resetState();
        const int owner = index < 12 ? 1 : 2;
        if (pieces[index] >= 0)
            move_pawn_to_cell(index, pieces[index], owner);
        else if (pieces[index] == PIECE_REMOVED)
            pawn->state = PAWN_RETURNED;
    }
}

}  // namespace

GameSnapshot::GameSnapshot() {
    std::fill(std::begin(pieces), std::end(pieces), static_cast<int>(PIECE_AT_HOME));
}

bool GameSnapshot::samePosition(const GameSnapshot& other) const {
    for (int side = 0; side < 2; ++side)
        if (players[side].pawnsOnBoard != other.players[side].pawnsOnBoard ||
            players[side].openedTheGame != other.players[side].openedTheGame ||
            players[side].state != other.players[side].state)
            return false;
    return gamePhase == other.gamePhase && whoseFirstJare == other.whoseFirstJare &&
           safemovement == other.safemovement && toAct == other.toAct &&
           std::equal(std::begin(pieces), std::end(pieces), std::begin(other.pieces)) &&
           record == other.record;
}

bool GameSnapshot::operator==(const GameSnapshot& other) const {
    return samePosition(other) && clockMilliseconds == other.clockMilliseconds;
}

GameSnapshot captureGame(unsigned clockMilliseconds) {
    GameSnapshot taken;
    taken.gamePhase = gamePhase;
    taken.whoseFirstJare = whoseFirstJare;
    taken.safemovement = safemovement;
    taken.toAct = currentPlayer ? currentPlayer->id : 1;
    taken.players[0] = capturePlayer(playerOne);
    taken.players[1] = capturePlayer(playerTwo);
    for (int index = 0; index < PAWN_COUNT; ++index) taken.pieces[index] = whereIs(*en_pawn[index]);
    taken.clockMilliseconds = clockMilliseconds;
    taken.record = gameToPost.str();
    return taken;
}

void restoreGame(const GameSnapshot& snapshot) {
    restorePieces(snapshot.pieces);
    restorePlayer(playerOne, snapshot.players[0]);
    restorePlayer(playerTwo, snapshot.players[1]);
    gamePhase = snapshot.gamePhase;
    whoseFirstJare = snapshot.whoseFirstJare;
    safemovement = snapshot.safemovement;
    handTo(getThisPlayer(snapshot.toAct));
    // The stream is rewritten rather than reset with str(): appending must
    // go on after the restored text.
    gameToPost.str("");
    gameToPost.clear();
    gameToPost << snapshot.record;
    switchState(STATE_PLAYING);
    engineNewGame();
}

ChangeCount countChange(const GameSnapshot& one, const GameSnapshot& other) {
    ChangeCount change;
    for (int index = 0; index < PAWN_COUNT; ++index) {
        const int was = one.pieces[index], is = other.pieces[index];
        if (was == is) continue;
        if (was == PIECE_REMOVED || is == PIECE_REMOVED)
            ++change.removals;
        else if (was >= 0 && is >= 0)
            ++change.moves;
        else
            ++change.placements;
    }
    return change;
}
