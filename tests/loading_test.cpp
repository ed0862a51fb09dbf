// The loading screen, frame by frame: every row of the loading sequence
// shows its percentage and its text, in order; without an audio device the
// music's row is left out, and the game runs silent but plays. Each frame
// the game pushes to the display is looked at on its way: this binary puts
// its own SDL_UpdateRect in front of the library's.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/render.h"
#include "app/resources.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "settings/log.h"
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
    bool operator==(const LoadingFrame& other) const {
        return percent == other.percent && bar == other.bar;
    }
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

unsigned barPixels(SDL_Surface* surface, int percent) {
    unsigned sum = 0;
    for (int y = 580; y < 600; ++y)
        for (int x = 200; x <= 574 + percent; ++x) sum = sum * 16777619u + pixelAt(surface, x, y);
    return sum;
}

LoadingFrame frameOf(SDL_Surface* surface) {
    const int percent = barPercent(surface);
    return {percent, percent < 0 ? 0 : barPixels(surface, percent)};
}

using Row = std::pair<int, const char*>;

const std::vector<Row> rowsWithSound = {
    {1, "Uploading font ..."},
    {2, "Uploading sound"},
    {3, "uploading background skin"},
    {5, "uploading background images"},
    {12, "Uploading user interface definitions"},
    {15, "Uploading menus and other UI text"},
    {17, "Uploading additional images"},
    {19, "Uploading additional images for menus"},
    {21, "Uploading additional images for main menus"},
    {23, "Uploading pawns' images"},
    {23, "Uploading additional images for empty holes"},
    {30, "Building the board of the game"},
    {32, "Preparing the starting up environment"},
    {37, "Preparing user interface for choosing strategy"},
    {45, "Uploading player one images"},
    {48, "Uploading second player's images"},
    {50, "Uploading additional images for players"},
    {55, "Uploading emoction images"},
    {58, "Uploading expression images"},
    {60, "Uploading feelings"},
    {62, "Uploading feeling additional images"},
    {66, "Uploading expression images"},
    {68, "Uploading feelings"},
    {70, "Uploading feeling additional images"},
    {74, "Uploading additional configurations"},
    {90, "Uploading almost done!"},
    {100, ".... let us now enjoy playing zelk."},
};

// What the rows look like drawn now, one by one, with the game's own
// loading-screen frame.
std::vector<LoadingFrame> framesOf(const std::vector<Row>& rows) {
    std::vector<LoadingFrame> frames;
    for (const Row& row : rows) {
        UploadBarDisplay(row.first, screen, row.second);
        frames.push_back(frameOf(screen));
    }
    return frames;
}

std::vector<LoadingFrame> startRecordingFrames() {
    std::vector<LoadingFrame> seen;
    recording = &seen;
    startHeadlessGame();
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

TEST(Loading, ShowsEveryRowWithItsPercentageAndTextInOrder) {
    std::vector<LoadingFrame> seen = startRecordingFrames();
    ASSERT_TRUE(canMakeSound);
    std::vector<int> percents;
    for (const LoadingFrame& frame : seen) percents.push_back(frame.percent);
    std::vector<int> expectedPercents;
    for (const Row& row : rowsWithSound) expectedPercents.push_back(row.first);
    EXPECT_EQ(percents, expectedPercents);
    EXPECT_TRUE(seen == framesOf(rowsWithSound)) << "a row shows another text";
    // The bar is drawn over the window's background, left of x 200 too.
    EXPECT_EQ(pixelAt(screen, 100, 590), SDL_MapRGB(screen->format, 0, 0, 0));
    stopHeadlessGame();
}

TEST(Loading, WithoutAnAudioDeviceTheMusicRowIsLeftOutAndTheGamePlaysSilent) {
    enterScratchDirectory();
    logEverything();
    std::vector<LoadingFrame> seen;
    recording = &seen;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ASSERT_EQ(startUp(), 0);
    recording = nullptr;
    EXPECT_FALSE(canMakeSound);
    EXPECT_NE(logText().find("Unable to open audio! : but we can still do the game"),
              std::string::npos);
    std::vector<Row> silentRows = rowsWithSound;
    silentRows.erase(silentRows.begin() + 2);
    EXPECT_TRUE(seen == framesOf(silentRows)) << "the loading rows without sound";

    logEverything();
    releaseKeyNow(SDLK_m);
    EXPECT_NE(logText().find("Unable to play  background music! : "), std::string::npos);
    paceFrames = false;
    playerTwo->type = HUMAN;
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    ASSERT_EQ(state, STATE_PLAYING);
    humanPlaces(0);
    humanPlaces(5);
    EXPECT_EQ(playerOne->pawnsOnBoard, 1);
    EXPECT_EQ(playerTwo->pawnsOnBoard, 1);
    render(gamescreen, minigamescreen, screen);
    EXPECT_EQ(shutDown(), 0);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
