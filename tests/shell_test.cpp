// The program's start-up, its loop and its shutdown, run headless.
#include <gtest/gtest.h>

#include <string>

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
