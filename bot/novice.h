// The Novice level: a look-ahead of three plies, its own move, the other
// side's reply and its next move (a removal after a line comes free with the
// move that made it), scored by the Expert's evaluation, or by the endgame
// tables where they know the position. Among the choices close to the best
// it picks one at random, so that its games differ.
#pragma once

#include "bot/expert.h"
#include "bot/position.h"

namespace engine {

class NovicePlayer {
public:
    Decision decide(const Position& root);
};

}  // namespace engine
