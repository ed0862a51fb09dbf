// Test support: hand-built positions on the real board of a headless game
// (startHeadlessGame or quietBoard first). Pieces are taken from each
// side's own range, 0-11 for player 1 and 12-23 for player 2, in index order.
#pragma once

#include <vector>

#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/queries.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/testenv.h"

// The real game started headless, with the computer's thinking frames off.
inline void quietBoard() {
    startHeadlessGame();
    drawThinkingFrames = false;
}

// The next piece of `owner` still at home, or -1.
inline int nextPieceAtHome(int owner) {
    int first = owner == 1 ? 0 : 12;
    for (int pawn = first; pawn < first + 12; ++pawn)
        if (en_pawn[pawn]->state == PAWN_IDLE) return pawn;
    return -1;
}

// Puts a piece of `owner` on each point, as the game does after a drop.
inline void place(const std::vector<int>& cells, int owner) {
    for (int cell : cells) move_pawn_to_cell(nextPieceAtHome(owner), cell, owner);
}

// Every piece at home and every point empty; then the pieces of each side.
inline void setBoard(const std::vector<int>& one, const std::vector<int>& two) {
    for (Cell* cell : en_cell) cell->resetState();
    for (Pawn* pawn : en_pawn) pawn->resetState();
    place(one, 1);
    place(two, 2);
}

// Empties a point the way the game does when its piece is lifted.
inline void lift(int cell) {
    int pawn = en_cell[cell]->getCurrentPawn();
    en_cell[cell]->setState(CELL_EMPTY);
    if (pawn >= 0) {
        en_pawn[pawn]->state = PAWN_IDLE;
        en_pawn[pawn]->cell = -1;
    }
}

// Makes `player` (1 or 2) the one to act.
inline void turnOf(int player) {
    currentPlayer = player == 1 ? playerOne : playerTwo;
}
