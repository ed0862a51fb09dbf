// The two modal screens: `yesno`, a two-button question, and `vittoria`, the
// end-of-game screen with its fireworks. Both take over the event loop until
// one of their buttons is clicked.
#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "app/gamesummary.h"

// Returns true for "Yes". The question usually stands in `line2`.
bool yesno(SDL_Surface* screen, char* line1, char* line2);
bool yesno(SDL_Surface* screen, const char* line1, const char* line2);
// The same with `note`, already in the player's language, between the two
// lines: what each answer will do.
bool yesnoExplained(SDL_Surface* screen, const char* line1, const char* line2, const std::string& note);
// Reports the finished game, shows the winner; true to play on. Any click
// clears the board.
bool vittoria(SDL_Surface* screen, char* winnerName);

// The end of a game as a panel over the final position, which stays in
// sight behind it: "Game over!", the winner, the result from the person's
// side, the summary, "Do you want to continue?" and a row of choices
// (endChoices(), in order). Fireworks fly inside the panel when a person
// won. Reports the finished game first, as vittoria does. Returns the
// index of the choice clicked; a termination answers END_LEAVE.
enum { END_PLAY_AGAIN = 0, END_LEAVE = 1, END_REVIEW = 2 };
std::vector<const char*>& endChoices();
int showEndOfGame(SDL_Surface* screen, const GameSummary& summary);

enum DialogKind { DIALOG_QUESTION, DIALOG_GAME_OVER };

// When set, the dialogs ask this instead of the user and draw nothing (a
// headless game, the arena, tests); everything else they do still happens.
// For DIALOG_GAME_OVER, `line1` is the winner's name.
using DialogAnswerHook = bool (*)(DialogKind kind, const char* line1, const char* line2);
void setDialogAnswerHook(DialogAnswerHook hook);
DialogAnswerHook getDialogAnswerHook();
