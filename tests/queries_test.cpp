// The rule queries from one player's side, on hand-built positions.
#include <gtest/gtest.h>

#include <string>

#include "app/globals.h"
#include "rules/queries.h"
#include "settings/log.h"
#include "support/logcount.h"
#include "support/position.h"
#include "support/testenv.h"

namespace {

void quietBoard() {
    startHeadlessGame();
    drawThinkingFrames = false;
}

}  // namespace

TEST(CanIMoveFromTo, AcceptsAnEmptyOrHighlightedNeighbourOnly) {
    quietBoard();
    place({0}, 1);
    EXPECT_TRUE(canIMoveFromTo(0, 1));
    EXPECT_FALSE(canIMoveFromTo(0, 4));   // not a neighbour
    EXPECT_FALSE(canIMoveFromTo(0, -1));  // the table's filler
    place({9}, 2);
    EXPECT_FALSE(canIMoveFromTo(0, 9));
}

TEST(CanIMoveFromTo, HighlightedDestinationCountsHereButNotForThePlainMoveTests) {
    quietBoard();
    place({0}, 1);
    place({9}, 2);
    en_cell[1]->setState(CELL_SHADOWED);
    EXPECT_TRUE(canIMoveFromTo(0, 1));
    EXPECT_FALSE(thisCellCanMove(0));
    EXPECT_FALSE(playerCanMove(1));
}

TEST(CanIReachTo, NeedsAPieceOfThePlayerOnANeighbour) {
    quietBoard();
    place({7}, 1);
    EXPECT_TRUE(canIReachTo(4, 1));
    EXPECT_FALSE(canIReachTo(4, 2));
    EXPECT_FALSE(canIReachTo(1, 1));
}

TEST(IsItAJareMove, TheLineThroughFromAndToNeverCompletes) {
    quietBoard();
    place({0, 1}, 1);
    // On the live board the piece still stands on 1, so a placement on 2
    // would complete line 0; stepping from 1 cannot.
    EXPECT_EQ(didIMakeJare(2, 1), 0);
    EXPECT_FALSE(isItAJareMove(1, 2, 1));
    place({14, 23}, 1);
    EXPECT_TRUE(isItAJareMove(1, 2, 1));  // line 7 through 2 is the one completed
}

TEST(IsItAJareMove, CompletesTheOtherLineThroughTo) {
    quietBoard();
    place({3, 5, 7}, 1);
    EXPECT_TRUE(isItAJareMove(7, 4, 1));
    EXPECT_FALSE(isItAJareMove(7, 4, 2));
    lift(5);
    place({5}, 2);
    EXPECT_FALSE(isItAJareMove(7, 4, 1));
}

TEST(IsItAIrmaanMove, LeavesACompletedLineToCompleteAnother) {
    quietBoard();
    place({0, 9, 21, 3, 18}, 1);
    EXPECT_TRUE(isItAIrmaanMove(9, 10, 1, false));
    EXPECT_FALSE(isItAIrmaanMove(9, 10, 2, false));
}

TEST(IsItAIrmaanMove, FalseWhenEitherLineIsShort) {
    quietBoard();
    place({0, 9, 3, 18}, 1);  // the line left behind is not complete
    EXPECT_FALSE(isItAIrmaanMove(9, 10, 1, true));
    place({21}, 1);
    lift(18);
    place({18}, 2);  // the line reached holds an opposing piece
    EXPECT_FALSE(isItAIrmaanMove(9, 10, 1, true));
}

TEST(CanIHaveIrmaan, TrueWithACompletedLineNextToTheGap) {
    quietBoard();
    place({3, 18, 0, 9, 21}, 1);
    place({10}, 2);
    EXPECT_TRUE(canIHaveIrmaan(10, 1, false));
    EXPECT_FALSE(canIHaveIrmaan(10, 2, false));
}

TEST(CanIHaveIrmaan, FalseWhenTheCompletedNeighbourStandsOnLItself) {
    quietBoard();
    // Line 3 (3, 10, 18) lacks 10. Its own point 3 also completes line 2
    // (3, 4, 5), but stepping 3 onto 10 would empty line 3 again.
    place({3, 18, 4, 5}, 1);
    place({10}, 2);
    EXPECT_FALSE(canIHaveIrmaan(10, 1, false));
    // A neighbour off line 3 whose lines are incomplete does not help.
    place({9, 0}, 1);
    EXPECT_FALSE(canIHaveIrmaan(10, 1, false));
}

TEST(IsItAPrepareJareMove, TrueAsSoonAsFromLiesOnACompletedLine) {
    quietBoard();
    place({0, 1, 2}, 1);
    EXPECT_TRUE(isItAPrepareJareMove(1, 4, 1));
    EXPECT_TRUE(isItAPrepareJareMove(2, 23, 1));  // whatever the destination
    EXPECT_FALSE(isItAPrepareJareMove(1, 4, 2));
}

TEST(IsItAPrepareJareMove, DestinationOnALineWithAPieceAndAReachableGap) {
    quietBoard();
    place({4, 0, 14}, 1);
    // 4 -> 1 leaves line 0 with 0 and the gap 2, which 14 can step into.
    EXPECT_TRUE(isItAPrepareJareMove(4, 1, 1));
    lift(14);
    EXPECT_FALSE(isItAPrepareJareMove(4, 1, 1));
}

TEST(IsItAPrepareJareMove, ThePointLeftBehindIsTheGap) {
    quietBoard();
    place({3, 4, 7}, 1);
    // 4 -> 5 along line 2: 3 is held, 4 becomes the gap and 7 can fill it.
    EXPECT_TRUE(isItAPrepareJareMove(4, 5, 1));
    lift(7);
    EXPECT_FALSE(isItAPrepareJareMove(4, 5, 1));
}

TEST(IsItAPrepareJareMove, DestinationBesideTheFreePointOfAnAlmostFullLine) {
    quietBoard();
    place({0, 2, 3}, 1);
    EXPECT_TRUE(isItAPrepareJareMove(3, 4, 1));
    lift(2);
    place({2}, 2);
    EXPECT_FALSE(isItAPrepareJareMove(3, 4, 1));
}

TEST(IsItAPrepareJareMove, DrawsTwoFramesForEveryLineTried) {
    startHeadlessGame();
    place({0, 3}, 1);
    place({2}, 2);
    long before = thinkingFramesDrawn();
    EXPECT_FALSE(isItAPrepareJareMove(3, 4, 1));
    EXPECT_EQ(thinkingFramesDrawn() - before, 32);

    lift(2);
    place({2}, 1);  // now line 0 is prepared: found at the first line
    before = thinkingFramesDrawn();
    EXPECT_TRUE(isItAPrepareJareMove(3, 4, 1));
    EXPECT_EQ(thinkingFramesDrawn() - before, 2);

    // A completed line left behind is seen before the frames of its line.
    place({1}, 1);
    before = thinkingFramesDrawn();
    EXPECT_TRUE(isItAPrepareJareMove(1, 4, 1));
    EXPECT_EQ(thinkingFramesDrawn() - before, 0);
}

TEST(IsItAPrepareIrmaanMove, AlwaysFalseWithOneLogLinePerCall) {
    quietBoard();
    logEverything();
    place({0, 1, 2, 9, 21}, 1);
    EXPECT_FALSE(isItAPrepareIrmaanMove(9, 10, false));
    EXPECT_FALSE(isItAPrepareIrmaanMove(0, 23, true));
    EXPECT_FALSE(isItAPrepareIrmaanMove(-1, 99, false));
    EXPECT_EQ(occurrences(logText(), "TODO: Ok: Prepare Irmaan is not ready yet!\r\n"), 3);
}

TEST(HowManyJaresICanMake, CountsLinesWithOnePieceAndAFreePoint) {
    quietBoard();
    place({1, 9}, 1);
    EXPECT_EQ(howManyJaresICanMake(0, 1), 2);
    EXPECT_TRUE(canIMakeJare(0, 1));
    EXPECT_TRUE(canIMakeSureJare(0, 1));
    EXPECT_EQ(howManyJaresICanMake(0, 2), 0);
    EXPECT_FALSE(canIMakeJare(0, 2));
}

TEST(HowManyJaresICanMake, IgnoresFullAndBlockedLines) {
    quietBoard();
    place({1, 2, 9}, 1);  // line 0 already holds two pieces: no threat to build
    EXPECT_EQ(howManyJaresICanMake(0, 1), 1);
    EXPECT_TRUE(canIMakeJare(0, 1));
    EXPECT_FALSE(canIMakeSureJare(0, 1));
    place({21}, 2);  // line 1 is blocked
    EXPECT_EQ(howManyJaresICanMake(0, 1), 0);
}

TEST(HowManyActiveJareICaneMake, NeedsBothPiecesAndAPieceToStepIn) {
    quietBoard();
    place({3, 18}, 1);
    EXPECT_EQ(howManyActiveJareICaneMake(10, 1), 0);  // nobody off line 3 can step in
    place({9}, 1);
    EXPECT_EQ(howManyActiveJareICaneMake(10, 1), 1);
    EXPECT_TRUE(canIhaveActiveJare(10, 1));
    EXPECT_FALSE(canIhaveSureActiveJare(10, 1));
    place({11}, 1);
    EXPECT_EQ(howManyActiveJareICaneMake(10, 1), 2);
    EXPECT_TRUE(canIhaveSureActiveJare(10, 1));
    EXPECT_FALSE(canIhaveActiveJare(10, 2));
}

TEST(ThinkingQueries, SetThinkingAndDrawOneFrameEach) {
    startHeadlessGame();
    place({1, 9, 3, 18}, 1);
    turnOf(2);
    currentPlayer->setState(WAITING);
    long before = thinkingFramesDrawn();
    howManyJaresICanMake(0, 1);
    EXPECT_EQ(currentPlayer->getState(), THINKING);
    canIMakeJare(0, 1);
    canIMakeSureJare(0, 1);
    EXPECT_EQ(thinkingFramesDrawn() - before, 3);

    currentPlayer->setState(WAITING);
    howManyActiveJareICaneMake(10, 1);
    EXPECT_EQ(currentPlayer->getState(), THINKING);
    canIhaveActiveJare(10, 1);
    canIhaveSureActiveJare(10, 1);
    EXPECT_EQ(thinkingFramesDrawn() - before, 6);

    // Plain queries draw nothing.
    canIMoveFromTo(0, 1);
    isItAJareMove(9, 10, 1);
    canIHaveIrmaan(10, 1, false);
    EXPECT_EQ(thinkingFramesDrawn() - before, 6);
}

TEST(ThinkingFrames, NoneWhenSwitchedOffOrWithoutWindow) {
    startHeadlessGame();
    long before = thinkingFramesDrawn();
    drawThinkingFrames = false;
    howManyJaresICanMake(0, 1);
    EXPECT_EQ(thinkingFramesDrawn(), before);

    drawThinkingFrames = true;
    SDL_Surface* window = screen;
    screen = nullptr;
    howManyJaresICanMake(0, 1);
    screen = window;
    EXPECT_EQ(thinkingFramesDrawn(), before);

    // Without a current player the query still answers.
    currentPlayer = nullptr;
    place({1, 9}, 1);
    EXPECT_EQ(howManyActiveJareICaneMake(0, 1), 0);
    EXPECT_EQ(howManyJaresICanMake(0, 1), 2);
    EXPECT_EQ(thinkingFramesDrawn() - before, 2);
}
