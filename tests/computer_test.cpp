// Games against the computer, played headless through the real flow: its
// placements, removals and moves, and the turns the main loop plays for it
// when nothing else does.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/render.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/queries.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"
#include "support/testenv.h"
#include "upload/record.h"

namespace {

class AgainstTheComputer : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, COMPUTER);
        logEverything();
    }

    int piecesOf(int id) {
        int count = 0;
        for (int c = 0; c < CELL_COUNT; ++c) count += doIOwn(c, id);
        return count;
    }

    void playToTheEnd(GameLevels level, unsigned seed) {
        iGame->setGameLevel(level);
        srand(seed);
        std::mt19937 random(seed);
        clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
        ASSERT_EQ(state, STATE_PLAYING);
        AutoGame game = playAutomatically(random, 6000);
        EXPECT_EQ(DialogScript::gameOversShown(), 1) << "after " << game.actions << " actions";
        EXPECT_TRUE(game.reachedMovingPhase);
        const std::string record = gameToPost.str();
        ASSERT_EQ(record.size(), 30u) << record;
        EXPECT_EQ(record.substr(25, 2), "01") << "player two is the computer";
        EXPECT_EQ(state, STATE_STARTING);
    }
};

}  // namespace

TEST_F(AgainstTheComputer, TheComputerAnswersEveryPlacementWithOneOfItsOwn) {
    iGame->setGameLevel(LEVEL_BEGINNER);
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    humanPlaces(0);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(piecesOf(2), 1);
    EXPECT_EQ(playerTwo->pawnsOnBoard, 1);
    // Two on a line through 0 whose other points the computer left free:
    // Beginner takes the third.
    const bool leftLineFree = !doIOwn(9, 2) && !doIOwn(21, 2);
    humanPlaces(leftLineFree ? 9 : 1);
    EXPECT_TRUE(doIOwn(leftLineFree ? 21 : 2, 2));
    EXPECT_NE(logText().find("Look for 1st jare"), std::string::npos);
    for (Pawn* pawn : en_pawn) EXPECT_NE(pawn->state, PAWN_TRAVELLING) << "every glide has ended";
}

TEST_F(AgainstTheComputer, WhenTheComputerStartsItPlacesFirst) {
    iGame->setGameLevel(LEVEL_DUMMY);
    clickNow(ebut_greystarts->getX() + 30, ebut_greystarts->getY() + 30);
    EXPECT_EQ(piecesOf(2), 1);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(gameToPost.str(), "2");
}

TEST_F(AgainstTheComputer, AWholeGameAgainstDummyEndsOnTheEndScreen) {
    playToTheEnd(LEVEL_DUMMY, 3);
}

TEST_F(AgainstTheComputer, AWholeGameAgainstBeginnerEndsOnTheEndScreen) {
    playToTheEnd(LEVEL_BEGINNER, 4);
}

TEST_F(AgainstTheComputer, AWholeGameAgainstExpertEndsOnTheEndScreenWithExpertWinning) {
    playToTheEnd(LEVEL_EXPERT, 5);
    EXPECT_EQ(gameToPost.str().back(), '2') << "a person who moves at random loses";
}

TEST_F(AgainstTheComputer, TwoComputersPlayAWholeGameOnTheirOwn) {
    playerOne->type = COMPUTER;
    iGame->setGameLevel(LEVEL_BEGINNER);
    drawFrames = false;
    srand(9);
    startGame(playerOne);
    for (int pass = 0; pass < 20000 && DialogScript::gameOversShown() == 0 && !quit; ++pass) mainLoopPass();
    EXPECT_EQ(DialogScript::gameOversShown(), 1);
    EXPECT_EQ(gameToPost.str().size(), 30u);
    EXPECT_EQ(gameToPost.str().substr(25, 2), "11");
}

TEST_F(AgainstTheComputer, KeyTwoLetsAComputerPlayerMakeItsOpeningRemoval) {
    iGame->setGameLevel(LEVEL_DUMMY);
    releaseKeyNow(SDLK_2);
    ASSERT_EQ(currentPlayer, playerTwo);
    mainLoopPass();
    EXPECT_EQ(piecesOf(1), 11) << "the computer removed one of player one's pieces";
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isHitting()) << "and player one removes next";
    humanRemoves(12);
    EXPECT_EQ(gamePhase, PHASE_CONTENDING);
}

TEST_F(AgainstTheComputer, AComputerThatKeepsTheTurnOnASafeRouteMovesAgain) {
    // The person's pieces on 0, 2 and 21 are boxed in by the computer's 1, 9,
    // 14 and 22, which cannot move themselves; the computer's first move, any
    // of them, frees none of those. (A second one may: a free neighbour of a
    // blocker lets it step away, so only the first move's outcome is fixed.)
    for (auto [pawn, cell] : {std::pair{0, 0}, {1, 2}, {2, 21}}) move_pawn_to_cell(pawn, cell, 1);
    int pawn = 12;
    for (int cell : {1, 4, 9, 10, 13, 14, 19, 22, 23}) move_pawn_to_cell(pawn++, cell, 2);
    playerOne->pawnsOnBoard = 3;
    playerTwo->pawnsOnBoard = 9;
    gamePhase = PHASE_CONTENDING;
    state = STATE_PLAYING;
    currentPlayer = playerTwo;
    iGame->setGameLevel(LEVEL_DUMMY);
    ASSERT_FALSE(playerCanMove(1));
    auto board = [] {
        std::vector<int> pieces;
        for (int i = 0; i < CELL_COUNT; ++i) pieces.push_back(en_cell[i]->getCurrentPawn());
        return pieces;
    };
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
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    clickNow(pawnCentreX(0), pawnCentreY(0));
    ASSERT_EQ(en_pawn[0]->state, PAWN_PICKED);
    playerOne->type = COMPUTER;  // as the settings screen may do
    mainLoopPass();
    EXPECT_NE(en_pawn[0]->state, PAWN_PICKED);
    EXPECT_EQ(piecesOf(1), 1) << "the computer placed for player one";
    EXPECT_EQ(currentPlayer, playerTwo);
    EXPECT_TRUE(playerTwo->isChoosing());
}
