// The two modal screens: `yesno`, a two-button question, and `vittoria`, the
// end-of-game screen with its fireworks. Both take over the event loop until
// one of their buttons is clicked.
#pragma once

#include <SDL/SDL.h>

// Returns true for "Yes". The question usually stands in `line2`.
bool yesno(SDL_Surface* screen, char* line1, char* line2);
bool yesno(SDL_Surface* screen, const char* line1, const char* line2);
// Reports the finished game, shows the winner; true to play on. Any click
// clears the board.
bool vittoria(SDL_Surface* screen, char* winnerName);

enum DialogKind { DIALOG_QUESTION, DIALOG_GAME_OVER };

// When set, the dialogs ask this instead of the user and draw nothing (a
// headless game, the arena, tests); everything else they do still happens.
// For DIALOG_GAME_OVER, `line1` is the winner's name.
using DialogAnswerHook = bool (*)(DialogKind kind, const char* line1, const char* line2);
void setDialogAnswerHook(DialogAnswerHook hook);
DialogAnswerHook getDialogAnswerHook();
