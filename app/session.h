// A game outlives the program: ended in the middle of a game (q, Escape,
// the window closed, the blocked player's question answered No, SIGTERM or
// SIGINT whatever screen is open), the program saves it with its take-back history; at the next start the
// start screen offers to resume it. A finished game leaves no save.
#pragma once

#include "rules/savefile.h"

// Once a main loop pass: quits when SIGTERM or SIGINT came
// (app/termination.h).
void quitOnTermination();

// The save belongs to the copy that wrote it or resumed it, which alone
// removes it, and only when that game has ended or was declined; a save of
// another copy's game is left alone, and one that cannot be read is put
// aside (putSaveAside), never removed.

// When a save exists: a readable one is offered on the start screen (Yes
// resumes it, No removes it), an unreadable one is put aside.
void offerSavedGame();
// Once a main loop pass and at the end: removes this copy's save once its
// game has ended.
void forgetEndedGame();
// At the end of the program: saves the game under way, or removes this
// copy's save of an ended game.
void keepUnfinishedGame();

// The game under way as it would be saved, and a saved game put back on the
// board (the players' kinds, the level, the history, whose turn).
SavedGame saveOfLiveGame();
void resumeSavedGame(const SavedGame& game);
// A game is on, also behind the keyboard state.
bool gameUnderWay();
