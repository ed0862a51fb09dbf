// Test support: a human player's actions made with the mouse through the
// real input dispatch, and a simple automatic human that plays whole games
// that way (used to drive the game flow to its end).
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "sprites/player.h"

// Picks a piece of the current player from home and puts it on `cell`.
void humanPlaces(int cell);
// Picks up the current player's piece on `from` and puts it on `to`.
void humanMoves(int from, int to);
// Clicks the opposing piece on `cell` while the current player is hitting.
void humanRemoves(int cell);

// What the automatic players saw on the way.
struct AutoGame {
    int actions = 0;
    std::string recordAtMovingPhase;  // the board part of the record, as it should be
    int firstMoverOfMovingPhase = 0;
    bool reachedMovingPhase = false;
};

// Plays the game on the board with the current player's kind of choices:
// placements on random free points, removals of random opposing pieces,
// moves that complete a line when there is one, else random moves. A
// computer player plays its own turns, as in the game. Stops
// when the end-of-game screen has been shown or after `maxActions`.
AutoGame playAutomatically(std::mt19937& random, int maxActions);

// The ground the flow tests stand on: the real game started headless with
// players of the given kinds, frames unpaced, the computer thinking without
// drawing, and every question answered Yes.
class GameFlowTest : public testing::Test {
protected:
    void startGameShell(PlayerTypes one, PlayerTypes two);
    void TearDown() override;
    // "Left starts" clicked, then a pass of the main loop.
    void start();
    // Each action followed by a pass of the main loop, as in the game.
    void places(int cell);
    void removes(int cell);
    void moves(int from, int to);
};
