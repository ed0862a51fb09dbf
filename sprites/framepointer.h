// Where the pointer is on the game's 800 x 600 frame. The window may show
// the frame scaled and off its corner (app/display.h says how); everything
// that asks where the pointer is, the sprites' hit tests and the loops that
// take events, asks here and gets frame coordinates.
#pragma once

#include <SDL/SDL.h>

// The part of the window the frame is shown in.
struct FrameView {
    int x, y, width, height;
};

// 800 x 600 at the window's corner, as at start.
FrameView identityView();
void setFrameView(const FrameView& view);
FrameView currentFrameView();

// The frame pixel under window pixel (x, y); off the frame (on a bar) it
// lies outside 0..799 x 0..599.
void windowToFrame(int& x, int& y);
// The window pixel nearest the centre of frame pixel (x, y).
void frameToWindow(int& x, int& y);
// SDL_GetMouseState in frame coordinates; returns the buttons held.
Uint8 framePointer(int* x, int* y);
// A pointer event's coordinates in frame terms; other events stay as they are.
void mapEventToFrame(SDL_Event& event);
