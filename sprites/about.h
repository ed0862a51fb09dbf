// The about and settings screen: credits and version, both players with
// their kinds, the computer's level, the upload consent and the language
// the game speaks; and the small logging hook of the speed zones.
#pragma once

#include <SDL/SDL.h>

#include <string>

// Runs the screen until "Save and exit" (true) or "Exit" (false).
bool aboutZelk(SDL_Surface* screen);
// Logs message 1 after "asking " for action 1, message 10 for any other.
void do_action(int action);
// Where the rules page of a language directory ("eng", "ita", "som") lies
// in the resource tree; the screen opens English's when it is missing.
std::string rulesPageOf(const std::string& languageDirectory);
