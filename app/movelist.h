// The list of a game's turns in a panel over the right-hand side of the
// frame, as the move list (l) and the review draw it, on the dark panel the
// record panels share.
#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "app/textbox.h"
#include "records/notation.h"

// The turns in a panel, numbered from 1; `current` (an index of `turns`,
// -1 for none) marked and kept in view; `marks[i]`, when given, follows
// turn i; `footer`, when given, closes the panel.
void drawMoveList(SDL_Surface* target, const std::vector<records::Turn>& turns, int current,
                  const std::vector<std::string>& marks = {}, const std::string& footer = "");
// Which turn the list's first row shows, so that `current` is in view and
// the rows are filled to the end where they can be.
int firstRowShown(int turnCount, int current);
const int MOVE_LIST_ROWS = 24;  // 17 pixels each, above the footer

// The dark panel with its edge, a little larger than `box`.
void shadePanel(SDL_Surface* target, const TextBox& box);
