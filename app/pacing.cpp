#include "app/pacing.h"

#include "app/globals.h"

void paceFixedFrame(Uint32 frameStart) {
    Uint32 elapsed = SDL_GetTicks() - frameStart;
    if (elapsed < FRAME_MILLISECONDS) SDL_Delay(FRAME_MILLISECONDS - elapsed);
}

void paceFrame(Uint32 frameStart) {
    paceFixedFrame(frameStart);
    if (!timer.isPaused() && state == STATE_PLAYING && speedBar && speedBar->speed > 0)
        SDL_Delay(static_cast<Uint32>(speedBar->speed));
}
