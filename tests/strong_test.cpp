// The Novice and Expert levels through the live game: positions with one
// right answer, legal decisions on random boards, the window kept alive
// while the Expert thinks.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <vector>

#include "bot/endgames.h"
#include "bot/game.h"
#include "bot/stronglevels.h"
#include "rules/queries.h"
#include "support/position.h"
#include "support/snapshot.h"
#include "support/testenv.h"

namespace {

void quietBoard(GameLevels level) {
    startHeadlessGame();
    drawThinkingFrames = false;
    iGame->setGameLevel(level);
}

// The next level to try on the same game: an empty board, nothing remembered.
void nextLevel(GameLevels level) {
    for (int cell = 0; cell < CELL_COUNT; ++cell) lift(cell);
    iGame->setGameLevel(level);
    iGame->newGame();
}

// A moving-phase position on the live board, `toAct` (1 or 2) to act.
void movingPosition(std::initializer_list<int> ones, std::initializer_list<int> twos, int toAct) {
    place(ones, 1);
    place(twos, 2);
    playerOne->pawnsOnBoard = static_cast<int>(ones.size());
    playerTwo->pawnsOnBoard = static_cast<int>(twos.size());
    playerOne->setOpenedTheGame(true);
    playerTwo->setOpenedTheGame(true);
    snapshotFor(toAct, PHASE_CONTENDING, 1);
}

// The decision: from * 100 + to for a step, the point otherwise; -1 for none.
int step() {
    int from, to;
    return iGame->getBestMove(&from, &to) ? from * 100 + to : -1;
}

int removal() {
    int cell;
    return iGame->getBestToKill(&cell) ? cell : -1;
}

const GameLevels bothLevels[] = {LEVEL_NOVICE, LEVEL_EXPERT};

}  // namespace

TEST(OneRightAnswer, BothLevelsCompleteALineThatWinsNow) {
    quietBoard(LEVEL_NOVICE);
    for (GameLevels level : bothLevels) {
        nextLevel(level);
        // 14 steps onto 2 beside 0 and 1; the removal leaves player one two pieces.
        movingPosition({7, 16, 20}, {0, 1, 14, 18}, 2);
        const int answer = step();
        EXPECT_EQ(answer, 1402) << gameLevelNames[level] << ": " << iGame->getMessage();
    }
}

TEST(OneRightAnswer, BothLevelsBlockTheOnlyLineTheOtherSideCanMake) {
    quietBoard(LEVEL_NOVICE);
    for (GameLevels level : bothLevels) {
        nextLevel(level);
        // Player one's 3 would step into 10 between 9 and 11; only 18 can get there first.
        movingPosition({3, 9, 11}, {2, 7, 16, 18, 23}, 2);
        const int answer = step();
        EXPECT_EQ(answer, 1810) << gameLevelNames[level] << ": " << iGame->getMessage();
    }
}

TEST(OneRightAnswer, BothLevelsStepTheOnlyPieceWhoseMoveLosesNothing) {
    quietBoard(LEVEL_NOVICE);
    for (GameLevels level : bothLevels) {
        nextLevel(level);
        // 10 and 13 hold the gaps of player one's lines 9-11 and 12-14, with
        // 3 and 20 ready to step in; at three pieces, a line lost is the game.
        movingPosition({3, 9, 11, 12, 14, 20}, {10, 13, 17}, 2);
        const int answer = step();
        EXPECT_EQ(answer, 1716) << gameLevelNames[level] << ": " << iGame->getMessage();
    }
}

TEST(OneRightAnswer, ExpertRemovesThePieceBehindADoubleThreat) {
    quietBoard(LEVEL_EXPERT);
    // Player one's 18 steps to 10 (between 9 and 11) or to 19 (between 16 and
    // 22): removing any other piece leaves one of the two lines.
    movingPosition({9, 11, 16, 18, 22}, {0, 1, 2, 6}, 2);
    playerTwo->setState(HITTING);
    const int answer = removal();
    EXPECT_EQ(answer, 18) << iGame->getMessage();
}

TEST(ExpertOnRandomBoards, DecidesLegallyWheneverSomethingIsLegal) {
    quietBoard(LEVEL_EXPERT);
    iGame->strongLevels().setThinkMilliseconds(5);
    std::mt19937 random(17);
    for (int round = 0; round < 60; ++round) {
        nextLevel(LEVEL_EXPERT);
        std::vector<int> points(CELL_COUNT);
        for (int i = 0; i < CELL_COUNT; ++i) points[i] = i;
        std::shuffle(points.begin(), points.end(), random);
        const int ones = 3 + random() % 10, twos = 3 + random() % 10;
        for (int i = 0; i < ones; ++i) place({points[i]}, 1);
        for (int i = 0; i < twos; ++i) place({points[ones + i]}, 2);
        const int id = 1 + random() % 2, other = 3 - id;
        const int kind = round % 3;
        snapshotFor(id, kind == 0 ? PHASE_RESETTLEMENT : PHASE_CONTENDING, random() % 3);
        SCOPED_TRACE(testing::Message() << "round " << round << " kind " << kind);

        int cell = -1, from = -1, to = -1;
        if (kind == 0) {
            ASSERT_EQ(iGame->getBestChoice(&cell), nextPieceAtHome(id) >= 0 && ones + twos < CELL_COUNT);
            if (cell >= 0) {
                EXPECT_TRUE(en_cell[cell]->isEmpty()) << cell;
            }
        } else if (kind == 1) {
            ASSERT_EQ(iGame->getBestMove(&from, &to), playerCanMove(id));
            if (from >= 0) {
                EXPECT_TRUE(doIOwn(from, id) && canIMoveFromTo(from, to)) << from << "-" << to;
            }
        } else {
            currentPlayer->setState(HITTING);
            ASSERT_TRUE(iGame->getBestToKill(&cell));
            EXPECT_TRUE(doIOwn(cell, other)) << cell;
        }
    }
}

TEST(ExpertThinking, DrawsFramesAndShowsThinkingOnlyWhileItSearches) {
    quietBoard(LEVEL_EXPERT);
    drawThinkingFrames = true;
    snapshotFor(1);
    currentPlayer->setState(CHOOSING);
    engine::endgameTables();  // read now: the read draws no frames and is no search
    const long before = thinkingFramesDrawn();
    const auto start = std::chrono::steady_clock::now();
    int cell;
    ASSERT_TRUE(iGame->getBestChoice(&cell));
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // About one frame each 16 ms; drawing itself takes some of the time.
    EXPECT_GE(thinkingFramesDrawn() - before, static_cast<long>(ms / 16 / 3)) << ms << " ms";
    EXPECT_GE(ms, 100) << "the empty board keeps it searching up to its limit";
    EXPECT_EQ(currentPlayer->getState(), CHOOSING);
}
