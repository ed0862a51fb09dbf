// The rule queries from one player's side, on hand-built positions.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/globals.h"
#include "support/position.h"

TEST(Queries, AnswerAsTheRulesSayOnPositionsBuiltForEachCase) {
    struct Case {
        const char* what;
        std::initializer_list<int> one, two;
        std::function<int()> ask;
        int expected;
    };
    const Case cases[] = {
        {"whose pieces", {0}, {9}, [] { return doIOwn(0, 1) + 2 * doIOwn(0, 2) + 4 * doIOwn(1, 1); }, 1},
        {"the line a point completes, whatever its state", {0, 1}, {9}, [] { return didIMakeJare(2, 1); }, 0},
        {"none for the other side", {0, 1}, {9}, [] { return didIMakeJare(2, 2); }, -1},
        {"line 1 is 0, 9, 21", {}, {9, 21}, [] { return didIMakeJare(0, 2); }, 1},
        {"a boxed-in piece", {0, 1}, {9}, [] { return thisCellCanMove(0) * 2 + thisCellCanMove(1); }, 1},
        {"a step to an empty neighbour", {0}, {}, [] { return canIMoveFromTo(0, 1); }, true},
        {"no step to a point that is no neighbour", {0}, {}, [] { return canIMoveFromTo(0, 4); }, false},
        {"no step to the table's filler", {0}, {}, [] { return canIMoveFromTo(0, -1); }, false},
        {"no step onto a piece", {0}, {9}, [] { return canIMoveFromTo(0, 9); }, false},
        {"a neighbour's piece reaches", {7}, {}, [] { return canIReachTo(4, 1); }, true},
        {"the other side's piece does not", {7}, {}, [] { return canIReachTo(4, 2); }, false},
        {"no piece reaches from afar", {7}, {}, [] { return canIReachTo(1, 1); }, false},
        {"a step along a line never completes it", {0, 1}, {}, [] { return isItAJareMove(1, 2, 1); }, false},
        {"a step completes the other line through its point", {0, 1, 14, 23}, {},
         [] { return isItAJareMove(1, 2, 1); }, true},
        {"a step between two own pieces completes", {3, 5, 7}, {}, [] { return isItAJareMove(7, 4, 1); }, true},
        {"not for the other side", {3, 5, 7}, {}, [] { return isItAJareMove(7, 4, 2); }, false},
        {"not with an opposing piece in the line", {3, 7}, {5}, [] { return isItAJareMove(7, 4, 1); }, false},
        {"an Irmaan leaves a line to complete another", {0, 9, 21, 3, 18}, {},
         [] { return isItAIrmaanMove(9, 10, 1, false); }, true},
        {"not for the other side", {0, 9, 21, 3, 18}, {}, [] { return isItAIrmaanMove(9, 10, 2, false); }, false},
        {"not when the line left is short", {0, 9, 3, 18}, {}, [] { return isItAIrmaanMove(9, 10, 1, true); }, false},
        {"not when the line reached is blocked", {0, 9, 21, 3}, {18},
         [] { return isItAIrmaanMove(9, 10, 1, true); }, false},
        {"an Irmaan beside the gap", {3, 18, 0, 9, 21}, {10}, [] { return canIHaveIrmaan(10, 1, false); }, true},
        {"not for the other side", {3, 18, 0, 9, 21}, {10}, [] { return canIHaveIrmaan(10, 2, false); }, false},
        // 3 completes line 3, 4, 5 but stepping it onto 10 empties line 3 again.
        {"not when the completed piece stands on the line itself", {3, 18, 4, 5}, {10},
         [] { return canIHaveIrmaan(10, 1, false); }, false},
        {"not with an incomplete neighbour's line", {3, 18, 4, 5, 9, 0}, {10},
         [] { return canIHaveIrmaan(10, 1, false); }, false},
        {"leaving a completed line prepares", {0, 1, 2}, {}, [] { return isItAPrepareJareMove(1, 4, 1); }, true},
        {"whatever the destination", {0, 1, 2}, {}, [] { return isItAPrepareJareMove(2, 23, 1); }, true},
        {"but not for the other side", {0, 1, 2}, {}, [] { return isItAPrepareJareMove(1, 4, 2); }, false},
        {"a piece and a reachable gap on the destination's line", {4, 0, 14}, {},
         [] { return isItAPrepareJareMove(4, 1, 1); }, true},
        {"nobody to fill the gap", {4, 0}, {}, [] { return isItAPrepareJareMove(4, 1, 1); }, false},
        {"the point left behind is the gap", {3, 4, 7}, {}, [] { return isItAPrepareJareMove(4, 5, 1); }, true},
        {"with nobody to fill it", {3, 4}, {}, [] { return isItAPrepareJareMove(4, 5, 1); }, false},
        {"beside the free point of an almost full line", {0, 2, 3}, {},
         [] { return isItAPrepareJareMove(3, 4, 1); }, true},
        {"not beside a blocked line", {0, 3}, {2}, [] { return isItAPrepareJareMove(3, 4, 1); }, false},
        {"two lines with a piece and a free point", {1, 9}, {}, [] { return howManyJaresICanMake(0, 1); }, 2},
        {"so a sure line", {1, 9}, {}, [] { return canIMakeSureJare(0, 1); }, true},
        {"none for the other side", {1, 9}, {}, [] { return canIMakeJare(0, 2); }, false},
        {"a line with two pieces already counts not", {1, 2, 9}, {}, [] { return howManyJaresICanMake(0, 1); }, 1},
        {"one line is not sure", {1, 2, 9}, {}, [] { return canIMakeSureJare(0, 1) + 2 * canIMakeJare(0, 1); }, 2},
        {"a blocked line counts not", {1, 2, 9}, {21}, [] { return howManyJaresICanMake(0, 1); }, 0},
        {"an active line needs a piece off it to step in", {3, 18}, {},
         [] { return howManyActiveJareICaneMake(10, 1); }, 0},
        {"one piece to step in", {3, 18, 9}, {},
         [] { return howManyActiveJareICaneMake(10, 1) * 10 + canIhaveActiveJare(10, 1) + 2 * canIhaveSureActiveJare(10, 1); },
         11},
        {"two", {3, 18, 9, 11}, {}, [] { return howManyActiveJareICaneMake(10, 1) + canIhaveSureActiveJare(10, 1); }, 3},
        {"none for the other side", {3, 18, 9, 11}, {}, [] { return canIhaveActiveJare(10, 2); }, false},
    };
    quietBoard();
    for (const Case& c : cases) {
        setBoard(c.one, c.two);
        EXPECT_EQ(c.ask(), c.expected) << c.what;
    }
    // A highlighted point counts as free for a step, not for mobility.
    setBoard({0}, {9});
    en_cell[1]->setState(CELL_SHADOWED);
    EXPECT_TRUE(canIMoveFromTo(0, 1));
    EXPECT_FALSE(playerCanMove(1));
}

// Some queries show the computer thinking; how often is part of the pace.
TEST(Queries, ThinkingQueriesSetThinkingAndDrawTheirFrames) {
    startHeadlessGame();
    setBoard({1, 9, 3, 18}, {});
    turnOf(2);
    currentPlayer->setState(WAITING);
    long before = thinkingFramesDrawn();
    howManyJaresICanMake(0, 1);
    EXPECT_EQ(currentPlayer->getState(), THINKING);
    canIMakeJare(0, 1), canIMakeSureJare(0, 1);
    currentPlayer->setState(WAITING);
    howManyActiveJareICaneMake(10, 1);
    EXPECT_EQ(currentPlayer->getState(), THINKING);
    canIhaveActiveJare(10, 1), canIhaveSureActiveJare(10, 1);
    canIMoveFromTo(0, 1), isItAJareMove(9, 10, 1), canIHaveIrmaan(10, 1, false);  // none
    EXPECT_EQ(thinkingFramesDrawn() - before, 6);

    // None when switched off or without a window; no player needed.
    setBoard({1, 9}, {});
    before = thinkingFramesDrawn();
    drawThinkingFrames = false;
    howManyJaresICanMake(0, 1);
    drawThinkingFrames = true;
    SDL_Surface* window = screen;
    screen = nullptr;
    howManyJaresICanMake(0, 1);
    screen = window;
    currentPlayer = nullptr;
    EXPECT_EQ(howManyJaresICanMake(0, 1), 2);
    EXPECT_EQ(thinkingFramesDrawn() - before, 1);
}
