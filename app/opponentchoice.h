// The opponent chosen on the start screen with one click: a person, or the
// computer at Dummy, Beginner, Novice or Expert. It sets what the settings
// screen sets (player two's kind and the computer's level, kept in
// zelk.conf at exit) and shows the choice in force.
#pragma once

#include <SDL/SDL.h>

// The choices in order: a person, then the four levels.
const int OPPONENT_CHOICES = 5;
const char* opponentCaption(int choice);

// The choice in force: 0 for a person, 1 + the level for the computer.
int opponentInForce();
void chooseOpponent(int choice);

// The row of choices over the empty board of the start screen.
void drawOpponentChoice(SDL_Surface* target);
// The choice under frame point (x, y), or -1.
int opponentChoiceAt(int x, int y);
