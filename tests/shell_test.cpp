// The program's start-up, its loop and its shutdown, run headless.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/render.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "settings/config.h"
#include "support/events.h"
#include "support/testenv.h"

TEST(StartUp, BuildsTheWindowAndTheBoardAndWritesTheDefaults) {
    startHeadlessGame();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 800);
    EXPECT_EQ(screen->h, 600);
    EXPECT_EQ(screen->format->BitsPerPixel, 32);
    for (int i = 0; i < CELL_COUNT; ++i) {
        ASSERT_NE(en_cell[i], nullptr);
        EXPECT_EQ(en_cell[i]->getX(), cellPlaces[i][0]);
        EXPECT_EQ(en_cell[i]->getY(), cellPlaces[i][1]);
    }
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_TRUE(fileExists("zelk.conf"));
    EXPECT_EQ(logText().rfind("--------", 0), 0u);
    stopHeadlessGame();
}

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
