// Frame pacing: about 100 frames a second while something moves on the
// screen, and only a few while the game waits for a person, so that
// waiting costs next to no processor time.
#pragma once

#include <SDL/SDL.h>

// Off in headless runs that play many games (tests, the arena, benchmarks):
// frames are then drawn as fast as they come, and the glides' clock is
// moved on by the time each frame would have waited.
extern bool paceFrames;

// Milliseconds a frame lasts at least.
const Uint32 FRAME_MILLISECONDS = 10;
// While nothing moves and no input comes, the window is redrawn this often
// (the clock's hundredths then advance by tens).
const Uint32 IDLE_FRAME_MILLISECONDS = 100;

// Waits out the rest of the frame that began at `frameStart`. The speed bar
// sets how fast pieces glide (sprites/glide.h), not how long frames last.
void paceFrame(Uint32 frameStart);
// Waits out the rest of a frame only (dialogs, fireworks).
void paceFixedFrame(Uint32 frameStart);

// Whether the main loop draws a frame in this pass: always when unpaced,
// while `animating`, right after input, and otherwise once an idle frame's
// time has passed since the last drawn one.
bool frameIsDue(bool animating);
// Called when input has been dispatched, so the next pass shows its effect.
void noteInput();
// Called when the main loop has drawn a frame.
void noteFrameDrawn();
