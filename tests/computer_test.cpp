// Games against the computer, played headless through the real flow: its
// placements, removals and moves, and the turns the main loop plays for it
// when nothing else does.
#include <gtest/gtest.h>

#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/computerturn.h"
#include "rules/flow.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"
#include "upload/record.h"

namespace {

class AgainstTheComputer : public GameFlowTest {
protected:
    void SetUp() override { startGameShell(HUMAN, COMPUTER); }

    static int piecesOf(int id) {
        int count = 0;
        for (int c = 0; c < CELL_COUNT; ++c) count += doIOwn(c, id);
        return count;
    }
    static std::vector<int> board() {
        std::vector<int> pieces;
        for (Cell* cell : en_cell) pieces.push_back(cell->getCurrentPawn());
        return pieces;
    }
};

}  // namespace

TEST_F(AgainstTheComputer, TheComputerAnswersAPlacementAndPlacesFirstWhenItStarts) {
    iGame->setGameLevel(LEVEL_BEGINNER);
    start();
    places(0);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(piecesOf(2), 1);
    EXPECT_EQ(playerTwo->pawnsOnBoard, 1);
    for (Pawn* pawn : en_pawn) EXPECT_NE(pawn->state, PAWN_TRAVELLING) << "every glide has ended";

    resetall();
    clickNow(ebut_greystarts->getX() + 30, ebut_greystarts->getY() + 30);
    EXPECT_EQ(piecesOf(2), 1);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(gameToPost.str(), "2");
}

// With no line made while placing, the player to act when the board fills
// removes first: after the computer's last placement, the person.
TEST_F(AgainstTheComputer, WhenTheComputerPlacesLastWithoutALineThePersonRemovesFirst) {
    iGame->setGameLevel(LEVEL_DUMMY);
    position(PHASE_RESETTLEMENT, {noLineOne, noLineOne + 12}, {noLineTwo, noLineTwo + 11}, 2);
    ASSERT_TRUE(computerHoldsTheTurn());
    mainLoopPass();
    EXPECT_TRUE(doIOwn(noLineTwo[11], 2)) << "its last piece on the last free point";
    EXPECT_EQ(whoseFirstJare, 0);
    EXPECT_EQ(gamePhase, PHASE_OPENING);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isHitting());
    EXPECT_EQ(playerOne->pawnsOnBoard, 12) << "nothing removed yet";
}

TEST_F(AgainstTheComputer, AWholeGameAgainstBeginnerEndsOnTheEndScreen) {
    iGame->setGameLevel(LEVEL_BEGINNER);
    playToTheEnd(4);
    EXPECT_EQ(gameToPost.str().substr(25, 2), "01") << "player two is the computer";
    EXPECT_EQ(state, STATE_STARTING);
}

TEST_F(AgainstTheComputer, AWholeGameAgainstExpertEndsWithExpertWinning) {
    iGame->setGameLevel(LEVEL_EXPERT);
    playToTheEnd(5);
    EXPECT_EQ(gameToPost.str().back(), '2') << "a person who moves at random loses";
}

TEST_F(AgainstTheComputer, KeyTwoLetsAComputerPlayerMakeItsOpeningRemoval) {
    iGame->setGameLevel(LEVEL_DUMMY);
    releaseKeyNow(SDLK_2);
    ASSERT_EQ(currentPlayer, playerTwo);
    mainLoopPass();
    EXPECT_EQ(piecesOf(1), 11) << "the computer removed one of player one's pieces";
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isHitting()) << "and player one removes next";
    removes(12);
    EXPECT_EQ(gamePhase, PHASE_CONTENDING);
}

TEST_F(AgainstTheComputer, AComputerThatKeepsTheTurnOnASafeRouteMovesAgain) {
    // The person's pieces on 0, 2 and 21 are boxed in by the computer's 1, 9,
    // 14 and 22, which cannot move themselves; the computer's first move, any
    // of them, frees none of those. (A second one may: a free neighbour of a
    // blocker lets it step away, so only the first move's outcome is fixed.)
    position(PHASE_CONTENDING, {0, 2, 21}, {1, 4, 9, 10, 13, 14, 19, 22, 23}, 2);
    iGame->setGameLevel(LEVEL_DUMMY);
    ASSERT_FALSE(playerCanMove(1));
    const std::vector<int> before = board();
    ASSERT_TRUE(computerHoldsTheTurn());
    mainLoopPass();
    EXPECT_EQ(DialogScript::questionsAsked(), 1) << "the blocked person's safe route was asked for";
    EXPECT_EQ(currentPlayer, playerTwo);
    ASSERT_TRUE(computerHoldsTheTurn()) << "and the computer goes on by itself";
    const std::vector<int> afterFirst = board();
    EXPECT_NE(afterFirst, before);
    mainLoopPass();
    EXPECT_NE(board(), afterFirst) << "it moved a second time";
    EXPECT_EQ(piecesOf(1), 3) << "lines on a safe route remove nothing";
    EXPECT_EQ(piecesOf(2), 9);
    EXPECT_FALSE(quit);
}

TEST_F(AgainstTheComputer, APlayerMadeAComputerWhileCarryingAPiecePutsItBackAndPlays) {
    iGame->setGameLevel(LEVEL_DUMMY);
    playerTwo->type = HUMAN;
    start();
    clickNow(pawnCentreX(0), pawnCentreY(0));
    ASSERT_EQ(en_pawn[0]->state, PAWN_PICKED);
    playerOne->type = COMPUTER;  // as the settings screen may do
    mainLoopPass();
    EXPECT_NE(en_pawn[0]->state, PAWN_PICKED);
    EXPECT_EQ(piecesOf(1), 1) << "the computer placed for player one";
    EXPECT_EQ(currentPlayer, playerTwo);
    EXPECT_TRUE(playerTwo->isChoosing());
}
