// The engine's tactical searches, on positions whose answer is known.
#include <gtest/gtest.h>

#include <string>
#include <utility>

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

// The move a search answers, encoded as from * 100 + to (-1 for none).
int moveFound(bool irmaan, bool prepare) {
    int from = -7, to = -7;
    if (!iGame->moveAndGetSureTris(iGame->getPlayerId(), irmaan, &from, &to, prepare)) {
        EXPECT_EQ(from, -7);
        EXPECT_EQ(to, -7);
        return -1;
    }
    return from * 100 + to;
}

}  // namespace

TEST(GetActiveTris, FindsThePointThatCompletesALine) {
    quietBoard();
    place({0, 1}, 1);
    place({9}, 2);
    snapshotFor(1);
    EXPECT_EQ(iGame->getActiveTris(1), 2);
    EXPECT_EQ(iGame->getActiveTris(2), -1);
    place({10}, 2);
    snapshotFor(1);
    EXPECT_EQ(iGame->getActiveTris(2), 11);  // where to block the other side
}

TEST(GetSureTris, SurePointBuildsTwoThreats) {
    quietBoard();
    place({1, 9}, 1);
    snapshotFor(1);
    EXPECT_EQ(valuesOver([] { return iGame->getSureTris(1, true); }), (std::set<int>{0}));
    EXPECT_EQ(valuesOver([] { return iGame->getSureTris(1, false); }),
              (std::set<int>{0, 2, 4, 7, 10, 11, 21}));
    EXPECT_EQ(iGame->getSureTris(2, false), -1);
}

TEST(BuildAfarrey, ThreeOwnPiecesAndOneEmptyPointAroundTheCentre) {
    quietBoard();
    place({1, 2, 9}, 1);
    snapshotFor(1);
    EXPECT_EQ(valuesOver([] { return iGame->buildAfarrey(1, false); }), (std::set<int>{21}));
    EXPECT_EQ(iGame->buildAfarrey(1, true), -1);  // no opposing piece to centre on
    place({0}, 2);
    snapshotFor(1);
    EXPECT_EQ(iGame->buildAfarrey(1, true), 21);
}

TEST(BuildAfarrey, AnOpposingPieceBesideTheCentreSpoilsIt) {
    quietBoard();
    place({1, 9}, 1);
    place({0, 2}, 2);
    snapshotFor(1);
    EXPECT_EQ(iGame->buildAfarrey(1, true), -1);
}

TEST(MoveAndGetSureTris, IrmaanMove) {
    quietBoard();
    place({0, 9, 21, 3, 18}, 1);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver([] { return moveFound(true, false); }), (std::set<int>{910}));
}

TEST(MoveAndGetSureTris, CompletingMove) {
    quietBoard();
    place({3, 5, 7}, 1);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver([] { return moveFound(false, false); }), (std::set<int>{704}));
    EXPECT_EQ(moveFound(true, false), -1);
}

TEST(MoveAndGetSureTris, PreparingMove) {
    quietBoard();
    place({0, 2, 3}, 1);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver([] { return moveFound(false, true); }, 20), (std::set<int>{304}));
    EXPECT_EQ(moveFound(false, false), -1);
}

TEST(MoveAndGetSureTris, NothingWithoutPiecesOrMoves) {
    quietBoard();
    place({5}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(moveFound(false, false), -1);
    place({0}, 1);
    place({1, 9}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(moveFound(false, true), -1);
}

TEST(MoveAndGetSureTris, PreparedIrmaanIsNotWorkedOutYet) {
    quietBoard();
    logEverything();
    place({0, 9, 21, 3, 18}, 1);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(moveFound(true, true), -1);
    EXPECT_GT(occurrences(logText(), "TODO: Ok: Prepare Irmaan is not ready yet!"), 0);
}

TEST(KillAndBlockSureTris, RemovesThePieceThatWouldCompleteALine) {
    quietBoard();
    place({3, 5, 7}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(iGame->killAndBlockSureTris(1, false), 7);
    EXPECT_EQ(iGame->killAndBlockSureTris(1, true), -1);
}

TEST(KillAndBlockSureTris, RemovesThePieceThatHasAnIrmaanMove) {
    quietBoard();
    place({0, 9, 21, 3, 18}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(iGame->killAndBlockSureTris(1, true), 9);
}

TEST(KillAndBlockSureTris, OnePieceWithTwoThreatsIsAGreatJob) {
    quietBoard();
    logEverything();
    place({0, 2, 4, 6, 8}, 2);  // 4 completes line 0 on 1 or line 4 on 7
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(iGame->killAndBlockSureTris(1, false), 4);
    EXPECT_EQ(occurrences(logText(), "***Great job\r\n"), 1);
}

TEST(KillAndBlockSureTris, TwoThreateningPiecesOneAtRandom) {
    quietBoard();
    logEverything();
    place({3, 5, 7, 21, 23, 19}, 2);  // 7 -> 4 and 19 -> 22
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver([] { return iGame->killAndBlockSureTris(1, false); }),
              (std::set<int>{7, 19}));
    EXPECT_EQ(occurrences(logText(), "***Great job"), 0);
}

TEST(KillAndGetIrmaan, RemovesThePieceInTheWayOfAnIrmaan) {
    quietBoard();
    place({3, 18, 0, 9, 21}, 1);
    place({10, 23}, 2);
    snapshotFor(1, PHASE_OPENING);
    EXPECT_EQ(valuesOver([] { return iGame->killAndGetIrmaan(1, false); }),
              (std::set<int>{10}));
    snapshotFor(2, PHASE_OPENING);
    EXPECT_EQ(iGame->killAndGetIrmaan(2, false), -1);
}

TEST(KillAndGetSureTris, RemovesThePieceOnAPointOwnPiecesCanComplete) {
    quietBoard();
    place({3, 18, 9}, 1);
    place({10, 11}, 2);
    snapshotFor(1, PHASE_OPENING);
    EXPECT_EQ(valuesOver([] { return iGame->killAndGetSureTris(1, false); }),
              (std::set<int>{10}));
    // A double threat needs own pieces on every neighbour, which leaves no
    // opposing neighbour: as the search is written it never finds one.
    EXPECT_EQ(iGame->killAndGetSureTris(1, true), -1);
}
