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
// The glides' clock, moved on by the tests alone.
Uint32 fakeNow = 0;
Uint32 fakeClock() {
    return fakeNow;
}

struct FakeGlideClock {
    FakeGlideClock() { setGlideClock(fakeClock); }
    ~FakeGlideClock() { setGlideClock(nullptr); }
};

// Updates the piece every `frameMs` until it stops travelling; the path.
std::vector<std::pair<int, int>> glide(Pawn& pawn, Uint32 frameMs = 10, int maxFrames = 2000) {
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < maxFrames && pawn.isMoving(); ++i) {
        fakeNow += frameMs;
        pawn.update();
        path.emplace_back(pawn.getX(), pawn.getY());
    }
    return path;
}

// Milliseconds from the start of a glide across `pixels` to its arrival.
Uint32 glideTime(int pixels, Uint32 frameMs) {
    Pawn pawn(0, 0, 50, 50, nullptr, nullptr, nullptr, 1);
    Uint32 start = fakeNow;
    pawn.goFromThisToThat(100, 100, 100 + pixels, 100);
    pawn.update();
    glide(pawn, frameMs, 10000);
    return fakeNow - start;
}
}  // namespace

TEST(PawnGlide, CrossingTheBoardTakesItsTimeAtEachSpeedWhateverTheFrameRate) {
    startHeadlessGame();
    FakeGlideClock clock;
    const struct {
        int speed;
        Uint32 fastest, slowest;
    } speeds[] = {{0, 250, 350}, {1, 500, 800}, {10, 2700, 3300}};
    for (const auto& s : speeds) {
        speedBar->speed = s.speed;
        for (Uint32 frameMs : {5u, 10u, 16u, 33u}) {
            Uint32 ms = glideTime(600, frameMs);
            EXPECT_GE(ms, s.fastest) << "speed " << s.speed << ", frames of " << frameMs << " ms";
            EXPECT_LE(ms, s.slowest + frameMs) << "speed " << s.speed << ", frames of " << frameMs << " ms";
            // The frame rate changes the arrival by less than a frame.
            EXPECT_LE(ms, glideTime(600, 1) + frameMs) << s.speed;
        }
    }
    speedBar->speed = 1;
}

TEST(PawnGlide, EverySpeedStepChangesTheTimeByAFifthOrSo) {
    for (int speed = 0; speed < 10; ++speed) {
        double ratio = static_cast<double>(glideMilliseconds(600, speed + 1)) / glideMilliseconds(600, speed);
        EXPECT_GE(ratio, 1.15) << speed;
    }
    // A one-point step is short, yet long enough to be seen.
    EXPECT_GE(glideMilliseconds(60, 1), 150u);
    EXPECT_LE(glideMilliseconds(60, 1), 250u);
}

TEST(PawnGlide, GoesStraightAndLandsExactlyOnTheTarget) {
    FakeGlideClock clock;
    Pawn pawn(0, 0, 50, 50, nullptr, nullptr, nullptr, 1);
    pawn.goFromThisToThat(0, 0, 301, 7);
    auto path = glide(pawn);
    EXPECT_EQ(pawn.state, PAWN_PLACED);
    EXPECT_EQ(path.back(), std::make_pair(301, 7));
    for (size_t i = 1; i < path.size(); ++i) {
        EXPECT_GE(path[i].first, path[i - 1].first);
        EXPECT_NEAR(path[i].second, path[i].first * 7.0 / 301, 1.0);
    }
}

TEST(PawnGlide, RemovedPiecesReturnHomeAndNewGamesStartThere) {
    FakeGlideClock clock;
    Pawn pawn(12, 102, 50, 50, nullptr, nullptr, nullptr, 1);
    pawn.restartFromHome(365, 445);
    EXPECT_EQ(pawn.getX(), 12);
    glide(pawn);
    EXPECT_EQ(pawn.state, PAWN_PLACED);
    pawn.cell = 22;
    pawn.state = PAWN_RETURNING;
    glide(pawn);
    EXPECT_EQ(pawn.state, PAWN_RETURNED);
    EXPECT_EQ(pawn.getX(), 12);
    EXPECT_EQ(pawn.getY(), 102);
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
    FakeGlideClock clock;
    Pawn pawn(0, 0, 50, 50, screen, nullptr, nullptr, 1);
    pawn.goFromThisToThat(0, 0, 40, 40);
    for (int i = 0; i < 100 && pawn.state == PAWN_TRAVELLING; ++i) {
        fakeNow += 10;
        pawn.displaySingleScreen();
    }
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
