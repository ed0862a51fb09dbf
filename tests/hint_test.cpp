// The hint: on positions with one right answer the Expert's advice is that
// answer, whatever level the computer plays at; it is marked on the board
// with the score in a word, and goes once the position moves on.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/playaids.h"
#include "app/render.h"
#include "bot/advice.h"
#include "bot/evaluate.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/queries.h"
#include "sprites/dialogs.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"
#include "support/position.h"
#include "support/testenv.h"
#include "upload/record.h"

namespace {

class Hint : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, HUMAN);
        iGame->setGameLevel(LEVEL_DUMMY);  // the advice is the Expert's all the same
    }

    // Pieces not listed are removed (moving) or at home (placing); player
    // one to act.
    void position(int phase, std::initializer_list<int> one, std::initializer_list<int> two) {
        place(one, 1);
        place(two, 2);
        if (phase != PHASE_RESETTLEMENT)
            for (Pawn* pawn : en_pawn)
                if (pawn->state == PAWN_IDLE) pawn->state = PAWN_RETURNED;
        playerOne->pawnsOnBoard = static_cast<int>(one.size());
        playerTwo->pawnsOnBoard = static_cast<int>(two.size());
        playerOne->setOpenedTheGame(phase == PHASE_CONTENDING);
        playerTwo->setOpenedTheGame(phase == PHASE_CONTENDING);
        gamePhase = phase;
        switchState(STATE_PLAYING);
        turnOf(1);
        playerOne->setState(CHOOSING);
        startRecord(1);
        mainLoopPass();
    }
    engine::Move hint() {
        releaseKeyNow(SDLK_h);
        const engine::Advice* advice = shownAdvice();
        EXPECT_NE(advice, nullptr);
        return advice ? advice->move : engine::Move();
    }
};

// The colour drawn at (x, y) of the screen.
void pixelAt(int x, int y, Uint8& r, Uint8& g, Uint8& b) {
    SDL_LockSurface(screen);
    Uint32 value = *reinterpret_cast<Uint32*>(static_cast<Uint8*>(screen->pixels) + y * screen->pitch +
                                              x * screen->format->BytesPerPixel);
    SDL_UnlockSurface(screen);
    SDL_GetRGB(value, screen->format, &r, &g, &b);
}

}  // namespace

TEST_F(Hint, CompletesALineWhenItCan) {
    position(PHASE_CONTENDING, {0, 1, 14, 22}, {19, 16, 12, 6});
    const engine::Move move = hint();
    EXPECT_EQ(move.from, 14);
    EXPECT_EQ(move.to, 2) << "14 to 2 completes 0, 1, 2";
    EXPECT_EQ(playAidLine(), "Hint: winning");
}

TEST_F(Hint, BlocksTheOtherSidesLine) {
    // Player two steps 3 to 4 next and completes 1, 4, 7, unless player one
    // steps 5 into 4 first; player one can make no line of its own.
    position(PHASE_CONTENDING, {5, 15, 23, 18}, {1, 7, 3, 12});
    const engine::Move move = hint();
    EXPECT_EQ(move.from, 5);
    EXPECT_EQ(move.to, 4);
}

TEST_F(Hint, BlocksALineWhilePlacing) {
    // Player two holds 3 and 4; the first line decides who removes first.
    position(PHASE_RESETTLEMENT, {0, 16}, {3, 4});
    const engine::Move move = hint();
    EXPECT_TRUE(move.isPlacement());
    EXPECT_EQ(move.to, 5);
}

TEST_F(Hint, RemovesThePieceOfADoubleThreat) {
    // Player two's piece on 10 can step to 9 (0, 9, 21) or to 11 (6, 11,
    // 15): only its removal stops both. Player one has just made 16, 19, 22.
    position(PHASE_CONTENDING, {16, 19, 22, 18}, {0, 21, 6, 15, 10});
    playerOne->setState(HITTING);
    const engine::Move move = hint();
    EXPECT_TRUE(move.isRemoval());
    EXPECT_EQ(move.from, 10);
}

TEST_F(Hint, IsMarkedOnTheBoardUntilThePositionMovesOn) {
    position(PHASE_CONTENDING, {0, 1, 14, 22}, {19, 16, 12, 6});
    hint();
    render(gamescreen, minigamescreen, screen);
    Uint8 r, g, b;
    pixelAt(en_cell[2]->getX() + 25 + 23, en_cell[2]->getY() + 25, r, g, b);
    EXPECT_GT(g, 150) << "a green ring around the destination";
    EXPECT_LT(r, 120);
    pixelAt(en_cell[14]->getX() + 25, en_cell[14]->getY() + 25 - 23, r, g, b);
    EXPECT_GT(r, 200) << "a golden ring around the piece to move";
    EXPECT_GT(g, 150);

    clickNow(cellCentreX(14), cellCentreY(14));  // picking the piece up keeps it
    mainLoopPass();
    EXPECT_NE(shownAdvice(), nullptr);
    movePointer(cellCentreX(2), cellCentreY(2));
    clickNow(cellCentreX(2), cellCentreY(2));
    mainLoopPass();
    EXPECT_EQ(shownAdvice(), nullptr);
    EXPECT_EQ(playAidLine(), "");
}

TEST(HintWords, AreWinningEvenOrLosingByMostOfAPiece) {
    EXPECT_STREQ(engine::judgementOf(engine::WIN_SCORE - 3), "winning");
    EXPECT_STREQ(engine::judgementOf(engine::PIECE_VALUE), "winning");
    EXPECT_STREQ(engine::judgementOf(200), "even");
    EXPECT_STREQ(engine::judgementOf(-200), "even");
    EXPECT_STREQ(engine::judgementOf(-engine::PIECE_VALUE), "losing");
}
