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
#include "app/program.h"
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

TEST(StartUp, OpensTheWindowOnTheStartScreenAndWritesTheDefaults) {
    startHeadlessGame();
    EXPECT_EQ(std::make_tuple(screen->w, screen->h, int(screen->format->BitsPerPixel)), std::make_tuple(800, 600, 32));
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_TRUE(fileExists("zelk.conf"));
    EXPECT_EQ(logText().rfind("--------", 0), 0u);
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

// Waiting for a person, the window is drawn again only once the idle time
// has passed; something moving or input makes the next pass draw at once.
TEST(MainLoop, AnIdleWindowIsRedrawnOnlyAfterTheIdleTime) {
    startHeadlessGame();
    paceFrames = true;
    int sampled = 0;
    for (int attempt = 0; attempt < 100 && sampled < 5; ++attempt) {
        noteFrameDrawn();
        const Uint32 drawn = SDL_GetTicks();
        while (SDL_GetTicks() - drawn < 30) SDL_Delay(5);
        const bool due = frameIsDue(false);
        // A busy machine may have kept this process waiting past the idle time.
        if (SDL_GetTicks() - drawn >= IDLE_FRAME_MILLISECONDS) continue;
        EXPECT_FALSE(due) << "redrawn " << SDL_GetTicks() - drawn << " ms after the last frame";
        ++sampled;
    }
    EXPECT_EQ(sampled, 5);
    EXPECT_TRUE(frameIsDue(true)) << "something moves";
    noteInput();
    EXPECT_TRUE(frameIsDue(false)) << "input came";
    noteFrameDrawn();
    const Uint32 drawn = SDL_GetTicks();
    while (SDL_GetTicks() - drawn < IDLE_FRAME_MILLISECONDS) SDL_Delay(5);
    EXPECT_TRUE(frameIsDue(false)) << "the idle time has passed";
    stopHeadlessGame();
}
