#include "rules/guidance.h"

#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "sprites/pawn.h"
#include "sprites/player.h"

const char* const cannotMoveText = "This piece has no free neighbour";
const char* const notANeighbourText = "Only to a neighbouring point: piece put back";

void legalDestinations(int from, int out[4]) {
    int count = 0;
    for (int i = 0; i < 4; ++i) out[i] = -1;
    if (from < 0 || from >= CELL_COUNT) return;
    for (int neighbour : cellAdjents[from]) {
        if (neighbour < 0) continue;
        Cell* cell = en_cell[neighbour];
        if (cell && cell->getCurrentPawn() < 0 && (cell->isEmpty() || cell->isUnderShadow()))
            out[count++] = neighbour;
    }
}

bool isLegalDestination(int from, int to) {
    int destinations[4];
    legalDestinations(from, destinations);
    for (int d : destinations)
        if (d >= 0 && d == to) return true;
    return false;
}

int carriedFrom() {
    if (gamePhase != PHASE_CONTENDING || !currentPlayer || !currentPlayer->isMovingTo()) return -1;
    int pawn = currentPlayer->currentPawn;
    if (pawn < 0 || pawn >= PAWN_COUNT || !en_pawn[pawn] || en_pawn[pawn]->state != PAWN_PICKED)
        return -1;
    return currentPlayer->getMovingFrom();
}

void highlightDestinations(int from) {
    int destinations[4];
    legalDestinations(from, destinations);
    for (int d : destinations)
        if (d >= 0) en_cell[d]->setState(CELL_SHADOWED);
}

void highlightPoints() {
    int from = carriedFrom();
    for (int c = 0; c < CELL_COUNT; ++c) {
        Cell* cell = en_cell[c];
        if (!cell || cell->isOccupied() || cell->showsMeUp()) continue;
        bool lit = from >= 0 ? isLegalDestination(from, c) || (c == from && cell->selected())
                             : cell->selected();
        cell->setState(lit ? CELL_SHADOWED : CELL_EMPTY);
    }
}

void clearHighlights() {
    for (Cell* cell : en_cell)
        if (cell && cell->isUnderShadow()) cell->setState(CELL_EMPTY);
}
