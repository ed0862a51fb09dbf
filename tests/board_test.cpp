// The board tables, the points and the board queries.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/globals.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "sprites/glide.h"
#include "support/events.h"
#include "support/position.h"
#include "support/testenv.h"

namespace {
bool neighbours(int a, int b) {
    for (int n : cellAdjents[a])
        if (n == b) return true;
    return false;
}
}  // namespace

// Three tables describe one board: each must agree with the other two.
TEST(BoardTables, LinesNeighboursAndLinesThroughAPointAgree) {
    // Each point's neighbours in their order: the queries stop at the first
    // match, and the computer's lists follow it.
    const char* const order[CELL_COUNT] = {"1 9",     "0 2 4",     "1 14",     "10 4",   "3 5 1 7",    "4 13",
                                           "7 11",    "4 6 8",     "7 12",     "0 10 21", "3 9 11 18", "6 10 15",
                                           "8 17 13", "5 12 14 20", "2 13 23", "11 16",  "15 17 19",   "12 16",
                                           "10 19",   "16 18 20 22", "13 19",  "9 22",   "19 21 23",   "14 22"};
    for (int a = 0; a < CELL_COUNT; ++a) {
        std::string listed;
        for (int n : cellAdjents[a])
            if (n >= 0) listed += (listed.empty() ? "" : " ") + std::to_string(n);
        EXPECT_EQ(listed, order[a]) << a;
        std::set<int> through;
        for (int line = 0; line < LINE_COUNT; ++line)
            if (lineHasCell(line, a)) through.insert(line);
        EXPECT_EQ(through, (std::set<int>{cellJare[a][0], cellJare[a][1]})) << a;
    }
    for (int line = 0; line < LINE_COUNT; ++line) {
        EXPECT_TRUE(neighbours(jare[line][0], jare[line][1])) << line;
        EXPECT_TRUE(neighbours(jare[line][1], jare[line][2])) << line;
        EXPECT_FALSE(neighbours(jare[line][0], jare[line][2])) << line;
    }
}

TEST(Cell, TheFlashRestoresTheRightState) {
    startHeadlessGame();
    place({5}, 1);
    signalJare(2, CELL_OCCUPIED);  // 3, 4, 5: only 5 holds a piece
    // A flash lasts its time from the first frame that shows it, whenever
    // that is (the computer may think first).
    static Uint32 (*const stillClock)() = [] { return Uint32{5000}; };
    setGlideClock(stillClock);
    skipGlideClock(30);
    for (Uint32 waited = 0; waited < FLASH_MILLISECONDS; waited += 20) {
        for (int point : {3, 4, 5}) en_cell[point]->displaySingleScreen();
        ASSERT_TRUE(en_cell[5]->showsMeUp()) << waited;
        skipGlideClock(20);
    }
    for (int point : {3, 4, 5}) en_cell[point]->displaySingleScreen();
    EXPECT_TRUE(en_cell[5]->isOccupied());
    EXPECT_EQ(en_cell[5]->getCurrentPawn(), 0);
    EXPECT_TRUE(en_cell[3]->isEmpty() && en_cell[4]->isEmpty()) << "playable again, not occupied";
    EXPECT_FLOAT_EQ(en_cell[5]->getRadius(), 25.0f);
    setGlideClock(nullptr);
}

TEST(Cell, IsSelectedStrictlyInsideAndDrawsItsPictureOnlyWhenFree) {
    startHeadlessGame();
    Cell& cell = *en_cell[7];  // 360, 185
    for (auto [x, y] : {std::pair{360, 210}, {410, 210}, {385, 185}, {385, 235}}) {
        movePointer(x, y);
        EXPECT_FALSE(cell.selected()) << x << "," << y;
    }
    movePointer(361, 186);
    EXPECT_TRUE(cell.selected());

    auto drawnAs = [&cell](CellStates state) {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 1, 2, 3));
        cell.setState(state);
        cell.displaySingleScreen();
        return static_cast<Uint32*>(screen->pixels)[210 * screen->pitch / 4 + 385];
    };
    const Uint32 background = SDL_MapRGB(screen->format, 1, 2, 3);
    EXPECT_EQ(drawnAs(CELL_OCCUPIED), background);
    EXPECT_NE(drawnAs(CELL_EMPTY), background);
    EXPECT_NE(drawnAs(CELL_SHADOWED), drawnAs(CELL_EMPTY));
}

