// The program's start-up, its loop and its shutdown, run headless.
#include <gtest/gtest.h>

#include <string>

#include "app/globals.h"
#include "app/pacing.h"
#include "app/workdir.h"
#include "app/mainloop.h"
#include "app/program.h"
#include "support/events.h"
#include "support/testenv.h"

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
