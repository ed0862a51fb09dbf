// The game flow: the screen state, the three phases of a game, whose turn
// it is, what a click on a piece or a point does, how the computer's
// decisions are carried out, what a completed line sets off, the blocked
// player's question and the end of a game.
#pragma once

class Game;
class iPlayer;

// Screen states; 1 and 3 are never used.
enum States { STATE_STARTING = 0, STATE_PLAYING = 2, STATE_KEYBOARD = 4 };

enum GamePhases { PHASE_RESETTLEMENT = 0, PHASE_OPENING = 1, PHASE_CONTENDING = 2 };

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
void shadowCellsUnderMouse();
void pickUpPawn(int pawn);
void clickCell(int cell);
void move_pawn_to_cell(int pawn, int cell, int player);
void switchPlayer();
void changeHand();
bool doKilling();
void checkIfPhaseOneIsOver();
void switchToThirdPhase();
bool checkIfGameIsOver();
void resetall();
void waitIfPawnIsMoving();
void signalPendingJares();
void setupOpeningPosition();

// The current player's turn when it is the computer's: the snapshot, the
// engine's decision for the phase, and carrying it out.
void playComputerTurn();

// Lights the turn marker of `player` and darkens the other.
void lightTurnMarker(iPlayer* player);

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
