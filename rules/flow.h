// The game flow: the screen state, the three phases of a game, whose turn
// it is, what a person's pick-up, drop or removal does, what a completed
// line sets off, the blocked player's question and the end of a game. What
// happens is reported through the hooks of rules/hooks.h; the computer's
// turns are in rules/computerturn.h.
#pragma once

#include "rules/states.h"

class Game;
class iPlayer;

// Captions of the phases, each 21 characters, blanks included.
extern const char* const gameCurrentPhases[3];

extern States state;
extern int gamePhase;
extern int whoseFirstJare;  // id of the maker of the first line while placing; 0 = nobody yet
extern bool safemovement;   // the mover moves again because the other side is blocked
extern bool quit;
extern Game* iGame;

void switchState(States s);
void startGame(iPlayer* first);
// Lights the points the pointer and a carried piece make playable.
void shadowCellsUnderMouse();
// A person's click on one of the pieces, and on a point: picking a piece up,
// dropping the piece in hand, removing the piece on the point.
void pickUpPawn(int pawn);
void clickCell(int cell);
void move_pawn_to_cell(int pawn, int cell, int player);
void switchPlayer();
void changeHand();
void checkIfPhaseOneIsOver();
void switchToThirdPhase();
// The player who has won on the board (the other is down to two pieces
// while moving), or null while the game goes on.
iPlayer* winnerOnTheBoard();
bool checkIfGameIsOver();
void resetall();
void waitIfPawnIsMoving();
void signalPendingJares();
void setupOpeningPosition();

// Makes `player` the one to act and reports it (its marker, its clock).
void handTo(iPlayer* player);
// The lines a computer made while placing that have not flashed yet are
// forgotten (a new board, a position put back).
void forgetPendingLines();
// When a person's turn starts on the board as it stands, the take-back
// history notes it; the flow calls it after every action, and a position
// put on the board by hand needs it too.
void noteTurnStart();
