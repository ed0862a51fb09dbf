// What the player may call on to see the game's records: the move list
// (l) over the right-hand side of the frame, the results against each
// level (t), counted from the games file, and the letters and digits along
// the board's edges (c) that the notation names the points by. k keeps the
// game under way in the games file; o goes over the game under way, or on
// the start screen over the game finished last (app/review.h).
#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "records/statistics.h"

// Acts on a key released in a game or on the start screen; false for a key
// that is none of these.
bool recordKey(SDLKey key);

// The panels that are shown, over the frame.
void drawRecordPanels(SDL_Surface* target);

// The rows of the results panel: a heading, then each level and the games
// between two people, as name, wins, losses, draws.
std::vector<std::vector<std::string>> resultRows(const records::ResultsTable& table);
// The results the panel shows, counted when it was opened; null when closed.
const records::ResultsTable* shownResults();

bool moveListShown();
// Where the message of the last of these keys is drawn, and what it says.
const std::string& recordLine();
