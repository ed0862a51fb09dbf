// Without an audio device the game starts all the same, says so in its log,
// and plays silent.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/render.h"
#include "rules/board.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"
#include "support/testenv.h"

TEST(Loading, WithoutAudioTheGameStartsAndPlaysSilent) {
    enterScratchDirectory();
    logEverything();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ASSERT_EQ(startUp(), 0);
    EXPECT_FALSE(canMakeSound);
    EXPECT_NE(logText().find("Unable to open audio! : but we can still do the game"), std::string::npos);

    logEverything();
    releaseKeyNow(SDLK_m);
    EXPECT_NE(logText().find("Unable to play  background music! : "), std::string::npos);
    paceFrames = false;
    playerTwo->type = HUMAN;
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    ASSERT_EQ(state, STATE_PLAYING);
    humanPlaces(0);
    humanPlaces(5);
    EXPECT_EQ(playerOne->pawnsOnBoard + playerTwo->pawnsOnBoard, 2);
    render(gamescreen, minigamescreen, screen);
    EXPECT_EQ(shutDown(), 0);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
