// What the end-of-game panel says about the game just played: the result
// from the person's side when one plays the computer, the pieces each side
// has left, how many moves and removals were made and how long it lasted.
// The counts follow the game's actions (taken back ones come off).
#pragma once

#include <string>
#include <vector>

#include "rules/snapshot.h"

struct GameTally {
    int placements = 0, moves = 0, removals = 0;
    unsigned startedAt = 0;  // SDL ticks when the board was set up
};

// Counting the game's actions, from the flow's hooks and the take-back.
void tallyNewGame();
void tallyPlacement();
void tallyMove();
void tallyRemoval();
// Turns taken back (`sign` -1) or played again (+1).
void tallyChange(const ChangeCount& change, int sign);
const GameTally& gameTally();

struct GameSummary {
    std::string winner;             // the winner's name
    std::string result;             // "You won" / "You lost" against the computer; "" between two people
    bool fireworks = false;         // a person won
    std::vector<std::string> lines; // pieces left, counts, time
};

// The summary of the game won by player `winner` (1 or 2), in the language
// in use; `people` says which of the two are persons, `names` and
// `piecesLeft` are the players' by number.
GameSummary summariseGame(int winner, const bool people[2], const std::string names[2], const int piecesLeft[2],
                          const GameTally& tally, unsigned nowTicks);
