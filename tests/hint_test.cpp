// The hint: on positions with one right answer the Expert's advice is that
// answer, whatever level the computer plays at; it is marked on the board
// with the score in a word, and goes once the position moves on.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/playaids.h"
#include "app/render.h"
#include "bot/advice.h"
#include "bot/evaluate.h"
#include "bot/game.h"
#include "support/events.h"
#include "support/play.h"
#include "support/position.h"

namespace {

class Hint : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, HUMAN);
        iGame->setGameLevel(LEVEL_DUMMY);  // the advice is the Expert's all the same
    }
    engine::Move hint() {
        mainLoopPass();
        releaseKeyNow(SDLK_h);
        const engine::Advice* advice = shownAdvice();
        EXPECT_NE(advice, nullptr);
        return advice ? advice->move : engine::Move();
    }
};

Uint8 channelAt(int x, int y, int channel) {
    Uint8 rgb[3];
    SDL_GetRGB(static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + x], screen->format, &rgb[0], &rgb[1],
               &rgb[2]);
    return rgb[channel];
}

}  // namespace

TEST_F(Hint, IsTheOneRightAnswer) {
    const struct {
        const char* what;
        int phase;
        std::vector<int> one, two;
        bool removing;
        int from, to;
    } cases[] = {
        {"5 to 4 before player two's 3 to 4 completes 1, 4, 7", PHASE_CONTENDING, {5, 15, 23, 18}, {1, 7, 3, 12},
         false, 5, 4},
        {"5 blocks 3, 4 while placing", PHASE_RESETTLEMENT, {0, 16}, {3, 4}, false, -1, 5},
        // 10 can step to 9 (0, 9, 21) or to 11 (6, 11, 15).
        {"the piece of a double threat", PHASE_CONTENDING, {16, 19, 22, 18}, {0, 21, 6, 15, 10}, true, 10, -1},
    };
    for (const auto& c : cases) {
        position(c.phase, c.one, c.two);
        if (c.removing) playerOne->setState(HITTING);
        const engine::Move move = hint();
        EXPECT_EQ(std::make_pair(int(move.from), int(move.to)), std::make_pair(c.from, c.to)) << c.what;
    }
}

// With one legal action there is nothing to search: the word is still the
// position's own.
TEST_F(Hint, JudgesAPositionWithOneLegalActionByItself) {
    position(PHASE_CONTENDING, {0, 1, 2}, {9, 4, 3, 5, 7, 10, 13, 22});
    const engine::Move move = hint();
    EXPECT_EQ(std::make_pair(int(move.from), int(move.to)), std::make_pair(2, 14)) << "the only step";
    EXPECT_EQ(playAidLine(), "Hint: losing") << "three pieces against eight";
}

TEST_F(Hint, IsMarkedOnTheBoardWithItsWordUntilThePositionMovesOn) {
    position(PHASE_CONTENDING, {0, 1, 14, 22}, {19, 16, 12, 6});
    hint();
    EXPECT_EQ(playAidLine(), "Hint: winning");
    render(gamescreen, minigamescreen, screen);
    const int toX = en_cell[2]->getX() + 48, toY = en_cell[2]->getY() + 25;
    EXPECT_GT(channelAt(toX, toY, 1), 150) << "a green ring around the destination";
    EXPECT_LT(channelAt(toX, toY, 0), 120);
    const int fromX = en_cell[14]->getX() + 25, fromY = en_cell[14]->getY() + 2;
    EXPECT_GT(channelAt(fromX, fromY, 0), 200) << "a golden ring around the piece to move";
    EXPECT_GT(channelAt(fromX, fromY, 1), 150);

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
    const std::pair<int, const char*> words[] = {{engine::WIN_SCORE - 3, "winning"}, {engine::PIECE_VALUE, "winning"},
                                                 {200, "even"},   {-200, "even"},  {-engine::PIECE_VALUE, "losing"}};
    for (auto [score, word] : words) EXPECT_STREQ(engine::judgementOf(score), word) << score;
}
