// What a person may call on during a game besides playing: taking turns
// back (u, Ctrl+Z) and playing them again (y, Ctrl+Y), which the rules keep
// (rules/history.h), and the Expert's advice (h) marked on the board. A line
// under the phase caption says what was done; it and the advice stay until
// the position moves on.
#pragma once

#include <SDL/SDL.h>

#include <string>

#include "bot/advice.h"

// Acts on a key released during a game; false for a key that is not one of
// these (the keyboard state never passes its letters here).
bool playAidKey(SDLKey key, SDLMod modifiers);

// The position moved on (an action on the board): the advice and the line go.
void positionMovedOn();

// The advice marks and the line, over the board.
void drawPlayAids(SDL_Surface* target);

// An action advised, on the board: a ring where the piece goes (and an
// arrow from where it leaves), a red ring on the piece to remove.
void drawAdvisedMove(SDL_Surface* target, engine::Move move);

// Forgets what the screen shows only in passing (the advice and the line,
// the last turns' marks): a new board, or a position taken back, played
// again or resumed.
void forgetPassingMarks();

// What the line says now ("" when nothing), and the advice on the board.
const std::string& playAidLine();
const engine::Advice* shownAdvice();

// How long the advice may think, in milliseconds.
const int HINT_SOFT_MILLISECONDS = 250;
const int HINT_HARD_MILLISECONDS = 450;
