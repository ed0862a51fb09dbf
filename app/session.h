// A game outlives the program: ended in the middle of a game (q, Escape,
// the window closed, the blocked player's question answered No, SIGTERM),
// the program saves it with its take-back history; at the next start the
// start screen offers to resume it. A finished game leaves no save.
#pragma once

#include "rules/savefile.h"

// SIGTERM only raises a flag; the main loop sees it and quits (saving).
void installTerminationHandler();
// Once a main loop pass: quits when the flag is up.
void quitOnTermination();

// When a readable save exists: asks on the start screen whether to resume
// it; Yes resumes, No removes the file.
void offerSavedGame();
// At the end of the program: saves the game under way, or removes an old
// save when no game is on.
void keepUnfinishedGame();

// The game under way as it would be saved, and a saved game put back on the
// board (the players' kinds, the level, the history, whose turn).
SavedGame saveOfLiveGame();
void resumeSavedGame(const SavedGame& game);
// A game is on, also behind the keyboard state.
bool gameUnderWay();
