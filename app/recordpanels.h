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

#include "records/notation.h"
#include "records/statistics.h"

// Acts on a key released in a game or on the start screen; false for a key
// that is none of these.
bool recordKey(SDLKey key);

// The panels that are shown, over the frame.
void drawRecordPanels(SDL_Surface* target);

// The turns in a panel, numbered from 1; `current` (an index of `turns`,
// -1 for none) marked and kept in view; `marks[i]`, when given, follows
// turn i; `footer`, when given, closes the panel.
void drawMoveList(SDL_Surface* target, const std::vector<records::Turn>& turns, int current,
                  const std::vector<std::string>& marks = {}, const std::string& footer = "");
// Which turn the list's first row shows, so that `current` is in view and
// the rows are filled to the end where they can be.
int firstRowShown(int turnCount, int current);
const int MOVE_LIST_ROWS = 24;  // 17 pixels each, above the footer

// The rows of the results panel: a heading, then each level and the games
// between two people, as name, wins, losses, draws.
std::vector<std::vector<std::string>> resultRows(const records::ResultsTable& table);
// The results the panel shows, counted when it was opened; null when closed.
const records::ResultsTable* shownResults();

bool moveListShown();
// Where the message of the last of these keys is drawn, and what it says.
const std::string& recordLine();
