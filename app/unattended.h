// A game that plays itself, for running the whole program where nobody can
// click (under a memory checker, on the dummy drivers). With the environment
// variable ZELK_UNATTENDED set, the program, once loaded, presses "left
// starts" itself, grants the safe route whenever a side is blocked and
// answers the end-of-game screen "No", so it ends after one game. The players
// are the configured ones: make both COMPUTER in zelk.conf. A number as the
// value caps the passes of the main loop (default 20000), after which the
// program ends anyway, so that a drawn game cannot run for ever.
#pragma once

// The variable's name, and whether it is set.
extern const char* const unattendedVariable;  // "ZELK_UNATTENDED"
bool unattendedRequested();

// After startUp: starts the game and runs the main loop until the program
// quits or the cap is reached.
void runUnattendedGame();
