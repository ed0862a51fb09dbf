#include "app/unattended.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>

#include "app/globals.h"
#include "app/input.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "rules/flow.h"
#include "settings/log.h"
#include "settings/scan.h"
#include "sprites/dialogs.h"
#include "sprites/framepointer.h"

const char* const unattendedVariable = "ZELK_UNATTENDED";

namespace {

const int defaultPassCap = 20000;

int passes = 0;

bool answerUnattended(DialogKind kind, const char* line1, const char*) {
    if (kind == DIALOG_GAME_OVER) printf("%s won after %d passes\n", line1, passes);
    return kind == DIALOG_QUESTION;  // the safe route yes, play on no
}

int passCap() {
    int cap;
    const char* value = getenv(unattendedVariable);
    return value && scanDecimal(value, cap) && cap > 0 ? cap : defaultPassCap;
}

// The same click a person gives: the pointer on the button, then the event
// through the game's own dispatch.
void pressLeftStarts() {
    if (!ebut_redstarts) return;
    int x = ebut_redstarts->getX() + ebut_redstarts->getWidth() / 2;
    int y = ebut_redstarts->getY() + ebut_redstarts->getHeight() / 2;
    frameToWindow(x, y);
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    SDL_PumpEvents();
    SDL_Event click = {};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.state = SDL_PRESSED;
    click.button.x = x;
    click.button.y = y;
    dispatchEvent(click);
}

}  // namespace

bool unattendedRequested() {
    return getenv(unattendedVariable) != nullptr;
}

void runUnattendedGame() {
    const int cap = passCap();
    // Nobody watches: frames are drawn in full, but not waited for.
    paceFrames = false;
    setDialogAnswerHook(answerUnattended);
    pressLeftStarts();
    if (state != STATE_PLAYING) {
        ILog.log(0, "%s: the game did not start", unattendedVariable);
        quit = true;
    }
    passes = 0;
    while (!quit && passes < cap) {
        mainLoopPass();
        ++passes;
    }
    if (!quit) ILog.log(0, "%s: no winner after %d passes, ending", unattendedVariable, cap);
    quit = true;
    setDialogAnswerHook(nullptr);
}
