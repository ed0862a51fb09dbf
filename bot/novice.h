// The Novice level: the tactical searches of the Beginner (complete a line,
// block one, build threats), but never a placement or move that lets the
// other side complete a line on its next turn when another choice does not;
// and removals that break the other side's nearest line first. A two-ply
// look-ahead on the compact position.
#pragma once

#include "bot/expert.h"
#include "bot/position.h"

namespace engine {

class NovicePlayer {
public:
    Decision decide(const Position& root);
};

// Whether the side to act in `position` can complete a line with its next
// placement or step (a line that counts: before the first line while
// placing, or while moving off a safe route).
bool canCompleteLineNow(const Position& position);

}  // namespace engine
