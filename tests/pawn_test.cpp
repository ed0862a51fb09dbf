// The glide of a piece and the other sprite behaviour the game relies on.
#include <gtest/gtest.h>

#include "app/globals.h"
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

// Updates the piece every `frameMs` until it stops moving; the path.
std::vector<std::pair<int, int>> glide(Pawn& pawn, Uint32 frameMs = 10) {
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < 10000 && pawn.isMoving(); ++i) {
        fakeNow += frameMs;
        pawn.update();
        path.emplace_back(pawn.getX(), pawn.getY());
    }
    return path;
}

// Milliseconds from the start of a glide across `pixels` to its arrival.
Uint32 glideTime(int pixels, Uint32 frameMs) {
    Pawn pawn(0, 0, 50, 50, nullptr, nullptr, nullptr, 1);
    const Uint32 start = fakeNow;
    pawn.goFromThisToThat(100, 100, 100 + pixels, 100);
    pawn.update();
    glide(pawn, frameMs);
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
        setGlideSpeed(s.speed);
        for (Uint32 frameMs : {5u, 10u, 16u, 33u}) {
            const Uint32 ms = glideTime(600, frameMs);
            EXPECT_GE(ms, s.fastest) << "speed " << s.speed << ", frames of " << frameMs << " ms";
            EXPECT_LE(ms, s.slowest + frameMs) << "speed " << s.speed << ", frames of " << frameMs << " ms";
            EXPECT_LE(ms, glideTime(600, 1) + frameMs) << "the frame rate changes the arrival by less than a frame";
        }
    }
    for (int speed = 0; speed < 10; ++speed)
        EXPECT_GE(double(glideMilliseconds(600, speed + 1)) / glideMilliseconds(600, speed), 1.15) << speed;
    // A one-point step is short, yet long enough to be seen.
    EXPECT_GE(glideMilliseconds(60, 1), 150u);
    EXPECT_LE(glideMilliseconds(60, 1), 250u);
}

TEST(PawnGlide, GoesStraightLandsExactlyAndReturnsHomeEvenWithoutAPicture) {
    startHeadlessGame();
    FakeGlideClock clock;
    Pawn pawn(12, 102, 50, 50, screen, nullptr, nullptr, 1);  // drawn: no picture
    pawn.goFromThisToThat(0, 0, 301, 7);
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < 1000 && pawn.isMoving(); ++i) {
        fakeNow += 10;
        pawn.displaySingleScreen();
        path.emplace_back(pawn.getX(), pawn.getY());
    }
    EXPECT_EQ(pawn.state, PAWN_PLACED);
    EXPECT_EQ(path.back(), std::make_pair(301, 7));
    for (size_t i = 1; i < path.size(); ++i) {
        EXPECT_GE(path[i].first, path[i - 1].first);
        EXPECT_NEAR(path[i].second, path[i].first * 7.0 / 301, 1.0);
    }
    pawn.restartFromHome(365, 445);
    EXPECT_EQ(pawn.getX(), 12) << "from its home place";
    glide(pawn);
    EXPECT_EQ(std::make_pair(pawn.getX(), pawn.getY()), std::make_pair(365, 445));
    pawn.cell = 22;
    pawn.state = PAWN_RETURNING;
    glide(pawn);
    EXPECT_EQ(pawn.state, PAWN_RETURNED);
    EXPECT_EQ(std::make_pair(pawn.getX(), pawn.getY()), std::make_pair(12, 102));

    Pawn& carried = *en_pawn[3];
    carried.state = PAWN_PICKED;
    movePointer(300, 200);
    carried.displaySingleScreen();
    EXPECT_EQ(std::make_pair(carried.getX(), carried.getY()), std::make_pair(275, 175)) << "centred on the pointer";
}

// The texts of the states are checked as drawn (following_test); here what
// does not fit the fixed buffers.
TEST(Player, ANameOrStatusTooLongForItsBufferIsCut) {
    enterScratchDirectory();
    iPlayer named(0, 0, 64, 97, "images/none.png", nullptr, 1, std::string(150, 'a').c_str(), HUMAN);
    EXPECT_EQ(std::string(named.name), std::string(99, 'a'));
    named.setStatus(std::string(300, 's').c_str());
    EXPECT_EQ(std::string(named.status).size(), 99u);
}
