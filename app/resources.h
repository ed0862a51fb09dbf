// Loading every picture, sound and frame set behind the loading screen, and
// building the board picture, buttons, pieces, points, players and animated
// sprites at their places; and releasing them all again at shutdown.
#pragma once

#include <SDL/SDL.h>

// Draws one frame of the loading screen: the splash, a red bar for
// `percent`, and `text`.
void UploadBarDisplay(int percent, SDL_Surface* dst, char* text);
void UploadBarDisplay(int percent, SDL_Surface* dst, const char* text);

// Loads a picture converted to the display format with alpha; r > 0 keys
// the colour (r, g, b). Null (after a log line) when the file cannot be read.
SDL_Surface* ImageLoad(char* file, SDL_Surface* screen, int r, int g, int b);
SDL_Surface* ImageLoad(const char* file, SDL_Surface* screen, int r, int g, int b);
// The same, white always transparent.
SDL_Surface* ImageLoad(const char* file, SDL_Surface* screen);

// The loading screen's first step, once `font` exists.
void showFirstLoadingStep();
// The loading steps from 1 % (after the first frame) to 100 %: fonts, the
// random seed, the audio device, sounds, music, pictures, sprites, players
// and the engine.
void loadEverything();
// Frees what loadEverything built, in the shutdown order.
void releaseEverything();
