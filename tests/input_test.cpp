// The dispatch of keys, clicks and right clicks by screen state.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/input.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "settings/log.h"
#include "sprites/glide.h"
#include "support/events.h"
#include "support/play.h"
#include "support/position.h"
#include "upload/record.h"

namespace {
class Input : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessGame();
        logEverything();
        paceFrames = false;
        playerTwo->type = HUMAN;
        DialogScript::install({});
    }
    void TearDown() override { DialogScript::remove(); }
    void clickButton(Entity* button) { clickNow(button->getX() + 30, button->getY() + 30); }
    void rightClick(iPlayer* player) { clickNow(player->getX() + 30, player->getY() + 40, SDL_BUTTON_RIGHT); }
};
}  // namespace

TEST_F(Input, EscapeQuitsEverywhereQOutsideTheKeyboardStateAndF1KeepsTheGame) {
    releaseKeyNow(SDLK_q);
    EXPECT_TRUE(quit);
    quit = false;
    clickButton(ebut_redstarts);
    releaseKeyNow(SDLK_F1);
    EXPECT_EQ(state, STATE_KEYBOARD);
    EXPECT_TRUE(ebut_barud->visible);
    clickNow(pawnCentreX(0), pawnCentreY(0));
    EXPECT_EQ(en_pawn[0]->state, PAWN_IDLE) << "clicks on the board do nothing now";
    releaseKeyNow(SDLK_q);
    EXPECT_FALSE(quit) << "q is a drum letter in the keyboard state";
    releaseKeyNow(SDLK_F1);
    EXPECT_EQ(state, STATE_PLAYING);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_FALSE(ebut_dradan->visible);
    releaseKeyNow(SDLK_F1);
    releaseKeyNow(SDLK_ESCAPE);
    EXPECT_TRUE(quit);
    EXPECT_EQ(DialogScript::questionsAsked(), 0);
}

TEST_F(Input, DrumLettersPlayTheirBeatsAndEveryKeyWaits) {
    EXPECT_STREQ(beatPatternOf('a'), "1");
    EXPECT_STREQ(beatPatternOf('n'), "0110");
    EXPECT_STREQ(beatPatternOf('z'), "1010");
    EXPECT_EQ(beatPatternOf('A'), nullptr);
    releaseKeyNow(SDLK_F1);
    Uint32 start = SDL_GetTicks();
    releaseKeyNow(SDLK_s);  // four beats: 4 x 240 ms, then 340 ms
    const Uint32 letter = SDL_GetTicks() - start;
    EXPECT_GE(letter, 4u * 240 + 340 - 20);  // the timer's tick is coarse
    start = SDL_GetTicks();
    releaseKeyNow(SDLK_5);  // no beat, only the wait
    const Uint32 other = SDL_GetTicks() - start;
    EXPECT_GE(other, 320u);
    EXPECT_LT(other + 2 * 240, letter) << "the digit plays no beats";
}

TEST_F(Input, KeysForDebugFlashesMusicAndTheForcedReport) {
    ILog.setLevel(1);
    releaseKeyNow(SDLK_v);
    EXPECT_EQ(std::make_pair(debug, ILog.getLevel()), std::make_pair(1, 4));
    releaseKeyNow(SDLK_v);
    EXPECT_EQ(std::make_pair(debug, ILog.getLevel()), std::make_pair(0, 1));

    ASSERT_EQ(currentPlayer, nullptr);
    gameToPost.str("");
    logEverything();
    releaseKeyNow(SDLK_r);
    EXPECT_EQ(gameToPost.str(), std::string(24, '0') + "0000-") << "human, human, nobody to move, level 0, '-'";
    EXPECT_NE(logText().find("User does not wish to communicate this game"), std::string::npos);
    EXPECT_EQ(ILog.getLevel(), 1) << "as the debug key left it";

    releaseKeyNow(SDLK_m);
    EXPECT_TRUE(musicStarted);
    if (music) {
        EXPECT_TRUE(Mix_PlayingMusic());
        releaseKeyNow(SDLK_n);
        EXPECT_TRUE(Mix_PausedMusic());
        releaseKeyNow(SDLK_m);
        EXPECT_FALSE(Mix_PausedMusic());
    } else {
        EXPECT_NE(logText().find("Unable to play  background music! : "), std::string::npos);
    }

    clickButton(ebut_redstarts);
    movePointer(cellCentreX(4), cellCentreY(4));
    releaseKeyNow(SDLK_i);
    for (int c = 0; c < CELL_COUNT; ++c) EXPECT_EQ(en_cell[c]->showsMeUp(), c == 3 || c == 5 || c == 1 || c == 7) << c;
    for (int c = 0; c < CELL_COUNT; ++c) en_cell[c]->resetState();
    movePointer(cellCentreX(0), cellCentreY(0));
    releaseKeyNow(SDLK_j);
    for (int c = 0; c < CELL_COUNT; ++c)
        EXPECT_EQ(en_cell[c]->showsMeUp(), c == 0 || c == 1 || c == 2 || c == 9 || c == 21) << c;
    // The flash of empty points ends with points that can still be played.
    for (int frame = 0; frame < 2; ++frame) {
        for (int c = 0; c < CELL_COUNT; ++c) en_cell[c]->displaySingleScreen();
        skipGlideClock(FLASH_MILLISECONDS);
    }
    for (int c = 0; c < CELL_COUNT; ++c) EXPECT_TRUE(en_cell[c]->isEmpty()) << c;
}

TEST_F(Input, ButtonsStartTheGameAskBeforeQuittingOrResettingAndSetTheSpeed) {
    clickButton(ebut_greystarts);
    EXPECT_EQ(currentPlayer, playerTwo);
    EXPECT_TRUE(playerTwo->isChoosing());
    EXPECT_FALSE(ebut_redstarts->visible);
    EXPECT_EQ(gameToPost.str(), "2");
    EXPECT_TRUE(OtherEntities[2].visible);

    ASSERT_EQ(speedBar->speed, 1);
    clickNow(210, 385);
    clickNow(210, 385);
    EXPECT_EQ(speedBar->speed, 0) << "the fastest";
    for (int i = 0; i < 12; ++i) clickNow(210, 504);
    EXPECT_EQ(speedBar->speed, 10) << "the slowest";
    EXPECT_NE(logText().find("Speed changed\n\r\n"), std::string::npos);

    DialogScript::install({true});
    humanPlaces(0);
    clickButton(ebut_existthegame);
    EXPECT_EQ(DialogScript::questionsAsked(), 1);
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_FALSE(doIOwn(0, 2) || quit);
    EXPECT_EQ(en_pawn[12]->state, PAWN_IDLE);

    DialogScript::install({false, true});
    clickButton(ebut_existthegame);
    EXPECT_FALSE(quit);
    clickButton(ebut_existthegame);
    EXPECT_TRUE(quit);
    quit = false;
    DialogScript::install({false, true});
    SDL_Event close = {};
    close.type = SDL_QUIT;
    dispatchEvent(close);
    EXPECT_FALSE(quit);
    dispatchEvent(close);
    EXPECT_TRUE(quit);
    EXPECT_EQ(DialogScript::questionsAsked(), 2);
}

// A hand may move on before the game has taken its click: the click still
// acts where it was made.
TEST_F(Input, AClickActsWhereItWasMadeThoughThePointerMovedOnSince) {
    clickButton(ebut_redstarts);
    queueClick(pawnCentreX(0), pawnCentreY(0));
    SDL_WarpMouse(700, 20);
    mainLoopPass();
    EXPECT_EQ(en_pawn[0]->state, PAWN_PICKED);
    EXPECT_TRUE(playerOne->isMovingTo());
}

TEST_F(Input, RightClicksFlipAPlayersKindButNeverToTwoComputersAndDescribeAPiece) {
    clickButton(ebut_redstarts);
    rightClick(playerOne);
    EXPECT_TRUE(playerOne->IsComputer());
    EXPECT_EQ(state, STATE_STARTING) << "a flip clears the board";
    EXPECT_EQ(gameToPost.str(), "1");
    rightClick(playerTwo);
    EXPECT_TRUE(playerTwo->IsHuman()) << "two computers are refused";
    rightClick(playerOne);
    EXPECT_TRUE(playerOne->IsHuman());
    rightClick(playerTwo);
    EXPECT_TRUE(playerTwo->IsComputer());

    clickNow(pawnCentreX(13), pawnCentreY(13), SDL_BUTTON_RIGHT);
    EXPECT_NE(logText().find("Pawn Id: 13\nPawn Status: 0\nOwned by player: 2\n\r\n"), std::string::npos);
}
