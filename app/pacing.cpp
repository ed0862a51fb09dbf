#include "app/pacing.h"

#include "app/globals.h"

bool paceFrames = true;

void paceFixedFrame(Uint32 frameStart) {
    if (!paceFrames) return;
    Uint32 elapsed = SDL_GetTicks() - frameStart;
    if (elapsed < FRAME_MILLISECONDS) SDL_Delay(FRAME_MILLISECONDS - elapsed);
}

void paceFrame(Uint32 frameStart) {
    paceFixedFrame(frameStart);
    if (paceFrames && !timer.isPaused() && state == STATE_PLAYING && speedBar && speedBar->speed > 0)
        SDL_Delay(static_cast<Uint32>(speedBar->speed));
}
