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
#include "app/render.h"
#include "bot/game.h"
#include "rules/computerturn.h"
#include "support/logcount.h"
#include "support/play.h"
#include "support/position.h"

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
        EXPECT_EQ(iGame, ownEngine) << "the one engine is back";
    }

    // Whether the status bars show a clock at the column of `x`: dark
    // digits on a white window.
    static bool clockDrawnAt(int x) {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
        renderStatusBars(screen);
        bool dark = false;
        for (int y = 16; y < 34 && !dark; ++y)
            for (int column = x; column < x + 70 && !dark; ++column) {
                Uint8 r, g, b;
                SDL_GetRGB(static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + column], screen->format, &r,
                           &g, &b);
                dark = r < 128 && g < 128 && b < 128;
            }
        return dark;
    }

    Game* ownEngine = nullptr;  // the engine start-up made, given back at the end
};

bool anyFlashes(std::initializer_list<int> points) {
    for (int point : points)
        if (en_cell[point]->showsMeUp()) return true;
    return false;
}

}  // namespace

TEST_F(Turns, TheMarkerAndTheClockFollowEveryChangeOfHand) {
    start();
    for (int cell : {0, 3, 6, 9, 12}) {  // no two in a line
        iPlayer* next = currentPlayer == playerOne ? playerTwo : playerOne;
        SDL_Delay(100);
        ASSERT_GE(timer.getTime(), 100u);
        const Uint32 before = SDL_GetTicks();
        humanPlaces(cell);
        const Uint32 clock = timer.getTime(), took = SDL_GetTicks() - before;
        EXPECT_EQ(currentPlayer, next) << cell;
        EXPECT_EQ(OtherEntities[0].visible, next == playerOne) << cell;
        EXPECT_EQ(OtherEntities[2].visible, next == playerTwo) << cell;
        EXPECT_EQ(clockDrawnAt(5), next == playerOne) << cell;
        EXPECT_EQ(clockDrawnAt(670), next == playerTwo) << cell;
        // Not restarted, the clock would show at least 100 ms more than that.
        EXPECT_LE(clock, took + 1) << "the clock starts again for the other side";
    }
}

TEST_F(Turns, TheComputersFirstLineWhilePlacingFlashesOnTheNextPassAndEnds) {
    ScriptedPlacements script({0, 1, 2});
    playerTwo->type = COMPUTER;
    setPlayerEngines(nullptr, &script);
    start();
    humanPlaces(9);
    humanPlaces(10);
    EXPECT_FALSE(anyFlashes({0, 1})) << "no line yet";
    humanPlaces(12);
    ASSERT_TRUE(doIOwn(0, 2) && doIOwn(1, 2) && doIOwn(2, 2));
    EXPECT_EQ(whoseFirstJare, playerTwo->id);
    mainLoopPass();
    EXPECT_TRUE(en_cell[0]->showsMeUp() && en_cell[1]->showsMeUp() && en_cell[2]->showsMeUp());
    EXPECT_FALSE(en_cell[9]->showsMeUp());
    for (int passes = 0; passes < 5000 && anyFlashes({0, 1, 2}); ++passes) mainLoopPass();
    for (int point : {0, 1, 2}) {
        EXPECT_EQ(en_cell[point]->getState(), CELL_OCCUPIED) << point;
        EXPECT_TRUE(doIOwn(point, 2)) << point;
    }
    mainLoopPass();
    EXPECT_FALSE(anyFlashes({0, 1, 2})) << "it flashed once: later passes leave the points alone";

    // A new board forgets a flash still queued.
    en_pawn[12]->pendingJare = 0;
    en_pawn[13]->pendingJare = 14;
    resetall();
    mainLoopPass();
    for (int point = 0; point < CELL_COUNT; ++point) EXPECT_FALSE(en_cell[point]->showsMeUp()) << point;
    for (Pawn* pawn : en_pawn) EXPECT_EQ(pawn->pendingJare, -1);
}

TEST_F(Turns, TheWaitForGlidesDoesNotHangOnAPieceThatNeverArrives) {
    start();
    // Left hanging on the pointer: it "moves" until someone puts it down.
    en_pawn[3]->state = PAWN_PICKED;
    waitIfPawnIsMoving();
    EXPECT_EQ(en_pawn[3]->state, PAWN_PICKED) << "the wait gave up; the piece is as it was";
    EXPECT_EQ(occurrences(logText(), "still moving"), 1);

    // A piece that does arrive ends the wait without that line.
    en_pawn[3]->state = PAWN_IDLE;
    en_pawn[4]->goFromThisToThat(en_pawn[4]->getX(), en_pawn[4]->getY(), en_cell[5]->getX(), en_cell[5]->getY());
    waitIfPawnIsMoving();
    EXPECT_FALSE(en_pawn[4]->isMoving());
    EXPECT_EQ(occurrences(logText(), "still moving"), 1);
}
