// The board tables, the points and the board queries.
#include <gtest/gtest.h>

#include <set>

#include "app/globals.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "sprites/glide.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/testenv.h"

namespace {
bool neighbours(int a, int b) {
    for (int n : cellAdjents[a])
        if (n == b) return true;
    return false;
}
}  // namespace

TEST(BoardTables, LinesNeighboursAndLinesThroughAPointAgree) {
    for (int a = 0; a < CELL_COUNT; ++a) {
        int count = 0;
        for (int n : cellAdjents[a]) {
            if (n < 0) continue;
            ++count;
            EXPECT_TRUE(neighbours(n, a)) << a << " and " << n;
        }
        EXPECT_GE(count, 2) << a;
        EXPECT_EQ(count == 4, a == 4 || a == 10 || a == 13 || a == 19) << a;
        // The two lines through a point contain it, and no other line does.
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

TEST(CellState, EmptyingClearsThePieceAndOtherStatesKeepIt) {
    Cell cell(10, 20, 50, 50, nullptr, nullptr, nullptr);
    cell.setCurrentPawn(7);
    cell.setState(CELL_OCCUPIED);
    cell.setState(CELL_SHOWING);
    EXPECT_EQ(cell.getCurrentPawn(), 7);
    cell.setState(CELL_SHADOWED);
    EXPECT_EQ(cell.getCurrentPawn(), 7);
    cell.setState(CELL_EMPTY);
    EXPECT_EQ(cell.getCurrentPawn(), -1);
    cell.setCurrentPawn(3);
    cell.resetState();
    EXPECT_TRUE(cell.isEmpty());
    EXPECT_EQ(cell.getCurrentPawn(), -1);
}

TEST(CellSelection, ThePointerMustBeStrictlyInside) {
    startHeadlessGame();
    Cell& cell = *en_cell[0];  // 125, 45
    const std::pair<int, int> outside[] = {{125, 70}, {175, 70}, {150, 45}, {150, 95}};
    for (auto [x, y] : outside) {
        movePointer(x, y);
        EXPECT_FALSE(cell.selected()) << x << "," << y;
    }
    movePointer(126, 46);
    EXPECT_TRUE(cell.selected());
    movePointer(174, 94);
    EXPECT_TRUE(cell.selected());
}

TEST(CellFlash, LastsItsTimeFromTheFirstFrameShownAndRestoresTheRightState) {
    startHeadlessGame();
    move_pawn_to_cell(0, 5, 1);
    signalJare(2, CELL_OCCUPIED);  // 3, 4, 5: point 5 holds a piece, 3 and 4 do not
    for (int point : {3, 4, 5}) ASSERT_TRUE(en_cell[point]->showsMeUp());
    // A flash set while nothing is drawn (the computer thinking) waits for
    // its first frame. The clock stands still but for the skips below.
    static Uint32 (*const stillClock)() = [] { return Uint32{5000}; };
    setGlideClock(stillClock);
    skipGlideClock(30);
    for (int point : {3, 4, 5}) en_cell[point]->displaySingleScreen();
    for (Uint32 waited = 0; waited + 20 < FLASH_MILLISECONDS; waited += 20) {
        skipGlideClock(20);
        for (int point : {3, 4, 5}) en_cell[point]->displaySingleScreen();
        ASSERT_TRUE(en_cell[5]->showsMeUp()) << waited;
    }
    EXPECT_LT(en_cell[5]->getRadius(), 2.0f);
    skipGlideClock(20);
    for (int point : {3, 4, 5}) en_cell[point]->displaySingleScreen();
    EXPECT_TRUE(en_cell[5]->isOccupied());
    EXPECT_EQ(en_cell[5]->getCurrentPawn(), 0);
    // Points that hold no piece become playable again, not "occupied".
    EXPECT_TRUE(en_cell[3]->isEmpty());
    EXPECT_TRUE(en_cell[4]->isEmpty());
    EXPECT_FLOAT_EQ(en_cell[5]->getRadius(), 25.0f);
    setGlideClock(nullptr);
}

TEST(CellDrawing, EmptyAndShadowedPointsShowTheirPicturesAndOccupiedOnesNothing) {
    startHeadlessGame();
    ASSERT_NE(cellEmptyImage, nullptr);
    ASSERT_NE(cellShadowImage, nullptr);
    auto centrePixel = [](int point) {
        Uint32 pixel = static_cast<Uint32*>(screen->pixels)[(cellPlaces[point][1] + 25) * screen->pitch / 4 +
                                                       cellPlaces[point][0] + 25];
        return pixel;
    };
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 1, 2, 3));
    const Uint32 background = centrePixel(7);
    en_cell[7]->displaySingleScreen();
    const Uint32 asEmpty = centrePixel(7);
    SDL_FillRect(screen, nullptr, background);
    en_cell[7]->setState(CELL_SHADOWED);
    en_cell[7]->displaySingleScreen();
    const Uint32 asShadowed = centrePixel(7);
    SDL_FillRect(screen, nullptr, background);
    en_cell[7]->setState(CELL_OCCUPIED);
    en_cell[7]->displaySingleScreen();
    EXPECT_EQ(centrePixel(7), background);
    EXPECT_NE(asEmpty, asShadowed);
}

TEST(BoardQueries, OwnershipLinesAndMobilityFollowThePieces) {
    startHeadlessGame();
    move_pawn_to_cell(0, 0, 1);
    move_pawn_to_cell(1, 1, 1);
    move_pawn_to_cell(12, 9, 2);
    EXPECT_TRUE(doIOwn(0, 1));
    EXPECT_FALSE(doIOwn(0, 2));
    EXPECT_FALSE(doIOwn(2, 1));
    // Point 2 completes line 0 for player one whatever its own state.
    EXPECT_EQ(didIMakeJare(2, 1), 0);
    EXPECT_EQ(didIMakeJare(2, 2), -1);
    move_pawn_to_cell(13, 21, 2);
    EXPECT_EQ(didIMakeJare(0, 2), 1) << "line 1 is 0, 9, 21";

    // Point 0's neighbours 1 and 9 are taken: it cannot move.
    EXPECT_FALSE(thisCellCanMove(0));
    EXPECT_TRUE(thisCellCanMove(1));
    // A shadowed neighbour is not free for these two queries.
    en_cell[2]->setState(CELL_SHADOWED);
    en_cell[4]->setState(CELL_SHADOWED);
    EXPECT_FALSE(thisCellCanMove(1));
    EXPECT_FALSE(playerCanMove(1));
    en_cell[4]->setState(CELL_EMPTY);
    EXPECT_TRUE(playerCanMove(1));
}

TEST(BoardQueries, PickingAPieceFromHomeTakesOnlyIdlePiecesOfThePlayer) {
    startHeadlessGame();
    for (int seed = 0; seed < 50; ++seed) {
        srand(static_cast<unsigned>(seed));
        int pawn = pickOnePawnFromBoard(2);
        ASSERT_GE(pawn, 12);
        ASSERT_LE(pawn, 23);
    }
    for (int pawn = 12; pawn < 23; ++pawn) move_pawn_to_cell(pawn, pawn - 12, 2);
    EXPECT_EQ(pickOnePawnFromBoard(2), 23);
    move_pawn_to_cell(23, 11, 2);
    EXPECT_EQ(pickOnePawnFromBoard(2), -1);
}

TEST(BoardQueries, PlayersAreFoundByIdAndTheOpponentByTheCurrentPlayer) {
    startHeadlessGame();
    EXPECT_EQ(getThisPlayer(1), playerOne);
    EXPECT_EQ(getThisPlayer(2), playerTwo);
    currentPlayer = playerOne;
    EXPECT_EQ(getOppositePlayer(), playerTwo);
    currentPlayer = playerTwo;
    EXPECT_EQ(getOppositePlayer(), playerOne);
}

// The tables as the game's description gives them, copied here by hand and
// not from the code's arrays: a changed value or a changed order (rules stop
// at the first neighbour that fits) fails here.
TEST(BoardTables, HoldExactlyTheirValuesInTheirOrder) {
    const int lines[16][3] = {
        {0, 1, 2},    {0, 9, 21},  {3, 4, 5},    {3, 10, 18}, {6, 7, 8},    {6, 11, 15},
        {1, 4, 7},    {2, 14, 23}, {5, 13, 20},  {8, 12, 17}, {9, 10, 11},  {21, 22, 23},
        {18, 19, 20}, {15, 16, 17}, {16, 19, 22}, {12, 13, 14}};
    const int neighbourLists[24][4] = {
        {1, 9, -1, -1},  {0, 2, 4, -1},   {1, 14, -1, -1}, {10, 4, -1, -1}, {3, 5, 1, 7},
        {4, 13, -1, -1}, {7, 11, -1, -1}, {4, 6, 8, -1},   {7, 12, -1, -1}, {0, 10, 21, -1},
        {3, 9, 11, 18},  {6, 10, 15, -1}, {8, 17, 13, -1}, {5, 12, 14, 20}, {2, 13, 23, -1},
        {11, 16, -1, -1}, {15, 17, 19, -1}, {12, 16, -1, -1}, {10, 19, -1, -1},
        {16, 18, 20, 22}, {13, 19, -1, -1}, {9, 22, -1, -1}, {19, 21, 23, -1}, {14, 22, -1, -1}};
    const int linesThrough[24][2] = {
        {0, 1},  {0, 6},  {0, 7},  {2, 3},   {2, 6},   {2, 8},  {4, 5},   {4, 6},
        {4, 9},  {1, 10}, {3, 10}, {5, 10},  {9, 15},  {8, 15}, {7, 15},  {13, 5},
        {13, 14}, {13, 9}, {12, 3}, {12, 14}, {12, 8}, {11, 1}, {11, 14}, {11, 7}};
    for (int line = 0; line < 16; ++line)
        for (int k = 0; k < 3; ++k) EXPECT_EQ(jare[line][k], lines[line][k]) << line << "/" << k;
    for (int point = 0; point < 24; ++point) {
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(cellAdjents[point][k], neighbourLists[point][k]) << point << "/" << k;
        for (int k = 0; k < 2; ++k)
            EXPECT_EQ(cellJare[point][k], linesThrough[point][k]) << point << "/" << k;
    }
}

TEST(BoardPoints, StandWhereTheBoardPictureHasThem) {
    startHeadlessGame();
    const int places[24][2] = {
        {125, 45},  {365, 45},  {605, 45},  {199, 111}, {361, 111}, {523, 111},
        {265, 185}, {360, 185}, {455, 185}, {125, 245}, {195, 245}, {265, 245},
        {465, 245}, {528, 245}, {600, 245}, {265, 308}, {360, 308}, {455, 308},
        {199, 377}, {361, 377}, {523, 377}, {125, 445}, {365, 445}, {605, 445}};
    for (int point = 0; point < 24; ++point) {
        EXPECT_EQ(cellPlaces[point][0], places[point][0]) << point;
        EXPECT_EQ(cellPlaces[point][1], places[point][1]) << point;
        ASSERT_NE(en_cell[point], nullptr);
        EXPECT_EQ(en_cell[point]->getX(), places[point][0]) << point;
        EXPECT_EQ(en_cell[point]->getY(), places[point][1]) << point;
    }
}
