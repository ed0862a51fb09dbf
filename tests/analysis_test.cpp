// The snapshot for the side to act, the random pickers and the weight probe.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "app/helpers.h"
#include "bot/game.h"
#include "rules/queries.h"
#include "settings/log.h"
#include "support/logcount.h"
#include "support/position.h"
#include "support/snapshot.h"
#include "support/testenv.h"

namespace {

void quietBoard() {
    startHeadlessGame();
    drawThinkingFrames = false;
}

std::vector<int> cellsOf(const CellList& list) {
    return std::vector<int>(list.cells, list.cells + list.count);
}

}  // namespace

TEST(AnalyzeGame, SortsEveryPointOnceInAscendingOrder) {
    quietBoard();
    place({20, 3, 11, 7, 15}, 2);
    place({0, 23, 12, 9}, 1);
    turnOf(2);
    whoseFirstJare = 0;
    gamePhase = PHASE_RESETTLEMENT;
    analyzeGame();
    EXPECT_EQ(cellsOf(iGame->getMineCells()), (std::vector<int>{3, 7, 11, 15, 20}));
    EXPECT_EQ(cellsOf(iGame->getYoursCells()), (std::vector<int>{0, 9, 12, 23}));
    EXPECT_EQ(iGame->getFreeCount(), 15);
    EXPECT_EQ(iGame->getMineCount() + iGame->getYoursCount() + iGame->getFreeCount(), 24);
    std::vector<int> free = cellsOf(iGame->getFreeCells());
    EXPECT_TRUE(std::is_sorted(free.begin(), free.end()));
    EXPECT_EQ(iGame->getPlayerId(), 2);
    EXPECT_EQ(iGame->getOpponetId(), 1);
    EXPECT_FALSE(iGame->isFirstJareGot());
    EXPECT_FALSE(iGame->isGameOpened());
}

TEST(AnalyzeGame, RecordsTheFirstJareAndTheMovingPhase) {
    quietBoard();
    place({0}, 1);
    turnOf(1);
    whoseFirstJare = 2;
    gamePhase = PHASE_CONTENDING;
    analyzeGame();
    EXPECT_EQ(iGame->getPlayerId(), 1);
    EXPECT_EQ(iGame->getOpponetId(), 2);
    EXPECT_TRUE(iGame->isFirstJareGot());
    EXPECT_TRUE(iGame->isGameOpened());

    // A new snapshot starts over: nothing is left from the last one.
    whoseFirstJare = 0;
    gamePhase = PHASE_OPENING;
    analyzeGame();
    EXPECT_EQ(iGame->getMineCount(), 1);
    EXPECT_FALSE(iGame->isFirstJareGot());
    EXPECT_FALSE(iGame->isGameOpened());
}

TEST(AnalyzeGame, ThePieceDecidesNotThePointState) {
    quietBoard();
    place({4, 10}, 1);
    place({13}, 2);
    en_cell[5]->setState(CELL_OCCUPIED);  // marked occupied, holding nothing
    en_cell[6]->setState(CELL_SHADOWED);  // empty under the mouse
    signalJare(3, CELL_OCCUPIED);         // 3 and 18 flash empty, 10 with its piece
    turnOf(1);
    analyzeGame();
    EXPECT_EQ(cellsOf(iGame->getMineCells()), (std::vector<int>{4, 10}));
    EXPECT_EQ(cellsOf(iGame->getYoursCells()), (std::vector<int>{13}));
    EXPECT_EQ(iGame->getFreeCount(), 21);

    // So no removal can aim at a point without a piece.
    iGame->setGameLevel(LEVEL_DUMMY);
    for (unsigned seed = 1; seed <= 50; ++seed) {
        srand(seed);
        EXPECT_EQ(iGame->getRandomHis(), 13);
    }
}

TEST(RandomPickers, FreeAndHisAnswerMinusOneWhenTheListIsEmpty) {
    quietBoard();
    for (int cell = 0; cell < 12; ++cell) place({cell}, 1);
    turnOf(1);
    analyzeGame();
    EXPECT_EQ(iGame->getRandomHis(), -1);
    for (int cell = 12; cell < 24; ++cell) place({cell}, 2);
    analyzeGame();
    EXPECT_EQ(iGame->getRandomFree(), -1);
    EXPECT_EQ(iGame->getRandomMine(), -1);
}

TEST(RandomPickers, PickOnlyFromTheirList) {
    quietBoard();
    place({0, 1, 2}, 1);
    place({21, 23}, 2);
    turnOf(2);
    analyzeGame();
    EXPECT_EQ(valuesOver([] { return iGame->getRandomHis(); }), (std::set<int>{0, 1, 2}));
    std::set<int> free = valuesOver([] { return iGame->getRandomFree(); });
    EXPECT_GT(free.size(), 5u);
    for (int cell : free) EXPECT_TRUE(en_cell[cell]->isEmpty()) << cell;
}

TEST(RandomPickers, MineSkipsBoxedInPieces) {
    quietBoard();
    place({0}, 1);
    place({1, 9}, 2);
    turnOf(1);
    analyzeGame();
    EXPECT_EQ(iGame->getMineCount(), 1);
    EXPECT_EQ(iGame->getRandomMine(), -1);
    place({21}, 1);
    analyzeGame();
    EXPECT_EQ(valuesOver([] { return iGame->getRandomMine(); }), (std::set<int>{21}));
}

TEST(RandomPickers, MoveToTakesTheLegalNeighbours) {
    quietBoard();
    place({4, 3}, 1);
    place({5}, 2);
    en_cell[1]->setState(CELL_SHADOWED);
    turnOf(1);
    analyzeGame();
    EXPECT_EQ(valuesOver([] { return iGame->getRandomMoveTo(4); }), (std::set<int>{1, 7}));
    EXPECT_EQ(iGame->getRandomMoveTo(-1), -1);
    EXPECT_EQ(iGame->getRandomMoveTo(24), -1);
    place({10}, 2);
    EXPECT_EQ(iGame->getRandomMoveTo(3), -1);  // 10 and 4 both taken
}

TEST(RandomIndex, StaysBelowN) {
    srand(12345);
    for (int i = 0; i < 100000; ++i) ASSERT_EQ(choiceRandomElem(1), 0);
    std::set<int> seen;
    for (int i = 0; i < 100000; ++i) {
        int index = choiceRandomElem(24);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 24);
        seen.insert(index);
    }
    EXPECT_EQ(seen.size(), 24u);
}

TEST(OtherPlayerId, TheOpponentUnlessGivenTheOpponent) {
    Game game;
    game.setPlayerId(1);
    game.setOpponetId(2);
    EXPECT_EQ(game.getOtherPlayerId(2), 1);
    EXPECT_EQ(game.getOtherPlayerId(1), 2);
    EXPECT_EQ(game.getOtherPlayerId(0), 2);
}

TEST(WeightProbe, LogsTheWeightAfterEachSideAndTheFiveDepths) {
    quietBoard();
    logEverything();
    place({0, 1, 2, 3, 4}, 1);
    place({20, 21, 22, 23}, 2);
    turnOf(1);
    analyzeGame();
    EXPECT_EQ(iGame->botGetBestChoice(), -1);
    const std::string log = logText();
    size_t fresh = log.find("The weight is now: -12\n\r\n");
    size_t mine = log.find("The weight is now: 5\n\r\n");
    size_t yours = log.find("The weight is now: 1\n\r\n");
    ASSERT_NE(fresh, std::string::npos);
    ASSERT_NE(mine, std::string::npos);
    ASSERT_NE(yours, std::string::npos);
    EXPECT_LT(fresh, mine);
    EXPECT_LT(mine, yours);
    EXPECT_EQ(occurrences(log, "The weight is now: "), 4);
    EXPECT_EQ(occurrences(log, "Running level "), 5);
    EXPECT_NE(log.find("After the loop the weight is now: 1\n\r\n"), std::string::npos);
    EXPECT_EQ(occurrences(log, "This should never happen!"), 0);
    // The probe chooses nothing: the snapshot is as it was.
    EXPECT_EQ(iGame->getMineCount(), 5);
    EXPECT_EQ(iGame->getFreeCount(), 15);
}
