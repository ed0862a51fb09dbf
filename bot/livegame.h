// The game on the screen, read into the compact position the strong levels
// search; and a move of that position told back in point numbers.
#pragma once

#include "bot/position.h"

namespace engine {

// The board, the pieces still at home, the phase, the side to act and its
// duty (remove, or move again on a safe route) as the game flow holds them.
Position positionFromLiveGame();

// Side (0 or 1) of a player id (1 or 2).
inline int sideOf(int playerId) { return playerId == 2 ? 1 : 0; }

}  // namespace engine
