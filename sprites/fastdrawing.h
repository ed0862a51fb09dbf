// Shortcuts that make a frame cheaper and leave every pixel as it was:
// pictures blitted by a tighter loop that computes what the library's
// generic blender would, an opaque board kept in the screen's own layout,
// and rendered texts kept for reuse (the Font's cache). `fastDrawing` off
// takes the library's own paths again, so that a test can show that both
// give the same frame.
#pragma once

#include <SDL/SDL.h>

extern bool fastDrawing;

// SDL_BlitSurface(picture, nullptr, dst, place), result and clipped
// `place` included. A picture with per-pixel alpha kept as its PNG file
// decodes (the buttons, pieces and points) goes through the library's
// generic blender on the usual 32-bit screen, with format look-ups for
// every pixel; here the same integer arithmetic runs in a plain loop. Any
// other pair goes to the library.
int blitPicture(SDL_Surface* picture, SDL_Surface* dst, SDL_Rect* place);

// A copy of `picture` without alpha in the layout of `screen`, when every
// pixel of it is fully opaque and it has no transparent colour; otherwise
// null. Blitting the copy is a plain row copy.
SDL_Surface* opaqueCopy(SDL_Surface* picture, SDL_Surface* screen);
