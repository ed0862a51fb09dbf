// Which game a review goes over: the `N`-th record of a file named on the
// command line (`zelk --review FILE [N]`), the game under way, or the
// games file's records, the last first.
#pragma once

#include <string>

#include "app/review.h"

struct ReviewRequest {
    bool wanted = false;
    std::string path;  // absolute: the game moves into its resource tree
    int number = 1;
    std::string refusal;  // what is wrong with the command line
};
// Reads the command line before the working directory changes.
ReviewRequest reviewRequestOf(int argc, char** argv);

// The record asked for, read through the rules; false with "FILE: line L:
// reason" in `refusal`.
bool readRequestedGame(const ReviewRequest& request, ReviewedGame& game, std::string& refusal);

// What `o` goes over: in a game the game under way; elsewhere the games
// file's records, from the last (Page Up and Page Down go through them), or
// without any this run's last finished game. False when there is none.
bool goOverAGame();

// The game that has just ended, from the end-of-game panel; false when its
// record was refused along the way.
bool reviewFinishedGame();
