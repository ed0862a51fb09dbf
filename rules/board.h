// The board: its 24 points, the 16 lines of three (`jare`), the neighbours
// of every point, the point states, and the board queries every rule and
// the computer opponent read the board through.
//
// "Point c holds a piece of player p" means: the point's current piece is
// >= 0 and that piece's owner is p; the point's state is not consulted.
#pragma once

#include "rules/states.h"

class Cell;
class Pawn;
class iPlayer;

const int CELL_COUNT = 24;
const int LINE_COUNT = 16;
const int PAWN_COUNT = 24;

// The lines of three, in table order.
extern const int jare[LINE_COUNT][3];
// The neighbours of each point, -1 past the last one; the order matters.
extern const int cellAdjents[CELL_COUNT][4];
// The two lines through each point.
extern const int cellJare[CELL_COUNT][2];
// Top-left corners of the 50 x 50 point squares on the screen.
extern const int cellPlaces[CELL_COUNT][2];

extern Cell* en_cell[CELL_COUNT];
extern Pawn* en_pawn[PAWN_COUNT];
extern iPlayer* playerOne;
extern iPlayer* playerTwo;
extern iPlayer* currentPlayer;

bool doIOwn(int cell, int player);
iPlayer* getOppositePlayer();
iPlayer* getThisPlayer(int id);
// A random piece of `player` still at its home place, -1 when none is left.
int pickOnePawnFromBoard(int player);
// The first line through `cell` whose two other points hold pieces of
// `player`, or -1.
int didIMakeJare(int cell, int player);
bool thisCellCanMove(int cell);
bool playerCanMove(int player);
// The line's three points flash (and the line is shown through the hooks).
void signalJare(int line, CellStates old);

// True when `line` passes through `cell`.
bool lineHasCell(int line, int cell);
// `to` is one of the neighbours of `from` in the table.
bool areNeighbours(int from, int to);
// A piece is on its way to a point or back home; or that, or carried.
bool somePieceGlides();
bool somePieceMoves();
