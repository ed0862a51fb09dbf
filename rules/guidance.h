// Guidance for a person moving a piece: while a piece is carried in the
// moving phase only its legal destinations are highlighted, and the texts
// that say why a piece stays or goes back.
#pragma once

// Shown when a piece with no free neighbour is clicked in the moving phase.
extern const char* const cannotMoveText;
// Shown when a carried piece is dropped on a point it cannot step to.
extern const char* const notANeighbourText;

// Empty neighbours of `from` a piece there can step to; -1 past the last.
void legalDestinations(int from, int out[4]);
bool isLegalDestination(int from, int to);
// The point a carried piece comes from while the current player moves
// one in the moving phase; -1 otherwise.
int carriedFrom();
// Lights the legal destinations of the piece just picked up from `from`.
void highlightDestinations(int from);
// Points highlighted while a piece is carried: its legal destinations, and
// its own point under the pointer (putting it back). Otherwise the empty
// point under the pointer, as ever.
void highlightPoints();
// Every highlighted point back to empty, before the rules read the board.
void clearHighlights();
