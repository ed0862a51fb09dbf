#include "app/pacing.h"

#include "sprites/glide.h"

bool paceFrames = true;

namespace {
bool inputPending = true;
Uint32 lastFrame = 0;
}  // namespace

void paceFixedFrame(Uint32 frameStart) {
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
