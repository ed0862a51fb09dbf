// The program's start-up, its loop and its shutdown, run headless.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <tuple>

#include "app/globals.h"
#include "app/pacing.h"
#include "app/workdir.h"
#include "settings/log.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "app/mainloop.h"
#include "app/render.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "settings/config.h"
#include "support/events.h"
#include "support/testenv.h"

TEST(MainLoop, EscapeEndsTheLoopAndShutdownSaysGoodbye) {
    startHeadlessGame();
    logEverything();
    queueKey(SDLK_ESCAPE);
    runMainLoop();
    EXPECT_TRUE(quit);
    EXPECT_EQ(shutDown(), 0);
    const std::string log = logText();
    EXPECT_NE(log.find("Dumping if necessary the new config\r\n"), std::string::npos);
    EXPECT_NE(log.find("bye bye! - waiting to release statically allocated memory\r\n"),
              std::string::npos);
}

TEST(StartUp, TruncatedPicturesAreLoggedAndTheGameStillPlays) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    enterScratchDirectory(true);
    const char* const damaged[] = {"images/background/zelkboard.png", "images/pawns/left/0.png",
                                   "images/players/waiting/turn1.png"};
    for (const char* picture : damaged) {
        const std::string whole = readFile(picture);
        ASSERT_GT(whole.size(), 100u) << picture;
        writeFile(picture, whole.substr(0, whole.size() / 2));
    }
    ASSERT_EQ(startUp(), 0);
    const std::string log = logText();
    for (const char* picture : damaged)
        EXPECT_NE(log.find(picture), std::string::npos) << picture << " is not logged";
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    EXPECT_EQ(state, STATE_PLAYING);
    render(gamescreen, minigamescreen, screen);
    EXPECT_EQ(shutDown(), 0);
}

namespace {
struct Place {
    int x, y, width, height;
};

template <typename Sprite>
void expectAt(Sprite* sprite, Place place, const std::string& what) {
    ASSERT_NE(sprite, nullptr) << what;
    EXPECT_EQ(sprite->getX(), place.x) << what;
    EXPECT_EQ(sprite->getY(), place.y) << what;
    EXPECT_EQ(sprite->getWidth(), place.width) << what;
    EXPECT_EQ(sprite->getHeight(), place.height) << what;
}
}  // namespace

// The window, the defaults written, and where everything stands when the
// start screen first shows.
TEST(StartUp, BuildsTheWindowAndPutsEverythingInItsPlace) {
    startHeadlessGame();
    EXPECT_EQ(std::make_tuple(screen->w, screen->h, int(screen->format->BitsPerPixel)), std::make_tuple(800, 600, 32));
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_TRUE(fileExists("zelk.conf"));
    EXPECT_EQ(logText().rfind("--------", 0), 0u);
    for (int i = 0; i < CELL_COUNT; ++i) expectAt(en_cell[i], {cellPlaces[i][0], cellPlaces[i][1], 50, 50}, "point");
    expectAt(emainbg, {0, 0, 600, 600}, "board");
    expectAt(ebut_redstarts, {228, 499, 65, 75}, "left start");
    expectAt(ebut_barud, {228, 499, 65, 75}, "barud");
    expectAt(ebut_readgamerules, {308, 499, 65, 75}, "rules and settings");
    expectAt(ebut_existthegame, {383, 499, 65, 75}, "quit");
    expectAt(ebut_greystarts, {466, 499, 65, 75}, "right start");
    expectAt(ebut_dradan, {466, 499, 65, 75}, "dradan");
    for (int column = 0; column < 2; ++column)
        for (int k = 0; k < 6; ++k) {
            const int one = 6 * column + k, two = 12 + 6 * column + k;
            expectAt(en_pawn[one], {column == 0 ? 12 : 67, 102 + 60 * k, 50, 50},
                     "piece " + std::to_string(one));
            expectAt(en_pawn[two], {column == 0 ? 662 : 712, 102 + 60 * k, 50, 50},
                     "piece " + std::to_string(two));
            EXPECT_TRUE(en_pawn[one]->getHomeX() == en_pawn[one]->getX() && en_pawn[one]->owner == 1) << one;
            EXPECT_TRUE(en_pawn[two]->getHomeY() == en_pawn[two]->getY() && en_pawn[two]->owner == 2) << two;
        }
    expectAt(playerOne, {2, 490, 64, 97}, "player one");
    expectAt(playerTwo, {730, 490, 64, 97}, "player two");
    EXPECT_TRUE(playerOne->id == 1 && playerTwo->id == 2);
    const Place sprites[8] = {{222, 498, 100, 120}, {230, 500, 100, 120}, {464, 496, 100, 120},
                              {468, 500, 100, 120}, {230, 500, 100, 120}, {468, 500, 100, 120},
                              {205, 380, 14, 14},   {205, 499, 14, 14}};
    for (int i = 0; i < 8; ++i) {
        expectAt(&OtherEntities[i], sprites[i], "sprite " + std::to_string(i));
        EXPECT_TRUE(OtherEntities[i].posX == sprites[i].x && OtherEntities[i].posY == sprites[i].y) << i;
        EXPECT_FALSE(OtherEntities[i].visible) << i;
    }
    expectAt(&OtherEntities[8], {0, 0, 0, 0}, "sprite 8, never built");
    stopHeadlessGame();
}

// Only the video, timer and TrueType libraries and the font are essential.
TEST(StartUp, WithoutVideoTheProgramEndsWithExitCodeOne) {
    enterScratchDirectory();
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    EXPECT_EQ(zelkMain(0, nullptr), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    EXPECT_NE(logText().find("Couldn't initialize SDL: "), std::string::npos) << logText();
}

TEST(StartUp, AFontThatCannotBeOpenedEndsTheProgramWithExitCodeOne) {
    // A directory of this test's own: the game's exit runs the atexit
    // handlers, which would remove the usual scratch directory with its log.
    const std::string directory = enterPrivateWorkingDirectory(ZELK_DATA_DIR, true);
    ASSERT_FALSE(directory.empty());
    writeFile("font.ttf", "not a font");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EXIT(zelkMain(0, nullptr), testing::ExitedWithCode(1), "");
    EXPECT_NE(logText().find("Couldn't load 13pt font from font.ttf"), std::string::npos)
        << logText();
    removePrivateWorkingDirectory(directory);
}

// The loop never spins: each pass sleeps out the rest of its frame, so the
// window gets at most 100 frames a second and the processor is left free.
TEST(MainLoop, APassSleepsOutItsFrameInsteadOfSpinning) {
    startHeadlessGame();
    paceFrames = true;
    const int passes = 40;
    const Uint32 start = SDL_GetTicks();
    const std::clock_t processorStart = std::clock();
    for (int pass = 0; pass < passes; ++pass) mainLoopPass();
    const double wallMs = SDL_GetTicks() - start;
    const double processorMs = 1000.0 * (std::clock() - processorStart) / CLOCKS_PER_SEC;
    EXPECT_GE(wallMs, passes * 10 - 5) << "more than 100 frames a second";
    EXPECT_LT(processorMs, 0.6 * wallMs) << "the loop waits by spinning";
    stopHeadlessGame();
}
