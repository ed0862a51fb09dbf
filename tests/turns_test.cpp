// What follows a hand change and what a line sets off, pinned where the
// rest of the suite would let a change pass: the turn marker and the clock
// follow every change of hand; the computer's first line while placing
// flashes on the next pass of the loop and its points come back occupied;
// a new board forgets a flash still queued; and the wait for gliding
// pieces cannot hang on a piece that never arrives.
#include <gtest/gtest.h>

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
#include "support/logcount.h"
#include "support/play.h"
#include "settings/log.h"
#include "support/testenv.h"

namespace {

// A computer that places where it is told, in order.
class ScriptedPlacements : public Game {
public:
    explicit ScriptedPlacements(std::vector<int> cells) : cells(std::move(cells)) {}
    bool getBestChoice(int* cell) override {
        if (next >= cells.size()) return false;
        *cell = cells[next++];
        setMessage("placing where the script says");
        return true;
    }

private:
    std::vector<int> cells;
    size_t next = 0;
};

class Turns : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, HUMAN);
        logEverything();
        ownEngine = iGame;
    }
    void TearDown() override {
        GameFlowTest::TearDown();
        setPlayerEngines(nullptr, nullptr);
        iGame = ownEngine;
    }

    void startWithPlayerOne() {
        clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
        ASSERT_EQ(state, STATE_PLAYING);
        ASSERT_EQ(currentPlayer, playerOne);
    }

    // Whether the status bars show a clock at the column of `x`: dark
    // digits on a white window.
    static bool clockDrawnAt(int x) {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
        renderStatusBars(screen);
        SDL_LockSurface(screen);
        bool dark = false;
        for (int y = 16; y < 34 && !dark; ++y)
            for (int column = x; column < x + 70 && !dark; ++column) {
                Uint8 r, g, b;
                Uint32 value = static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + column];
                SDL_GetRGB(value, screen->format, &r, &g, &b);
                dark = r < 128 && g < 128 && b < 128;
            }
        SDL_UnlockSurface(screen);
        return dark;
    }

    void expectTurnShownFor(iPlayer* player, const std::string& when) {
        EXPECT_EQ(currentPlayer, player) << when;
        EXPECT_EQ(OtherEntities[0].visible, player == playerOne) << when;
        EXPECT_EQ(OtherEntities[2].visible, player == playerTwo) << when;
        EXPECT_EQ(clockDrawnAt(5), player == playerOne) << when;
        EXPECT_EQ(clockDrawnAt(670), player == playerTwo) << when;
    }

    Game* ownEngine = nullptr;  // the engine start-up made, given back at the end
};

}  // namespace

TEST_F(Turns, TheMarkerAndTheClockFollowEveryChangeOfHand) {
    startWithPlayerOne();
    expectTurnShownFor(playerOne, "at the start");
    const int placements[] = {0, 3, 6, 9, 12, 15, 18, 21};  // no two in a line
    for (int cell : placements) {
        iPlayer* mover = currentPlayer;
        SDL_Delay(100);
        const Uint32 before = SDL_GetTicks();
        ASSERT_GE(timer.getTime(), 100u);
        humanPlaces(cell);
        const Uint32 clock = timer.getTime();
        const Uint32 took = SDL_GetTicks() - before;
        iPlayer* next = mover == playerOne ? playerTwo : playerOne;
        expectTurnShownFor(next, "after a placement on " + std::to_string(cell));
        // Not restarted, the clock would show at least 100 ms more than that.
        EXPECT_LE(clock, took + 1) << "the clock starts again for the other side";
    }
}

TEST_F(Turns, TheComputersFirstLineWhilePlacingFlashesOnTheNextPassAndEnds) {
    ScriptedPlacements script({0, 1, 2});
    playerTwo->type = COMPUTER;
    setPlayerEngines(nullptr, &script);
    startWithPlayerOne();
    humanPlaces(9);
    humanPlaces(10);
    for (int point : {0, 1, 2}) EXPECT_FALSE(en_cell[point]->showsMeUp()) << "no line yet";
    humanPlaces(12);
    ASSERT_TRUE(doIOwn(0, 2) && doIOwn(1, 2) && doIOwn(2, 2));
    EXPECT_EQ(whoseFirstJare, playerTwo->id);
    mainLoopPass();
    for (int point : {0, 1, 2}) EXPECT_TRUE(en_cell[point]->showsMeUp()) << point;
    EXPECT_FALSE(en_cell[9]->showsMeUp());
    int passes = 0;
    while ((en_cell[0]->showsMeUp() || en_cell[1]->showsMeUp() || en_cell[2]->showsMeUp()) &&
           passes < 5000) {
        mainLoopPass();
        ++passes;
    }
    for (int point : {0, 1, 2}) {
        EXPECT_EQ(en_cell[point]->getState(), CELL_OCCUPIED) << point;
        EXPECT_TRUE(doIOwn(point, 2)) << point;
    }
    // It flashed once: later passes leave the points alone.
    mainLoopPass();
    for (int point : {0, 1, 2}) EXPECT_FALSE(en_cell[point]->showsMeUp()) << point;
}

TEST_F(Turns, ANewBoardForgetsAFlashStillQueued) {
    startWithPlayerOne();
    humanPlaces(0);
    en_pawn[12]->pendingJare = 0;  // as a computer's line leaves it, not yet shown
    en_pawn[13]->pendingJare = 14;
    resetall();
    mainLoopPass();
    for (int point = 0; point < CELL_COUNT; ++point)
        EXPECT_FALSE(en_cell[point]->showsMeUp()) << point;
    for (Pawn* pawn : en_pawn) EXPECT_EQ(pawn->pendingJare, -1);
}

TEST_F(Turns, TheWaitForGlidesDoesNotHangOnAPieceThatNeverArrives) {
    startWithPlayerOne();
    // Left hanging on the pointer: it "moves" until someone puts it down.
    en_pawn[3]->state = PAWN_PICKED;
    waitIfPawnIsMoving();
    EXPECT_EQ(en_pawn[3]->state, PAWN_PICKED) << "the wait gave up; the piece is as it was";
    EXPECT_NE(logText().find("still moving"), std::string::npos);

    // A piece that does arrive ends the wait without that line.
    en_pawn[3]->state = PAWN_IDLE;
    const int givenUp = occurrences(logText(), "still moving");
    en_pawn[4]->goFromThisToThat(en_pawn[4]->getX(), en_pawn[4]->getY(), en_cell[5]->getX(),
                                 en_cell[5]->getY());
    waitIfPawnIsMoving();
    EXPECT_FALSE(en_pawn[4]->isMoving());
    EXPECT_EQ(occurrences(logText(), "still moving"), givenUp);
}
