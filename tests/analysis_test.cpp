// The snapshot for the side to act.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "bot/game.h"
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

