// The about and settings screen: credits and version, both players with
// their kinds, the computer's level and the upload consent; and the small
// logging hook of the speed zones.
#pragma once

#include <SDL/SDL.h>

// Runs the screen until "Save and exit" (true) or "Exit" (false).
bool aboutZelk(SDL_Surface* screen);
// Logs message 1 after "asking " for action 1, message 10 for any other.
void do_action(int action);
