// Test support: a human player's actions made with the mouse through the
// real input dispatch, and a simple automatic human that plays whole games
// that way (used to drive the game flow to its end).
#pragma once

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "rules/snapshot.h"
#include "sprites/player.h"

// Player one's and player two's points of a full board without any line.
const int noLineOne[12] = {0, 1, 3, 6, 8, 9, 10, 12, 16, 19, 20, 23};
const int noLineTwo[12] = {2, 4, 5, 7, 11, 13, 14, 15, 17, 18, 21, 22};
// Placements, in turn, whose only line while placing is player one's 0, 1, 2
// with its third piece; then player one removes first.
const int firstLineOne[12] = {0, 1, 2, 3, 7, 11, 12, 16, 18, 20, 22, 9};
const int firstLineTwo[12] = {4, 5, 6, 8, 10, 13, 14, 15, 17, 19, 21, 23};

// A moving-phase position: player two's pieces on 0, 2 and 21 boxed in by
// player one's. Player one's step 4 -> 5 leaves player two no move (the
// safe-route question); its step 14 -> 13 then completes 5, 13, 20 on the
// safe route.
const std::vector<int> boxedInOne = {1, 9, 14, 22, 4, 20};
const std::vector<int> boxedInTwo = {0, 2, 21};

// Picks a piece of the current player from home and puts it on `cell`.
void humanPlaces(int cell);
// Picks up the current player's piece on `from` and puts it on `to`.
void humanMoves(int from, int to);
// Clicks the opposing piece on `cell` while the current player is hitting.
void humanRemoves(int cell);

// The player to act's action at random, but a step that makes a line when
// there is one: the point left (-1 but for a step) and the point reached or
// whose piece is removed; {-1, -1} when there is none.
std::pair<int, int> randomAction(std::mt19937& random);

// The pixels of a rectangle of the 800 x 600 screen, row after row.
std::vector<Uint32> screenPixels(int x, int y, int width, int height);

// What the automatic players saw on the way.
struct AutoGame {
    int actions = 0;
    std::string recordAtMovingPhase;  // the board part of the record, as it should be
    int firstMoverOfMovingPhase = 0;
    bool reachedMovingPhase = false;
};

// Plays the game on the board with randomAction through the mouse; a
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
    // Against the computer, whose answers take points this cannot foresee.
    void placesOnAFreePoint();
    // The game as `expected` holds it, with the turn marker to match.
    void expectGameAs(const GameSnapshot& expected, const char* when = "");
    // Player one starts; both place the board full without a line.
    void fillWithoutLines();
    // A game on the board put there by hand: each side's pieces on its
    // points, the others at home (placing) or removed; the counts, the
    // opening and the phase to match, `toAct` choosing (removing in the
    // opening), the others waiting. No pass of the loop follows.
    void position(int phase, const std::vector<int>& one, const std::vector<int>& two, int toAct = 1);
    // "Left starts", then the automatic players to the end screen, which
    // must come once, with the game's whole record.
    AutoGame playToTheEnd(unsigned seed);
};
