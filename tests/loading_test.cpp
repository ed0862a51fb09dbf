// The loading screen, frame by frame: the bar grows row by row to 100 %,
// each row with a text of its own; without an audio device the music's row
// is left out, and the game runs silent but plays. Each frame the game
// pushes to the display is looked at on its way: this binary puts its own
// SDL_UpdateRect in front of the library's.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/render.h"
#include "rules/board.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"
#include "support/testenv.h"

namespace {

// A loading frame as the player sees it: how far the red bar reaches, and
// the pixels of the bar with the text written over it.
struct LoadingFrame {
    int percent;
    unsigned bar;
    bool operator==(const LoadingFrame& other) const { return percent == other.percent && bar == other.bar; }
};

std::vector<LoadingFrame>* recording = nullptr;

Uint32 pixelAt(SDL_Surface* surface, int x, int y) {
    return static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
}

// The bar's right edge is 574 + percent; its bottom row holds no text.
int barPercent(SDL_Surface* surface) {
    const Uint32 red = SDL_MapRGB(surface->format, 255, 0, 0);
    int x = 200;
    while (x < surface->w && pixelAt(surface, x, 599) == red) ++x;
    return x - 1 >= 575 ? x - 1 - 574 : -1;
}

LoadingFrame frameOf(SDL_Surface* surface) {
    const int percent = barPercent(surface);
    unsigned sum = 0;
    for (int y = 580; y < 600; ++y)
        for (int x = 200; x <= 574 + percent; ++x) sum = sum * 16777619u + pixelAt(surface, x, y);
    return {percent, percent < 0 ? 0 : sum};
}

// The loading frames of a start-up with the given audio driver.
std::vector<LoadingFrame> startRecording(const char* audioDriver) {
    std::vector<LoadingFrame> seen;
    recording = &seen;
    enterScratchDirectory();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", audioDriver, 1);
    EXPECT_EQ(startUp(), 0);
    recording = nullptr;
    return seen;
}

}  // namespace

extern "C" void SDL_UpdateRect(SDL_Surface* surface, Sint32 x, Sint32 y, Uint32 w, Uint32 h) {
    using Update = void (*)(SDL_Surface*, Sint32, Sint32, Uint32, Uint32);
    static Update library = reinterpret_cast<Update>(dlsym(RTLD_NEXT, "SDL_UpdateRect"));
    if (recording && surface && surface->w == 800 && surface->h == 600 && barPercent(surface) > 0)
        recording->push_back(frameOf(surface));
    library(surface, x, y, w, h);
}

TEST(Loading, ShowsEveryRowInOrderAndWithoutAudioLeavesOutTheMusicAndPlaysSilent) {
    const std::vector<LoadingFrame> withSound = startRecording("dummy");
    ASSERT_TRUE(canMakeSound);
    ASSERT_GE(withSound.size(), 25u);
    EXPECT_EQ(withSound.front().percent, 1);
    EXPECT_EQ(withSound.back().percent, 100);
    for (size_t i = 1; i < withSound.size(); ++i) {
        EXPECT_GE(withSound[i].percent, withSound[i - 1].percent) << i;
        EXPECT_NE(withSound[i].bar, withSound[i - 1].bar) << "row " << i << " shows the text of the row before";
    }
    // The bar is drawn over the window's background, left of x 200 too.
    EXPECT_EQ(pixelAt(screen, 100, 590), SDL_MapRGB(screen->format, 0, 0, 0));
    shutDown();

    logEverything();
    const std::vector<LoadingFrame> silent = startRecording("no-such-driver");
    EXPECT_FALSE(canMakeSound);
    EXPECT_NE(logText().find("Unable to open audio! : but we can still do the game"), std::string::npos);
    ASSERT_EQ(silent.size(), withSound.size() - 1);
    size_t left = 0;
    while (left < silent.size() && silent[left] == withSound[left]) ++left;
    EXPECT_EQ(withSound[left].percent, 3) << "the music's row is the one left out";
    for (size_t i = left; i < silent.size(); ++i) EXPECT_TRUE(silent[i] == withSound[i + 1]) << i;

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
