// The record of the game under way, and its report to the game-collection
// service when the user agreed. A finished game's record has 30 characters:
// who started, the 24 points when the moving phase began, the two computer
// flags, the first mover of the moving phase, the level, the winner.
#pragma once

#include <functional>
#include <sstream>

extern std::stringstream gameToPost;

// Empties the record and writes the id of the player who starts.
void startRecord(int firstPlayerId);
// Appends the winner's id.
void recordWinner(int winnerId);
// Appends the position, the two kinds, the player to move and the level.
void prepareInfoForNOVL();
// Sends the record when the configuration allows it; `whileWaiting` is
// called about every 10 ms while the upload waits on the network (it draws
// a frame of the screen the upload runs under); its false gives the upload
// up.
void informNOVL(const std::function<bool()>& whileWaiting = {});
