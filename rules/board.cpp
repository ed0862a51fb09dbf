#include "rules/board.h"

#include "rules/cell.h"
#include "rules/helpers.h"
#include "rules/hooks.h"
#include "sprites/pawn.h"
#include "sprites/player.h"

const int jare[LINE_COUNT][3] = {
    {0, 1, 2},   {0, 9, 21},   {3, 4, 5},    {3, 10, 18},  {6, 7, 8},    {6, 11, 15},
    {1, 4, 7},   {2, 14, 23},  {5, 13, 20},  {8, 12, 17},  {9, 10, 11},  {21, 22, 23},
    {18, 19, 20}, {15, 16, 17}, {16, 19, 22}, {12, 13, 14},
};

const int cellAdjents[CELL_COUNT][4] = {
    {1, 9, -1, -1},   {0, 2, 4, -1},    {1, 14, -1, -1},  {10, 4, -1, -1},
    {3, 5, 1, 7},     {4, 13, -1, -1},  {7, 11, -1, -1},  {4, 6, 8, -1},
    {7, 12, -1, -1},  {0, 10, 21, -1},  {3, 9, 11, 18},   {6, 10, 15, -1},
    {8, 17, 13, -1},  {5, 12, 14, 20},  {2, 13, 23, -1},  {11, 16, -1, -1},
    {15, 17, 19, -1}, {12, 16, -1, -1}, {10, 19, -1, -1}, {16, 18, 20, 22},
    {13, 19, -1, -1}, {9, 22, -1, -1},  {19, 21, 23, -1}, {14, 22, -1, -1},
};

const int cellJare[CELL_COUNT][2] = {
    {0, 1},  {0, 6},   {0, 7},   {2, 3},   {2, 6},   {2, 8},   {4, 5},   {4, 6},
    {4, 9},  {1, 10},  {3, 10},  {5, 10},  {9, 15},  {8, 15},  {7, 15},  {13, 5},
    {13, 14}, {13, 9}, {12, 3},  {12, 14}, {12, 8},  {11, 1},  {11, 14}, {11, 7},
};

const int cellPlaces[CELL_COUNT][2] = {
    {125, 45},  {365, 45},  {605, 45},  {199, 111}, {361, 111}, {523, 111},
    {265, 185}, {360, 185}, {455, 185}, {125, 245}, {195, 245}, {265, 245},
    {465, 245}, {528, 245}, {600, 245}, {265, 308}, {360, 308}, {455, 308},
    {199, 377}, {361, 377}, {523, 377}, {125, 445}, {365, 445}, {605, 445},
};

Cell* en_cell[CELL_COUNT];
Pawn* en_pawn[PAWN_COUNT];
iPlayer* playerOne = nullptr;
iPlayer* playerTwo = nullptr;
iPlayer* currentPlayer = nullptr;

bool doIOwn(int cell, int player) {
    if (cell < 0 || cell >= CELL_COUNT || !en_cell[cell]) return false;
    int pawn = en_cell[cell]->getCurrentPawn();
    return pawn >= 0 && pawn < PAWN_COUNT && en_pawn[pawn] && en_pawn[pawn]->owner == player;
}

iPlayer* getOppositePlayer() {
    return currentPlayer == playerOne ? playerTwo : playerOne;
}

iPlayer* getThisPlayer(int id) {
    return playerOne->id == id ? playerOne : playerTwo;
}

int pickOnePawnFromBoard(int player) {
    int count = 0;
    for (Pawn* pawn : en_pawn)
        if (pawn && pawn->state == PAWN_IDLE && pawn->owner == player) ++count;
    if (count == 0) return -1;
    int k = choiceRandomElem(count) + 1;
    for (int i = 0; i < PAWN_COUNT; ++i) {
        Pawn* pawn = en_pawn[i];
        if (pawn && pawn->state == PAWN_IDLE && pawn->owner == player && --k == 0) return i;
    }
    return -1;
}

bool areNeighbours(int from, int to) {
    if (from < 0 || from >= CELL_COUNT) return false;
    for (int neighbour : cellAdjents[from])
        if (neighbour >= 0 && neighbour == to) return true;
    return false;
}

bool somePieceGlides() {
    for (Pawn* pawn : en_pawn)
        if (pawn && pawn->glides()) return true;
    return false;
}

bool somePieceMoves() {
    for (Pawn* pawn : en_pawn)
        if (pawn && pawn->isMoving()) return true;
    return false;
}

bool lineHasCell(int line, int cell) {
    return jare[line][0] == cell || jare[line][1] == cell || jare[line][2] == cell;
}

int didIMakeJare(int cell, int player) {
    for (int line = 0; line < LINE_COUNT; ++line) {
        if (!lineHasCell(line, cell)) continue;
        bool complete = true;
        for (int point : jare[line])
            if (point != cell && !doIOwn(point, player)) complete = false;
        if (complete) return line;
    }
    return -1;
}

bool thisCellCanMove(int cell) {
    for (int neighbour : cellAdjents[cell])
        if (neighbour >= 0 && en_cell[neighbour]->isEmpty()) return true;
    return false;
}

bool playerCanMove(int player) {
    for (int cell = 0; cell < CELL_COUNT; ++cell)
        if (doIOwn(cell, player) && thisCellCanMove(cell)) return true;
    return false;
}

void signalJare(int line, CellStates old) {
    report(flowHooks().lineShown, line);
    for (int point : jare[line]) {
        en_cell[point]->setOldState(old);
        en_cell[point]->setState(CELL_SHOWING);
    }
}
