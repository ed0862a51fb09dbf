// Benchmark support: the real game brought up headless (dummy video and
// audio) in a scratch directory, frames drawn as fast as they come.
#pragma once

#include <cstdlib>

#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/render.h"
#include "rules/board.h"
#include "sprites/fastdrawing.h"
#include "sprites/pawn.h"
#include "support/testenv.h"

inline void useDummyDrivers() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    paceFrames = false;
}

// `shortcuts` off draws through the library's own paths only, as the game
// did before the drawing shortcuts: the figures to compare with.
inline void startQuietly(bool shortcuts = true) {
    fastDrawing = shortcuts;
    useDummyDrivers();
    enterScratchDirectory();
    startUp();
}

// Lets every glide end without drawing, so what is measured is a board at
// rest rather than the first few hundred frames of pieces on their way.
inline void settlePieces() {
    const bool drawing = drawFrames;
    drawFrames = false;
    for (int frame = 0; frame < 2000; ++frame) {
        bool moving = false;
        for (Pawn* pawn : en_pawn)
            if (pawn && pawn->isMoving()) moving = true;
        if (!moving) break;
        render(nullptr, nullptr, nullptr);
    }
    drawFrames = drawing;
}
