#include "app/pacing.h"

#include "app/termination.h"
#include "sprites/glide.h"

bool paceFrames = true;

namespace {
bool inputPending = true;
Uint32 lastFrame = 0;
const Uint32 terminationSkip = 60000;  // longer than any glide or flash
}  // namespace

void paceFixedFrame(Uint32 frameStart) {
    // Glides and flashes that the flow waits for end in the next frame: the
    // program is to end, and the game is saved where the pieces go.
    if (terminationRequested()) return skipGlideClock(terminationSkip);
    Uint32 elapsed = SDL_GetTicks() - frameStart;
    if (elapsed >= FRAME_MILLISECONDS) return;
    if (paceFrames)
        SDL_Delay(FRAME_MILLISECONDS - elapsed);
    else
        skipGlideClock(FRAME_MILLISECONDS - elapsed);
}

void paceFrame(Uint32 frameStart) {
    paceFixedFrame(frameStart);
}

bool frameIsDue(bool animating) {
    return !paceFrames || animating || inputPending ||
           SDL_GetTicks() - lastFrame >= IDLE_FRAME_MILLISECONDS;
}

void noteInput() {
    inputPending = true;
}

void noteFrameDrawn() {
    inputPending = false;
    lastFrame = SDL_GetTicks();
}
