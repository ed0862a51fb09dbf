// The program's life: start-up (log, configuration, messages, window,
// audio, every resource behind the loading screen), the one loop that draws
// a frame, dispatches the waiting events and paces the frame, and the
// shutdown that saves the settings and releases everything.
#pragma once

// Brings everything up. 0 when the game is ready; otherwise the exit code
// (1: the video, timer or TrueType library failed).
int startUp();
// One pass of the loop: draw, flash pending lines, dispatch events,
// follow the game for the take-back history, screenshot while `s` is
// held, pace.
void mainLoopPass();
// Passes until `quit` is set.
void runMainLoop();
// The loop between the offer of a saved game and the save of an unfinished one.
void playSession();
// Saves the settings if changed and releases everything; returns 0.
int shutDown();
