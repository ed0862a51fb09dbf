// Frame pacing: about 100 frames a second, plus the speed setting's delay
// while a game is played.
#pragma once

#include <SDL/SDL.h>

// Off in headless runs that play many games (tests, the arena, benchmarks):
// frames are then drawn as fast as they come.
extern bool paceFrames;

// Milliseconds a frame lasts at least.
const Uint32 FRAME_MILLISECONDS = 10;

// Waits out the rest of the frame that began at `frameStart`, then the
// speed bar's delay when a game is being played.
void paceFrame(Uint32 frameStart);
// Waits out the rest of a frame only (dialogs, fireworks).
void paceFixedFrame(Uint32 frameStart);
