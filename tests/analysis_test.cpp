// The snapshot for the side to act, the random pickers and the weight probe.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "rules/helpers.h"
#include "bot/game.h"
#include "settings/log.h"
#include "support/logcount.h"
#include "support/position.h"
#include "support/snapshot.h"

namespace {

std::vector<int> cellsOf(const CellList& list) {
    return std::vector<int>(list.cells, list.cells + list.count);
}

}  // namespace

TEST(AnalyzeGame, SortsEveryPointOnceFromThePiecesAndStartsOverEachTime) {
    quietBoard();
    setBoard({0, 23, 12, 9}, {20, 3, 11, 7, 15});
    // The piece decides, not the point's state.
    en_cell[5]->setState(CELL_OCCUPIED);  // marked occupied, holding nothing
    en_cell[6]->setState(CELL_SHADOWED);  // empty under the mouse
    signalJare(3, CELL_OCCUPIED);         // 10 and 18 flash empty, 3 with its piece
    snapshotFor(2);
    EXPECT_EQ(cellsOf(iGame->getMineCells()), (std::vector<int>{3, 7, 11, 15, 20}));
    EXPECT_EQ(cellsOf(iGame->getYoursCells()), (std::vector<int>{0, 9, 12, 23}));
    std::vector<int> free = cellsOf(iGame->getFreeCells());
    EXPECT_EQ(free.size(), 15u);
    EXPECT_TRUE(std::is_sorted(free.begin(), free.end()));
    EXPECT_EQ(std::make_pair(iGame->getPlayerId(), iGame->getOpponetId()), std::make_pair(2, 1));
    EXPECT_EQ(valuesOver([] { return iGame->getRandomHis(); }), (std::set<int>{0, 9, 12, 23}));
    EXPECT_FALSE(iGame->isFirstJareGot() || iGame->isGameOpened());

    snapshotFor(1, PHASE_CONTENDING, 2);
    EXPECT_EQ(std::make_pair(iGame->getPlayerId(), iGame->getOpponetId()), std::make_pair(1, 2));
    EXPECT_TRUE(iGame->isFirstJareGot() && iGame->isGameOpened());
    EXPECT_EQ(iGame->getMineCount(), 4) << "nothing is left from the last snapshot";
    snapshotFor(1, PHASE_OPENING);
    EXPECT_FALSE(iGame->isFirstJareGot() || iGame->isGameOpened());

    Game game;
    game.setPlayerId(1);
    game.setOpponetId(2);
    for (auto [given, other] : {std::pair{2, 1}, {1, 2}, {0, 2}}) EXPECT_EQ(game.getOtherPlayerId(given), other);
}

TEST(RandomPickers, PickOnlyFromTheirListsAndAnswerMinusOneForAnEmptyOne) {
    quietBoard();
    setBoard({0, 1, 2}, {21, 23});
    snapshotFor(2);
    EXPECT_EQ(valuesOver([] { return iGame->getRandomHis(); }), (std::set<int>{0, 1, 2}));
    const std::set<int> free = valuesOver([] { return iGame->getRandomFree(); });
    EXPECT_GT(free.size(), 5u);
    for (int cell : free) EXPECT_TRUE(en_cell[cell]->getCurrentPawn() < 0) << cell;

    // A boxed-in piece is not "mine" to move.
    setBoard({0}, {1, 9});
    snapshotFor(1);
    EXPECT_EQ(iGame->getRandomMine(), -1);
    place({21}, 1);
    snapshotFor(1);
    EXPECT_EQ(valuesOver([] { return iGame->getRandomMine(); }), (std::set<int>{21}));

    // A highlighted neighbour is a legal destination.
    setBoard({4, 3}, {5});
    en_cell[1]->setState(CELL_SHADOWED);
    snapshotFor(1);
    EXPECT_EQ(valuesOver([] { return iGame->getRandomMoveTo(4); }), (std::set<int>{1, 7}));
    EXPECT_EQ(iGame->getRandomMoveTo(-1), -1);
    EXPECT_EQ(iGame->getRandomMoveTo(24), -1);
    place({10}, 2);
    EXPECT_EQ(iGame->getRandomMoveTo(3), -1) << "10 and 4 both taken";

    setBoard({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {});
    snapshotFor(1);
    EXPECT_EQ(iGame->getRandomHis(), -1);
    place({12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}, 2);
    snapshotFor(1);
    EXPECT_EQ(iGame->getRandomFree(), -1);
    EXPECT_EQ(iGame->getRandomMine(), -1);

    srand(12345);
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        ASSERT_EQ(choiceRandomElem(1), 0);
        const int index = choiceRandomElem(24);
        ASSERT_TRUE(index >= 0 && index < 24) << index;
        seen.insert(index);
    }
    EXPECT_EQ(seen.size(), 24u);
}

TEST(WeightProbe, LogsTheWeightAfterEachSideAndTheFiveDepthsAndChoosesNothing) {
    quietBoard();
    logEverything();
    setBoard({0, 1, 2, 3, 4}, {20, 21, 22, 23});
    snapshotFor(1);
    EXPECT_EQ(iGame->botGetBestChoice(), -1);
    const std::string log = logText();
    const size_t fresh = log.find("The weight is now: -12\n\r\n");
    const size_t mine = log.find("The weight is now: 5\n\r\n");
    const size_t yours = log.find("The weight is now: 1\n\r\n");
    ASSERT_NE(yours, std::string::npos);
    EXPECT_LT(fresh, mine);
    EXPECT_LT(mine, yours);
    EXPECT_EQ(occurrences(log, "The weight is now: "), 4);
    EXPECT_EQ(occurrences(log, "Running level "), 5);
    EXPECT_NE(log.find("After the loop the weight is now: 1\n\r\n"), std::string::npos);
    EXPECT_EQ(occurrences(log, "This should never happen!"), 0);
    EXPECT_EQ(std::make_pair(iGame->getMineCount(), iGame->getFreeCount()), std::make_pair(5, 15))
        << "the snapshot is as it was";
}
