// The computer's turns: the engine's snapshot and decision for the phase,
// carried out on the board as a person's would be; the engines that decide
// for each player; and the turns the main loop plays when nothing else does.
#pragma once

class Game;

// The current player's turn when it is the computer's.
void playComputerTurn();
// The computer removes an opposing piece; false when its engine chose none.
bool doKilling();
// The same after a person's last placement, which the engine has not seen.
void computerRemovesSeeingTheBoard();

// True when a game is on and the player to act is a computer whose turn
// nothing else is playing: it kept the turn because the other side is
// blocked, it became a computer on the settings screen, or both players are
// computers. The main loop then plays that turn itself.
bool computerHoldsTheTurn();
void playHeldComputerTurn();

// Every engine that may play forgets the game it followed (a new game, or a
// position put back).
void engineNewGame();
// Gives each player an engine of its own (a match between two levels);
// null for both goes back to the one engine `iGame`.
void setPlayerEngines(Game* forPlayerOne, Game* forPlayerTwo);
