// The static evaluation of a position for the search, from the side to
// act: material (pieces on the board and still to place), lines one step
// from being made, lines that can be opened and closed again, mobility and
// blocked pieces.
#pragma once

#include "bot/position.h"

namespace engine {

const int WIN_SCORE = 100000;
const int PIECE_VALUE = 1000;

int evaluate(const Position& position);

// Lines of `side` with two of its pieces and the third point empty, where
// another piece of `side` stands next to that empty point (a line it can
// complete with one step).
int stepThreats(const Position& position, int side);

}  // namespace engine
