// Test support: input as a person gives it. The pointer is placed with
// SDL_WarpMouse (the game reads the mouse state), clicks and keys are pushed
// into the event queue for a modal loop to take, or dispatched at once the
// way the main loop does.
#pragma once

#include <SDL/SDL.h>

#include <deque>

// Places the pointer and lets the game see the movement.
void movePointer(int x, int y);
// Queues a left click at (x, y) for a loop that reads events (a dialog).
void queueClick(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
// Queues a key press and release.
void queueKey(SDLKey key);
// Places the pointer and dispatches a click now, as the main loop would.
void clickNow(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
// Dispatches a key release now.
void releaseKeyNow(SDLKey key);
// Removes every queued event.
void drainEvents();

// The centre of board point `cell`, and of piece `pawn` where it stands now.
int cellCentreX(int cell);
int cellCentreY(int cell);
int pawnCentreX(int pawn);
int pawnCentreY(int pawn);

// Answers the dialogs from a list instead of the user (see setDialogAnswerHook).
// Each question takes the next answer; when the list is empty, `fallback`.
struct DialogScript {
    static void install(std::deque<bool> answers, bool fallback = true);
    static void remove();
    static int questionsAsked();
    static int gameOversShown();
};
