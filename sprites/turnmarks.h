// The last turn of each side, marked on the board until that side plays
// again: the point its piece left, the point it reached, the point where it
// removed a piece. Drawn as thin rings around the points, outside the
// pieces' faces. Players are 1 and 2.
#pragma once

#include <SDL/SDL.h>

struct TurnMarks {
    int left = -1;     // point the piece stepped off (moving phase)
    int reached = -1;  // point placed on or stepped to
    int removed = -1;  // point whose piece was taken
};

// A placement or a step starts the side's turn: its older marks go.
void recordPlacement(int player, int cell);
void recordStep(int player, int from, int to);
// A removal after a line belongs to the turn that made the line; an opening
// removal is a turn of its own (`startsTurn`).
void recordRemoval(int player, int cell, bool startsTurn);

TurnMarks turnMarksOf(int player);
// Puts back marks saved with turnMarksOf (a turn taken back).
void setTurnMarks(int player, const TurnMarks& marks);
// No marks at all: a new or cleared board.
void clearTurnMarks();

void drawTurnMarks(SDL_Surface* target);
