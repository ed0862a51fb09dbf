// Drawing one complete frame: background, board picture, the buttons of the
// screen state, in a game the points and the last turns' marks, the pieces
// (a carried one last), both players' columns, the clock, the centre lines,
// and in a game the turn markers; then the whole window goes to the display.
#pragma once

#include <SDL/SDL.h>

void render(SDL_Surface* gamescreen, SDL_Surface* minigamescreen, SDL_Surface* screen);

// Off in a headless match (the arena): a frame then only advances the
// pieces' glides, so games run at the speed of the rules alone.
extern bool drawFrames;
void renderGame(SDL_Surface* screen);
void renderStatusBars(SDL_Surface* screen);
void renderMenuStarting();
void renderMenuPlaying();
void renderMenuChatting();
// Something on the board moves in a game (a glide, a carried piece, a
// flash), so frames must follow at the full rate.
bool boardIsAnimating();
// Shows `text` at the mouse pointer when debugging; always logs it.
void showInfo(const char* text);

// One frame of an animation the rules wait for (a glide), paced like a pass
// of the main loop so glides look the same on every machine.
void renderPacedFrame();
// Paced frames for `milliseconds` of the glides' clock: time for a person
// to see what just happened (a line) before the next thing does.
void showFramesFor(Uint32 milliseconds);
