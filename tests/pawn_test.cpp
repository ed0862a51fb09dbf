// The glide of a piece and the other sprite behaviour the game relies on.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/helpers.h"
#include "rules/cell.h"
#include "sprites/entity.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/testenv.h"

namespace {
std::vector<std::pair<int, int>> glide(Pawn& pawn, int maxSteps = 1000) {
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < maxSteps && pawn.state == PAWN_TRAVELLING; ++i) {
        pawn.update();
        path.emplace_back(pawn.getX(), pawn.getY());
    }
    return path;
}
}  // namespace

TEST(PawnGlide, StepsTwoPixelsPerAxisAndStopsWithinTwo) {
    Pawn pawn(0, 0, 50, 50, nullptr, nullptr, nullptr, 1);
    pawn.goFromThisToThat(100, 100, 105, 100);
    auto path = glide(pawn);
    EXPECT_EQ(path, (std::vector<std::pair<int, int>>{{102, 100}, {104, 100}}));
    EXPECT_EQ(pawn.state, PAWN_PLACED);

    pawn.goFromThisToThat(0, 0, 10, 4);
    path = glide(pawn);
    ASSERT_GE(path.size(), 3u);
    EXPECT_EQ(path[0], std::make_pair(2, 2));
    EXPECT_EQ(path[1], std::make_pair(4, 4));
    EXPECT_EQ(path[2], std::make_pair(6, 4));
    EXPECT_EQ(path.back(), std::make_pair(10, 4));
}

TEST(PawnGlide, OddDistancesSwingAroundTheTargetAndStillArrive) {
    Pawn pawn(0, 0, 50, 50, nullptr, nullptr, nullptr, 1);
    pawn.goFromThisToThat(0, 0, 301, 7);
    glide(pawn);
    EXPECT_EQ(pawn.state, PAWN_PLACED);
    EXPECT_LT(distance(pawn.getX(), pawn.getY(), 301, 7), 2.0);
}

TEST(PawnGlide, RemovedPiecesReturnHomeAndNewGamesStartThere) {
    Pawn pawn(12, 102, 50, 50, nullptr, nullptr, nullptr, 1);
    pawn.restartFromHome(365, 445);
    EXPECT_EQ(pawn.getX(), 12);
    glide(pawn);
    EXPECT_EQ(pawn.state, PAWN_PLACED);
    pawn.cell = 22;
    pawn.state = PAWN_RETURNING;
    for (int i = 0; i < 1000 && pawn.state == PAWN_RETURNING; ++i) pawn.update();
    EXPECT_EQ(pawn.state, PAWN_RETURNED);
    EXPECT_LT(distance(pawn.getX(), pawn.getY(), 12, 102), 2.0);
    pawn.resetState();
    EXPECT_EQ(pawn.state, PAWN_IDLE);
    EXPECT_EQ(pawn.cell, -1);
    EXPECT_EQ(pawn.getX(), 12);
    EXPECT_EQ(pawn.getY(), 102);
}

TEST(PawnGlide, ArrivalTestIncludesTwoPixelsExactly) {
    Pawn pawn(10, 10, 50, 50, nullptr, nullptr, nullptr, 2);
    EXPECT_TRUE(pawn.arrivedDestination(12, 10));
    EXPECT_FALSE(pawn.arrivedDestination(12, 11));
}

TEST(PawnGlide, APieceWithoutPictureStillGlidesWhenDrawn) {
    startHeadlessGame();
    Pawn pawn(0, 0, 50, 50, screen, nullptr, nullptr, 1);
    pawn.goFromThisToThat(0, 0, 40, 40);
    for (int i = 0; i < 100 && pawn.state == PAWN_TRAVELLING; ++i) pawn.displaySingleScreen();
    EXPECT_EQ(pawn.state, PAWN_PLACED);
}

TEST(PawnGlide, APickedPieceHangsCentredOnThePointer) {
    startHeadlessGame();
    Pawn& pawn = *en_pawn[3];
    pawn.state = PAWN_PICKED;
    movePointer(300, 200);
    pawn.displaySingleScreen();
    EXPECT_EQ(pawn.getX(), 275);
    EXPECT_EQ(pawn.getY(), 175);
}

TEST(SpriteSelection, EdgesAreOutside) {
    startHeadlessGame();
    Entity button(100, 200, 65, 75, screen);
    movePointer(100, 230);
    EXPECT_FALSE(button.selected());
    movePointer(165, 230);
    EXPECT_FALSE(button.selected());
    movePointer(130, 200);
    EXPECT_FALSE(button.selected());
    movePointer(101, 201);
    EXPECT_TRUE(button.selected());
}

TEST(EntityPicture, AMissingPictureIsLoggedAndDrawsNothing) {
    startHeadlessGame();
    Entity missing(0, 0, 20, 20, "images/no/such.png", screen);
    EXPECT_EQ(missing.getImage(), nullptr);
    EXPECT_NE(logText().find("ERROR opening file images/no/such.png: "), std::string::npos);
    SDL_FillRect(screen, nullptr, 0);
    missing.displaySingleScreen();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + x], 0u);
    missing.ChangeImage("images/no/other.png", screen, 0, 0, 0);
    EXPECT_EQ(missing.getImage(), nullptr);
}

TEST(PlayerStatus, DrawingSetsTheTextOfTheState) {
    startHeadlessGame();
    iPlayer player(0, 0, 64, 97, "images/players/left/01.png", screen, 1, "Tavi", HUMAN);
    EXPECT_STREQ(player.status, "Waiting");
    player.displaySingleScreen();
    EXPECT_STREQ(player.status, "Waiting hand");
    const std::pair<PlayerStates, const char*> texts[] = {
        {CHOOSING, "Choosing now"}, {MOVING_FROM, "Moving from"}, {MOVING_TO, "Moving to"},
        {HITTING, "Hitting now"},   {WAITING, "Waiting hand"},    {THINKING, "Thinking"}};
    for (auto [playerState, text] : texts) {
        player.setState(playerState);
        player.setStatus("a message");
        player.displaySingleScreen();
        EXPECT_STREQ(player.status, text);
    }
    player.setState(static_cast<PlayerStates>(9));
    player.setStatus("kept");
    player.displaySingleScreen();
    EXPECT_STREQ(player.status, "kept");
}

TEST(PlayerState, ResetKeepsTheMovingFromPointAndKindsAreExclusive) {
    iPlayer player;
    EXPECT_STREQ(player.name, "Tavi");
    EXPECT_TRUE(player.IsWaiting());
    player.setMovingFrom(7);
    player.currentPawn = 3;
    player.pawnsOnBoard = 9;
    player.setOpenedTheGame(true);
    player.setState(HITTING);
    player.resetState();
    EXPECT_EQ(player.getMovingFrom(), 7);
    EXPECT_EQ(player.currentPawn, -1);
    EXPECT_EQ(player.pawnsOnBoard, 0);
    EXPECT_FALSE(player.hasOpenedTheGame());
    EXPECT_TRUE(player.IsWaiting());
    player.type = static_cast<PlayerTypes>(2);
    EXPECT_FALSE(player.IsHuman());
    EXPECT_FALSE(player.IsComputer());
}

TEST(PlayerName, LongNamesAreCutToFit) {
    enterScratchDirectory();
    const std::string longName(150, 'a');
    iPlayer player(0, 0, 64, 97, "images/none.png", nullptr, 1, longName.c_str(), HUMAN);
    EXPECT_EQ(std::string(player.name), std::string(99, 'a'));
    player.setStatus(std::string(300, 's').c_str());
    EXPECT_EQ(std::string(player.status).size(), 99u);
}

TEST(PlayerHits, TheDiscMeetsTheCellRectangle) {
    enterScratchDirectory();
    iPlayer player(0, 0, 64, 97, "images/none.png", nullptr, 1, "p", HUMAN);
    Cell cell(100, 100, 50, 50, nullptr, nullptr, nullptr);
    player.setX(120);
    player.setY(120);
    EXPECT_TRUE(player.hits(&cell));
    player.setX(100);
    EXPECT_FALSE(player.hits(&cell)) << "on the edge with radius 0";
    player.setRadius(10);
    player.setX(95);
    EXPECT_TRUE(player.hits(&cell));
    player.setX(92);
    player.setY(92);
    EXPECT_FALSE(player.hits(&cell)) << "the corner is 11.3 pixels away";
    player.setX(94);
    player.setY(94);
    EXPECT_TRUE(player.hits(&cell)) << "the corner is 8.5 pixels away";
}
