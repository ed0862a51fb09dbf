// Taking turns back and playing them again through the real input dispatch
// and game flow: every phase, a removal, a safe route, against the computer
// and between two people; the keys, and when they do nothing.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/playaids.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/history.h"
#include "rules/queries.h"
#include "rules/snapshot.h"
#include "sprites/dialogs.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"
#include "support/position.h"
#include "support/testenv.h"
#include "upload/record.h"

namespace {

const int noLineOne[12] = {0, 1, 3, 6, 8, 9, 10, 12, 16, 19, 20, 23};
const int noLineTwo[12] = {2, 4, 5, 7, 11, 13, 14, 15, 17, 18, 21, 22};

class TakeBack : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, HUMAN);
    }

    void key(SDLKey key, SDLMod modifiers = KMOD_NONE) {
        SDL_SetModState(modifiers);
        releaseKeyNow(key);
        SDL_SetModState(KMOD_NONE);
        mainLoopPass();
    }
    void fillWithoutLines() {
        for (int i = 0; i < 12; ++i) {
            places(noLineOne[i]);
            places(noLineTwo[i]);
        }
    }
    // A moving-phase position put on the board by hand, player one to act.
    void movingPosition(std::initializer_list<int> one, std::initializer_list<int> two) {
        int pawn = 0;
        for (int cell : one) move_pawn_to_cell(pawn++, cell, 1);
        for (int i = pawn; i < 12; ++i) en_pawn[i]->state = PAWN_RETURNED;
        pawn = 12;
        for (int cell : two) move_pawn_to_cell(pawn++, cell, 2);
        for (int i = pawn; i < 24; ++i) en_pawn[i]->state = PAWN_RETURNED;
        playerOne->pawnsOnBoard = static_cast<int>(one.size());
        playerTwo->pawnsOnBoard = static_cast<int>(two.size());
        playerOne->setOpenedTheGame(true);
        playerTwo->setOpenedTheGame(true);
        gamePhase = PHASE_CONTENDING;
        switchState(STATE_PLAYING);
        currentPlayer = playerOne;
        playerOne->setState(CHOOSING);
        startRecord(1);
        mainLoopPass();
    }
    void expectPosition(const GameSnapshot& expected, const char* when) {
        const GameSnapshot now = captureGame();
        EXPECT_TRUE(now.samePosition(expected)) << when;
        EXPECT_EQ(now.record, expected.record) << when;
        EXPECT_EQ(whoseFirstJare, expected.whoseFirstJare) << when;
        EXPECT_EQ(OtherEntities[0].visible, currentPlayer == playerOne) << when << ": the turn marker";
        EXPECT_EQ(OtherEntities[2].visible, currentPlayer == playerTwo) << when << ": the turn marker";
        for (int c = 0; c < CELL_COUNT; ++c) {
            const int pawn = en_cell[c]->getCurrentPawn();
            EXPECT_EQ(pawn >= 0, en_cell[c]->isOccupied() || en_cell[c]->showsMeUp()) << when << " point " << c;
            if (pawn >= 0) {
                EXPECT_EQ(en_pawn[pawn]->cell, c) << when;
            }
        }
    }
};

}  // namespace

TEST_F(TakeBack, PlacingTheFirstLineIsTakenBackAndPlayedAgain) {
    start();
    places(0), places(4), places(1), places(5);
    const GameSnapshot beforeLine = captureGame();
    places(2);  // player one's 0, 1, 2: the first line
    ASSERT_EQ(whoseFirstJare, 1);
    const GameSnapshot afterLine = captureGame();

    key(SDLK_u);
    expectPosition(beforeLine, "taken back");
    EXPECT_EQ(whoseFirstJare, 0);
    EXPECT_FALSE(doIOwn(2, 1));
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(playerOne->pawnsOnBoard, 2);
    EXPECT_EQ(playAidLine(), "Took back a placement");

    key(SDLK_y);
    expectPosition(afterLine, "played again");
    EXPECT_EQ(currentPlayer, playerTwo);
    EXPECT_TRUE(playerTwo->isChoosing());
    EXPECT_EQ(playAidLine(), "Played again a placement");

    // Ctrl+Z and Ctrl+Y do the same; plain z is not a take-back.
    key(SDLK_z);
    expectPosition(afterLine, "plain z");
    key(SDLK_z, KMOD_LCTRL);
    expectPosition(beforeLine, "Ctrl+Z");
    key(SDLK_y, KMOD_RCTRL);
    expectPosition(afterLine, "Ctrl+Y");
}

TEST_F(TakeBack, TheOpeningRemovalsAreTakenBackWithTheRecord) {
    start();
    fillWithoutLines();
    ASSERT_EQ(gamePhase, PHASE_OPENING);
    const GameSnapshot full = captureGame();
    removes(0);
    const GameSnapshot oneRemoved = captureGame();
    removes(2);
    ASSERT_EQ(gamePhase, PHASE_CONTENDING);
    const GameSnapshot moving = captureGame();
    ASSERT_EQ(moving.record.size(), 29u) << "the board went into the record";

    key(SDLK_u);
    expectPosition(oneRemoved, "the second removal taken back");
    EXPECT_EQ(gamePhase, PHASE_OPENING);
    EXPECT_TRUE(playerOne->isHitting());
    EXPECT_FALSE(playerOne->hasOpenedTheGame());
    EXPECT_EQ(gameToPost.str(), "1") << "the record as the game was finally played";
    EXPECT_EQ(playAidLine(), "Took back a removal");
    key(SDLK_u);
    expectPosition(full, "both taken back");
    EXPECT_EQ(playerOne->pawnsOnBoard, 12);
    EXPECT_TRUE(doIOwn(0, 1));
    EXPECT_EQ(en_pawn[en_cell[0]->getCurrentPawn()]->state, PAWN_PLACED);

    key(SDLK_y), key(SDLK_y);
    expectPosition(moving, "both played again");
    key(SDLK_y);
    EXPECT_EQ(playAidLine(), "Nothing to play again");
    expectPosition(moving, "nothing more to play again");

    // A different removal forgets what was taken back.
    key(SDLK_u);
    removes(11);
    key(SDLK_y);
    EXPECT_EQ(playAidLine(), "Nothing to play again");
    EXPECT_FALSE(doIOwn(11, 2));
}

TEST_F(TakeBack, AMoveWithItsRemovalIsTakenBackWhole) {
    movingPosition({0, 1, 14, 7}, {9, 19, 16, 12});
    const GameSnapshot start = captureGame();
    moves(14, 2);  // completes 0, 1, 2
    ASSERT_TRUE(playerOne->isHitting());
    key(SDLK_u);
    expectPosition(start, "half-way through the turn: back to its start");
    EXPECT_EQ(playAidLine(), "Took back a move");

    moves(14, 2);
    removes(12);
    ASSERT_EQ(currentPlayer, playerTwo);
    const GameSnapshot after = captureGame();
    key(SDLK_u);
    expectPosition(start, "the move and its removal taken back");
    EXPECT_EQ(playerTwo->pawnsOnBoard, 4);
    EXPECT_TRUE(doIOwn(12, 2)) << "the removed piece is back on its point";
    EXPECT_EQ(en_pawn[en_cell[12]->getCurrentPawn()]->state, PAWN_PLACED);
    EXPECT_EQ(playAidLine(), "Took back a move and a removal");
    key(SDLK_y);
    expectPosition(after, "played again");
    EXPECT_TRUE(playerTwo->isChoosing());
}

TEST_F(TakeBack, ASafeRouteMoveIsTakenBackWithItsSafeRoute) {
    DialogScript::install({true});
    movingPosition({1, 9, 14, 22, 4, 20}, {0, 2, 21});
    const GameSnapshot start = captureGame();
    moves(4, 5);  // player two is boxed in: the safe route is granted
    ASSERT_TRUE(safemovement);
    ASSERT_EQ(currentPlayer, playerOne);
    const GameSnapshot onSafeRoute = captureGame();
    moves(14, 13);  // 5, 13, 20 made on the safe route removes nothing
    ASSERT_EQ(currentPlayer, playerTwo);
    const GameSnapshot after = captureGame();

    key(SDLK_u);
    expectPosition(onSafeRoute, "back to the safe route");
    EXPECT_TRUE(safemovement);
    EXPECT_TRUE(playerOne->isChoosing());
    key(SDLK_u);
    expectPosition(start, "back before it");
    EXPECT_FALSE(safemovement);
    key(SDLK_y), key(SDLK_y);
    expectPosition(after, "both played again");
    EXPECT_EQ(DialogScript::questionsAsked(), 1) << "playing again asks nothing";
    EXPECT_EQ(playerTwo->pawnsOnBoard, 3);
}

TEST_F(TakeBack, AgainstTheComputerItsTurnAndThePersonsGoBack) {
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_BEGINNER);
    start();
    auto placeOnAFreePoint = [this] {
        for (int cell : {0, 4, 8, 13, 19, 21, 16, 6})
            if (en_cell[cell]->getCurrentPawn() < 0) return places(cell);
    };
    placeOnAFreePoint(), placeOnAFreePoint();
    const GameSnapshot two = captureGame();
    placeOnAFreePoint();
    const GameSnapshot three = captureGame();
    ASSERT_EQ(playerTwo->pawnsOnBoard, 3) << "the computer answered each placement";

    key(SDLK_u);
    expectPosition(two, "one step back");
    EXPECT_EQ(playerOne->pawnsOnBoard, 2);
    EXPECT_EQ(playerTwo->pawnsOnBoard, 2);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(playAidLine(), "Took back 2 placements");
    mainLoopPass();
    expectPosition(two, "the computer does not play meanwhile");
    key(SDLK_y);
    expectPosition(three, "played again");
    key(SDLK_u), key(SDLK_u), key(SDLK_u);
    EXPECT_EQ(playerOne->pawnsOnBoard + playerTwo->pawnsOnBoard, 0) << "back to the empty board";
    key(SDLK_u);
    EXPECT_EQ(playAidLine(), "Nothing to take back");
}

TEST_F(TakeBack, ATurnWhosePieceWasPickedUpEarlyIsStillNoted) {
    start();
    places(0);
    humanPlaces(4);  // player two, and no pass of the loop before...
    const GameSnapshot turnStart = captureGame();
    const int home = nextPieceAtHome(1);
    clickNow(pawnCentreX(home), pawnCentreY(home));  // ...player one holds a piece
    ASSERT_TRUE(playerOne->isMovingTo());
    mainLoopPass();
    movePointer(cellCentreX(8), cellCentreY(8));
    clickNow(cellCentreX(8), cellCentreY(8));
    mainLoopPass();
    key(SDLK_u);
    expectPosition(turnStart, "back to the turn whose piece was held");
    EXPECT_EQ(playAidLine(), "Took back a placement");
}

TEST_F(TakeBack, NothingIsTakenBackWhileAPieceGlidesOrInTheKeyboardState) {
    start();
    places(0), places(4), places(1);
    const GameSnapshot now = captureGame();
    Pawn* gliding = en_pawn[en_cell[4]->getCurrentPawn()];
    gliding->goFromThisToThat(0, 0, en_cell[4]->getX(), en_cell[4]->getY());
    releaseKeyNow(SDLK_u);
    EXPECT_EQ(playAidLine(), "Wait: a piece is moving");
    EXPECT_TRUE(captureGame().samePosition(now));
    gliding->state = PAWN_PLACED;

    releaseKeyNow(SDLK_F1);
    ASSERT_EQ(state, STATE_KEYBOARD);
    key(SDLK_u);
    EXPECT_TRUE(captureGame().samePosition(now)) << "u plays its beats instead";
    releaseKeyNow(SDLK_F1);
    key(SDLK_u);
    EXPECT_FALSE(doIOwn(1, 1));
}

TEST_F(TakeBack, TheKindFlipAndTheResetForgetTheHistory) {
    start();
    places(0), places(4);
    ASSERT_EQ(gameHistory.entries().size(), 3u);
    clickNow(playerTwo->getX() + 30, playerTwo->getY() + 30, SDL_BUTTON_RIGHT);
    mainLoopPass();
    EXPECT_TRUE(gameHistory.entries().empty());
    EXPECT_EQ(gameHistory.cursor(), -1);

    playerTwo->type = HUMAN;
    start();
    places(0), places(4);
    DialogScript::install({true});
    clickNow(ebut_existthegame->getX() + 30, ebut_existthegame->getY() + 30);  // reset: Yes
    ASSERT_EQ(state, STATE_STARTING);
    mainLoopPass();
    EXPECT_TRUE(gameHistory.entries().empty());
}

TEST(GameHistoryList, NotesOnlyNewPositionsAndForgetsTheReplayableOnes) {
    GameHistory history;
    GameSnapshot first, second, third;
    second.pieces[0] = 5;
    third.pieces[0] = 6;
    EXPECT_EQ(history.takeBack(first), nullptr);
    history.note(first);
    history.note(first);
    second.clockMilliseconds = 99;  // the clock alone is no new position
    history.note(second);
    second.clockMilliseconds = 0;
    history.note(second);
    EXPECT_EQ(history.entries().size(), 2u);
    EXPECT_EQ(history.takeBack(second), &history.entries()[0]);
    EXPECT_EQ(history.takeBack(third), &history.entries()[0]) << "half a turn goes back to its start";
    history.note(third);
    EXPECT_EQ(history.entries().size(), 2u);
    EXPECT_EQ(history.redo(), nullptr);
    EXPECT_FALSE(history.replace({first}, 1));
    EXPECT_TRUE(history.replace({}, -1));
}
