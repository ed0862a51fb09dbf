// Test support: input as a person gives it. The pointer is placed with
// SDL_WarpMouse (the game reads the mouse state), clicks and keys are pushed
// into the event queue for a modal loop to take, or dispatched at once the
// way the main loop does. Places are given on the 800 x 600 frame and put
// where the window shows them, whatever its size.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_thread.h>

#include <atomic>
#include <deque>
#include <functional>

// Places the pointer and lets the game see the movement.
void movePointer(int x, int y);
// Queues a left click at (x, y) for a loop that reads events (a dialog).
void queueClick(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
// Queues a key press and release.
void queueKey(SDLKey key);
// Places the pointer and dispatches a click now, as the main loop would.
void clickNow(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
// Dispatches a key release now, with the modifiers the event carries.
void releaseKeyNow(SDLKey key, SDLMod modifiers = KMOD_NONE);
// A hand that acts while a modal loop runs, from another thread: each step
// once the loop has taken the one before. A marker event follows each step,
// and the next step waits (up to a generous limit) until the loop has read
// the marker: by then the game has handled the step, pointer and all.
class Hand {
public:
    ~Hand();  // stops waiting, then joins the thread
    Hand& click(int x, int y);
    Hand& key(SDLKey key);
    // The next step waits until `ready` holds too.
    Hand& after(std::function<bool()> ready);
    void start();
    // Steps handed to the loop so far.
    int given() const { return handed; }

private:
    struct Step {
        enum { CLICK, KEY, WAIT } kind;
        int x, y;
        SDLKey key;
        std::function<bool()> ready;
    };
    static int run(void* self);
    bool waitUntil(const std::function<bool()>& ready);
    std::deque<Step> steps;
    SDL_Thread* thread = nullptr;
    std::atomic<bool> stopping{false};
    std::atomic<int> handed{0};
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
