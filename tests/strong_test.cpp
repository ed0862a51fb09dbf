// The Novice and Expert levels through the live game: positions with one
// right answer, legal decisions on random boards, the window kept alive
// while the Expert thinks.
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

#include "bot/endgames.h"
#include "bot/evaluate.h"
#include "bot/game.h"
#include "bot/search.h"
#include "bot/stronglevels.h"
#include "support/endgames.h"
#include "support/position.h"
#include "support/snapshot.h"

namespace {

// A moving-phase position after the opening, `toAct` (1 or 2) to act.
void movingOnTheBoard(std::initializer_list<int> ones, std::initializer_list<int> twos, int toAct) {
    setBoard(ones, twos);
    playerOne->pawnsOnBoard = static_cast<int>(ones.size());
    playerTwo->pawnsOnBoard = static_cast<int>(twos.size());
    playerOne->setOpenedTheGame(true);
    playerTwo->setOpenedTheGame(true);
    snapshotFor(toAct, PHASE_CONTENDING, 1);
}

}  // namespace

TEST(OneRightAnswer, BothLevelsFindIt) {
    const struct {
        const char* what;
        std::initializer_list<int> one, two;
        bool removing, expertOnly;
        int answer;  // from * 100 + to, or the point of a removal
    } cases[] = {
        {"a line that wins now: 14 to 2 beside 0 and 1", {7, 16, 20}, {0, 1, 14, 18}, false, false, 1402},
        {"the only block: 3 would step into 10 between 9 and 11", {3, 9, 11}, {2, 7, 16, 18, 23}, false, false, 1810},
        // 10 and 13 hold the gaps of 9-11 and 12-14 with 3 and 20 ready:
        // at three pieces, a line lost is the game.
        {"the only step that loses nothing", {3, 9, 11, 12, 14, 20}, {10, 13, 17}, false, false, 1716},
        // 18 steps to 10 (between 9 and 11) or 19 (between 16 and 22).
        {"the piece behind a double threat", {9, 11, 16, 18, 22}, {0, 1, 2, 6}, true, true, 18},
    };
    quietBoard();
    for (const auto& c : cases)
        for (GameLevels level : {LEVEL_NOVICE, LEVEL_EXPERT}) {
            if (c.expertOnly && level != LEVEL_EXPERT) continue;
            iGame->setGameLevel(level);
            iGame->newGame();
            movingOnTheBoard(c.one, c.two, 2);
            int from = -1, to = -1;
            if (c.removing) {
                playerTwo->setState(HITTING);
                ASSERT_TRUE(iGame->getBestToKill(&from));
                EXPECT_EQ(from, c.answer) << c.what << ", " << gameLevelNames[level];
            } else {
                ASSERT_TRUE(iGame->getBestMove(&from, &to));
                EXPECT_EQ(from * 100 + to, c.answer) << c.what << ", " << gameLevelNames[level];
            }
        }
}

TEST(ExpertOnRandomBoards, DecidesLegallyWheneverSomethingIsLegal) {
    quietBoard();
    iGame->setGameLevel(LEVEL_EXPERT);
    iGame->strongLevels().setThinkMilliseconds(5);
    std::mt19937 random(17);
    for (int round = 0; round < 60; ++round) {
        iGame->newGame();
        std::vector<int> points(CELL_COUNT);
        std::iota(points.begin(), points.end(), 0);
        std::shuffle(points.begin(), points.end(), random);
        const int ones = 3 + random() % 10, twos = 3 + random() % 10;
        const auto twosStart = points.begin() + ones;
        setBoard({points.begin(), twosStart}, {twosStart, twosStart + twos});
        const int id = 1 + random() % 2, other = 3 - id;
        const int kind = round % 3;
        snapshotFor(id, kind == 0 ? PHASE_RESETTLEMENT : PHASE_CONTENDING, random() % 3);
        SCOPED_TRACE(testing::Message() << "round " << round << " kind " << kind);

        int cell = -1, from = -1, to = -1;
        if (kind == 0) {
            ASSERT_EQ(iGame->getBestChoice(&cell), nextPieceAtHome(id) >= 0 && ones + twos < CELL_COUNT);
            EXPECT_TRUE(cell < 0 || en_cell[cell]->isEmpty()) << cell;
        } else if (kind == 1) {
            ASSERT_EQ(iGame->getBestMove(&from, &to), playerCanMove(id));
            EXPECT_TRUE(from < 0 || (doIOwn(from, id) && canIMoveFromTo(from, to))) << from << "-" << to;
        } else {
            currentPlayer->setState(HITTING);
            ASSERT_TRUE(iGame->getBestToKill(&cell));
            EXPECT_TRUE(doIOwn(cell, other)) << cell;
        }
    }
}

TEST(ExpertThinking, DrawsFramesAndShowsThinkingOnlyWhileItSearches) {
    startHeadlessGame();
    iGame->setGameLevel(LEVEL_EXPERT);
    snapshotFor(1);
    currentPlayer->setState(CHOOSING);
    engine::endgameTables();  // read now: the read draws no frames and is no search
    const long before = thinkingFramesDrawn();
    int cell;
    ASSERT_TRUE(iGame->getBestChoice(&cell));
    // The empty board keeps it searching to its limit, a frame every 16 ms.
    EXPECT_GE(thinkingFramesDrawn() - before, 2);
    EXPECT_EQ(currentPlayer->getState(), CHOOSING);
}

namespace {

// The depth alone limits these searches, so that they find the same on any
// machine.
engine::SearchLimits toDepth(int depth) {
    engine::SearchLimits limits;
    limits.softMilliseconds = limits.hardMilliseconds = 600000;
    limits.maxDepth = depth;
    return limits;
}

}  // namespace

// Six pieces on a side are beyond the tables; a line made at the first
// depth reaches them, and the win it meets there (34 plies) lies beyond
// that depth: the search deepens on, and finds a nearer one.
TEST(Search, DeepensPastAWinBeyondItsDepth) {
    enterScratchDirectory();
    const engine::EndgameTables* tables = engine::endgameTables();
    ASSERT_NE(tables, nullptr);
    const engine::Position start = movingPosition(0x88430, 0x8021c1);
    ASSERT_FALSE(tables->covers(start));
    engine::Searcher searcher;
    const engine::SearchResult result = searcher.search(start, toDepth(3), {});
    EXPECT_EQ(result.depth, 3);
    EXPECT_EQ(result.score, engine::WIN_SCORE - 32);
}

// What the table holds of the replies next to the root was found blind to
// the game's earlier positions: steering back into one is a draw now, and
// the search, the table filled, plays another move. Six against five, so
// that the replies are searched, not read from the endgame tables.
TEST(Search, ARepliesTableEntryDoesNotHideARepetition) {
    enterScratchDirectory();
    const engine::Position start = movingPosition(0x8d3000, 0x108203);
    ASSERT_FALSE(engine::endgameTables()->covers(start));
    engine::Searcher searcher;
    const engine::SearchResult first = searcher.search(start, toDepth(3), {});
    ASSERT_GE(first.principalLine.size(), 2u);
    engine::Position earlier = start;
    engine::play(earlier, first.principalLine[0]);
    engine::play(earlier, first.principalLine[1]);
    const engine::SearchResult again = searcher.search(start, toDepth(3), {engine::positionKey(earlier)});
    EXPECT_NE(again.best, first.best) << engine::describe(first.best) << " leads back into an earlier position";
    EXPECT_GT(again.score, 1000) << "another move keeps the advantage";
}
