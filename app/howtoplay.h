// How to play, inside the game: F2 opens a paged overlay over the frame,
// each page a rule of the game in a few lines beside a picture of the board
// made from the game's own board and pieces. F2 again, the close mark, or
// "Close" on the last page shuts it; Escape shuts it and quits as ever. The
// game under it is left as it was, its clock held while the pages show.
#pragma once

#include <SDL/SDL.h>

#include <vector>

#include "app/boardpicture.h"

struct HowToPlayPage {
    const char* title;
    const char* text;
    BoardScene scene;
};

// The pages, in order; their texts in English (tr() gives the language).
const std::vector<HowToPlayPage>& howToPlayPages();

// Shows the pages from the first until closed.
void showHowToPlay(SDL_Surface* target);

// The page the overlay shows now, or -1 when it is closed.
int howToPlayPageShown();
