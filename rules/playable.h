// Whether the game can go on from a position that comes from outside (a
// saved game): the phase, the pieces on the board, at home and removed, the
// players' counts and duties and whose turn it is must agree, and someone
// must be able to act. Reads the position only; the live game is untouched.
#pragma once

#include "rules/snapshot.h"

// Null when the game can go on from `position` with players of `kinds`
// (PlayerTypes of player one and two); otherwise why not, in a few words.
// Pieces on distinct points are assumed (each is a point 0-23, at home or
// removed).
const char* whyNotPlayable(const GameSnapshot& position, const int kinds[2]);
