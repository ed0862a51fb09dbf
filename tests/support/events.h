// Test support: input as a person gives it. The pointer is placed with
// SDL_WarpMouse (the game reads the mouse state), clicks and keys are pushed
// into the event queue for a modal loop to take, or dispatched at once the
// way the main loop does. Places are given on the 800 x 600 frame and put
// where the window shows them, whatever its size.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_thread.h>

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
// A hand that acts while a modal loop runs: from another thread, each step
// in turn, with a pause between steps so the loop has taken the previous
// one (the game reads the pointer's position when it handles a click).
class TimedHand {
public:
    explicit TimedHand(Uint32 pauseMilliseconds = 120) : pause(pauseMilliseconds) {}
    ~TimedHand();
    TimedHand& click(int x, int y);
    TimedHand& key(SDLKey key);
    void start();

private:
    struct Step {
        bool isClick;
        int x, y;
        SDLKey key;
    };
    static int run(void* self);
    std::deque<Step> steps;
    Uint32 pause;
    SDL_Thread* thread = nullptr;
};

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
