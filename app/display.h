// The window and the frame. The game draws its 800 x 600 frame (`screen`)
// and the window shows it scaled to fit, centred, its proportions kept, with
// black bars where the window's shape differs. The window can be resized or
// maximised (never below 800 x 600) and switched with F11 to full screen at
// the desktop's own size, the display's resolution untouched; how it was
// left is kept in its own file (settings/windowstate.h) for the next start.
#pragma once

#include <SDL/SDL.h>

// Opens the window as it was left and makes the frame; null when no video
// mode could be set.
SDL_Surface* openDisplay();
// Keeps the window's state for the next start and lets go of the frame.
void closeDisplay();

// Shows the frame in the window: whole at 800 x 600, otherwise what changed
// since it was last shown.
void presentFrame();
// The next presentFrame() draws the whole window again.
void forgetShownFrame();

// The next event for the game, or false when none waits. The window's own
// (a new size, an uncovered window, F11) are dealt with here; the pointer's
// coordinates come in frame terms (sprites/framepointer.h).
bool pollFrameEvent(SDL_Event& event);

// A window of this size (raised to 800 x 600 at least); in full screen, the
// size it will have when it leaves full screen.
void resizeWindow(int width, int height);
void toggleFullScreen();
bool isFullScreen();
SDL_Surface* windowSurface();
