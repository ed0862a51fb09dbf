// Taking turns back and playing them again through the real input dispatch
// and game flow: every phase, a removal, a safe route, against the computer
// and between two people; the keys, and when they do nothing.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/playaids.h"
#include "app/session.h"
#include "bot/game.h"
#include "rules/history.h"
#include "rules/snapshot.h"
#include "sprites/turnmarks.h"
#include "support/events.h"
#include "support/play.h"
#include "support/position.h"
#include "upload/record.h"

namespace {

class TakeBack : public GameFlowTest {
protected:
    void SetUp() override { startGameShell(HUMAN, HUMAN); }

    void key(SDLKey key, SDLMod modifiers = KMOD_NONE) {
        releaseKeyNow(key, modifiers);
        mainLoopPass();
    }
    void movingPosition(const std::vector<int>& one, const std::vector<int>& two) {
        position(PHASE_CONTENDING, one, two);
        mainLoopPass();
    }
    // The game as `expected` holds it, with the points' bookkeeping to match.
    void expectPosition(const GameSnapshot& expected, const char* when) {
        expectGameAs(expected, when);
        for (int c = 0; c < CELL_COUNT; ++c) {
            const int pawn = en_cell[c]->getCurrentPawn();
            EXPECT_EQ(pawn >= 0, en_cell[c]->isOccupied() || en_cell[c]->showsMeUp()) << when << " point " << c;
            EXPECT_TRUE(pawn < 0 || (en_pawn[pawn]->cell == c && en_pawn[pawn]->state == PAWN_PLACED)) << when;
        }
    }
};

}  // namespace

TEST_F(TakeBack, PlacingTheFirstLineIsTakenBackAndPlayedAgainByEveryKey) {
    start();
    places(0), places(4), places(1), places(5);
    const GameSnapshot beforeLine = captureGame(0);
    places(2);  // player one's 0, 1, 2: the first line
    ASSERT_EQ(whoseFirstJare, 1);
    const GameSnapshot afterLine = captureGame(0);

    key(SDLK_u);
    expectPosition(beforeLine, "taken back");
    EXPECT_EQ(whoseFirstJare, 0);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(playerOne->pawnsOnBoard, 2);
    EXPECT_EQ(playAidLine(), "Took back a placement");
    key(SDLK_y);
    expectPosition(afterLine, "played again");
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
    fillWithoutLines();
    const GameSnapshot full = captureGame(0);
    removes(0);
    const GameSnapshot oneRemoved = captureGame(0);
    removes(2);
    ASSERT_EQ(gamePhase, PHASE_CONTENDING);
    const GameSnapshot moving = captureGame(0);
    ASSERT_EQ(moving.record.size(), 29u) << "the board went into the record";

    key(SDLK_u);
    expectPosition(oneRemoved, "the second removal taken back");
    EXPECT_TRUE(playerOne->isHitting());
    EXPECT_FALSE(playerOne->hasOpenedTheGame());
    EXPECT_EQ(gameToPost.str(), "1") << "the record as the game was finally played";
    EXPECT_EQ(playAidLine(), "Took back a removal");
    key(SDLK_u);
    expectPosition(full, "both taken back");
    EXPECT_TRUE(doIOwn(0, 1));
    key(SDLK_y), key(SDLK_y);
    expectPosition(moving, "both played again");
    key(SDLK_y);
    EXPECT_EQ(playAidLine(), "Nothing to play again");
    expectPosition(moving, "nothing more to play again");
}

TEST_F(TakeBack, AMoveWithItsRemovalIsTakenBackWhole) {
    movingPosition({0, 1, 14, 7}, {9, 19, 16, 12});
    const GameSnapshot start = captureGame(0);
    moves(14, 2);  // completes 0, 1, 2
    ASSERT_TRUE(playerOne->isHitting());
    key(SDLK_u);
    expectPosition(start, "half-way through the turn: back to its start");
    EXPECT_EQ(playAidLine(), "Took back a move");

    moves(14, 2);
    removes(12);
    ASSERT_EQ(currentPlayer, playerTwo);
    const GameSnapshot after = captureGame(0);
    key(SDLK_u);
    expectPosition(start, "the move and its removal taken back");
    EXPECT_TRUE(doIOwn(12, 2)) << "the removed piece is back on its point";
    EXPECT_EQ(playAidLine(), "Took back a move and a removal");
    key(SDLK_y);
    expectPosition(after, "played again");
    EXPECT_TRUE(playerTwo->isChoosing());
}

TEST_F(TakeBack, ASafeRouteMoveIsTakenBackWithItsSafeRoute) {
    DialogScript::install({true});
    movingPosition(boxedInOne, boxedInTwo);
    const GameSnapshot start = captureGame(0);
    moves(4, 5);  // the safe route is granted
    ASSERT_TRUE(safemovement);
    const GameSnapshot onSafeRoute = captureGame(0);
    moves(14, 13);  // 5, 13, 20 made on the safe route removes nothing
    ASSERT_EQ(currentPlayer, playerTwo);
    const GameSnapshot after = captureGame(0);

    key(SDLK_u);
    expectPosition(onSafeRoute, "back to the safe route");
    EXPECT_TRUE(safemovement && playerOne->isChoosing());
    key(SDLK_u);
    expectPosition(start, "back before it");
    EXPECT_FALSE(safemovement);
    key(SDLK_y), key(SDLK_y);
    expectPosition(after, "both played again");
    EXPECT_EQ(DialogScript::questionsAsked(), 1) << "playing again asks nothing";
    key(SDLK_u);
    ASSERT_TRUE(safemovement);
    resetall();
    EXPECT_FALSE(safemovement) << "a new board starts with no safe route, nor does its save";
}

// The rings of the last turns belong to the game as it was played: a
// position taken back, played again or resumed shows none.
TEST_F(TakeBack, TheLastTurnsMarksGoWithEveryPositionPutBack) {
    movingPosition({0, 1, 14, 7}, {9, 19, 16, 12});
    auto noMarks = [] {
        const TurnMarks one = turnMarksOf(1), two = turnMarksOf(2);
        return one.left + one.reached + one.removed + two.left + two.reached + two.removed == -6;
    };
    moves(7, 8);
    moves(19, 20);
    ASSERT_FALSE(noMarks());
    key(SDLK_u);
    EXPECT_TRUE(noMarks()) << "taken back";
    moves(7, 8);
    key(SDLK_u);
    key(SDLK_y);
    EXPECT_TRUE(noMarks()) << "played again";
    moves(19, 20);
    const SavedGame saved = saveOfLiveGame();
    ASSERT_FALSE(noMarks());
    resumeSavedGame(saved);
    EXPECT_TRUE(noMarks()) << "resumed";
}

TEST_F(TakeBack, AgainstTheComputerItsTurnAndThePersonsGoBack) {
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_BEGINNER);
    start();
    placesOnAFreePoint(), placesOnAFreePoint();
    const GameSnapshot two = captureGame(0);
    placesOnAFreePoint();
    const GameSnapshot three = captureGame(0);
    ASSERT_EQ(playerTwo->pawnsOnBoard, 3) << "the computer answered each placement";

    key(SDLK_u);
    expectPosition(two, "one step back");
    EXPECT_EQ(playerOne->pawnsOnBoard + playerTwo->pawnsOnBoard, 4);
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
    const GameSnapshot turnStart = captureGame(0);
    const int home = nextPieceAtHome(1);
    clickNow(pawnCentreX(home), pawnCentreY(home));  // ...player one holds a piece
    ASSERT_TRUE(playerOne->isMovingTo());
    mainLoopPass();
    clickNow(cellCentreX(8), cellCentreY(8));
    mainLoopPass();
    key(SDLK_u);
    expectPosition(turnStart, "back to the turn whose piece was held");
    EXPECT_EQ(playAidLine(), "Took back a placement");
}

TEST_F(TakeBack, NothingHappensWhileAPieceGlidesOrInTheKeyboardStateAndNoGameForgetsTheHistory) {
    start();
    places(0), places(4), places(1);
    ASSERT_EQ(gameHistory.entries().size(), 4u);
    const GameSnapshot now = captureGame(0);
    Pawn* gliding = en_pawn[en_cell[4]->getCurrentPawn()];
    gliding->goFromThisToThat(0, 0, en_cell[4]->getX(), en_cell[4]->getY());
    releaseKeyNow(SDLK_u);
    EXPECT_EQ(playAidLine(), "Wait: a piece is moving");
    EXPECT_TRUE(captureGame(0).samePosition(now));
    gliding->state = PAWN_PLACED;

    releaseKeyNow(SDLK_F1);
    key(SDLK_u);
    EXPECT_TRUE(captureGame(0).samePosition(now)) << "u plays its beats instead";
    releaseKeyNow(SDLK_F1);
    key(SDLK_u);
    EXPECT_FALSE(doIOwn(1, 1));

    // A kind flipped by a right click, or a reset, ends the game.
    clickNow(playerTwo->getX() + 30, playerTwo->getY() + 30, SDL_BUTTON_RIGHT);
    mainLoopPass();
    EXPECT_TRUE(gameHistory.entries().empty());
    EXPECT_EQ(gameHistory.cursor(), -1);
    playerTwo->type = HUMAN;
    start();
    places(0);
    DialogScript::install({true});
    clickNow(ebut_existthegame->getX() + 30, ebut_existthegame->getY() + 30);
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
