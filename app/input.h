// The dispatch of one input event by its type and the screen state: the
// quit request, mouse motion, clicks, right clicks and key releases.
#pragma once

#include <SDL/SDL.h>

void dispatchEvent(const SDL_Event& event);

// The parts of the dispatch, by event type.
void handleLeftClick();
void handleRightClick();
void handleKeyRelease(SDLKey key, SDLMod modifiers = KMOD_NONE);

// Plays the drum beats of a letter in the keyboard state.
void playBeatPattern(char letter);
// The beats of a letter ('1' a high beat, '0' a low one), or null.
const char* beatPatternOf(char letter);
