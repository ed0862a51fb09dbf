// The window at any size: the pointer reaches what the window shows under
// it, full screen and a new size leave the game as it was, the window opens
// at the next start as it was left, and the scaled picture is the same
// whether drawn whole or by its changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/display.h"
#include "app/framescaler.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/mainloop.h"
#include "rules/cell.h"
#include "rules/history.h"
#include "rules/snapshot.h"
#include "settings/windowstate.h"
#include "support/events.h"
#include "support/play.h"
#include "support/testenv.h"

namespace {

struct WindowSize {
    int width, height;
};

// Where a window of `size` shows the centre of frame pixel (x, y), worked
// out here on its own: the frame as large as the window holds, centred.
void windowPlace(WindowSize size, int x, int y, int& wx, int& wy) {
    const double scale = std::min(size.width / 800.0, size.height / 600.0);
    wx = static_cast<int>((size.width - 800 * scale) / 2 + (x + 0.5) * scale);
    wy = static_cast<int>((size.height - 600 * scale) / 2 + (y + 0.5) * scale);
}

// The pointer put on the window where frame pixel (x, y) shows, and the
// events taken as the main loop takes them.
void pointAt(WindowSize size, int x, int y, bool click = false) {
    int wx, wy;
    windowPlace(size, x, y, wx, wy);
    SDL_WarpMouse(static_cast<Uint16>(wx), static_cast<Uint16>(wy));
    if (click) {
        SDL_Event press = {};
        press.type = SDL_MOUSEBUTTONDOWN;
        press.button.button = SDL_BUTTON_LEFT;
        press.button.state = SDL_PRESSED;
        press.button.x = static_cast<Uint16>(wx);
        press.button.y = static_cast<Uint16>(wy);
        SDL_PushEvent(&press);
    }
    SDL_PumpEvents();
    SDL_Event event;
    while (pollFrameEvent(event)) dispatchEvent(event);
}

class WindowSizes : public GameFlowTest, public testing::WithParamInterface<WindowSize> {};

TEST_P(WindowSizes, ThePointerReachesWhatTheWindowShowsUnderIt) {
    const WindowSize size = GetParam();
    startGameShell(HUMAN, HUMAN);
    resizeWindow(size.width, size.height);
    ASSERT_EQ(windowSurface()->w, size.width);
    ASSERT_EQ(windowSurface()->h, size.height);
    pointAt(size, ebut_redstarts->getX() + 32, ebut_redstarts->getY() + 37, true);
    ASSERT_EQ(state, STATE_PLAYING);
    for (int c = 0; c < CELL_COUNT; ++c) {
        pointAt(size, en_cell[c]->getX() + 25, en_cell[c]->getY() + 25);
        EXPECT_TRUE(en_cell[c]->selected()) << "point " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(Display, WindowSizes,
                         testing::Values(WindowSize{800, 600}, WindowSize{1280, 960}, WindowSize{1920, 1080},
                                         WindowSize{1280, 800}, WindowSize{900, 1200}),
                         [](const testing::TestParamInfo<WindowSize>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

class FullScreen : public GameFlowTest {};

TEST_F(FullScreen, F11AndANewSizeLeaveTheGameAsItWas) {
    startGameShell(HUMAN, HUMAN);
    start();
    for (int c : {0, 1, 9, 12}) places(c);
    const GameSnapshot before = captureGame(timerOne.getTime());
    const std::vector<GameSnapshot> history = gameHistory.entries();
    const int cursor = gameHistory.cursor();
    auto expectTheSameGame = [&](const char* after) {
        const GameSnapshot now = captureGame(timerOne.getTime());
        EXPECT_TRUE(now.samePosition(before)) << after;
        EXPECT_TRUE(gameHistory.entries() == history) << after;
        EXPECT_EQ(gameHistory.cursor(), cursor) << after;
        // The clock ran on from where it stood: not started again.
        EXPECT_GE(now.clockMilliseconds, before.clockMilliseconds) << after;
        EXPECT_LT(now.clockMilliseconds, before.clockMilliseconds + 5000) << after;
    };
    SDL_Event resize = {};
    resize.type = SDL_VIDEORESIZE;
    resize.resize.w = 1100;
    resize.resize.h = 500;  // below the frame's height: raised to it
    SDL_PushEvent(&resize);
    mainLoopPass();
    EXPECT_EQ(windowSurface()->w, 1100);
    EXPECT_EQ(windowSurface()->h, 600);
    expectTheSameGame("a new size");
    queueKey(SDLK_F11);
    mainLoopPass();
    EXPECT_TRUE(isFullScreen());
    EXPECT_TRUE(windowSurface()->flags & SDL_FULLSCREEN);
    expectTheSameGame("F11");
    queueKey(SDLK_F11);
    mainLoopPass();
    EXPECT_FALSE(isFullScreen());
    EXPECT_EQ(windowSurface()->w, 1100);
    expectTheSameGame("F11 again");
}

TEST(WindowState, TheWindowOpensAsItWasLeft) {
    startHeadlessGame();
    EXPECT_FALSE(fileExists(windowStateFileName)) << "written though nothing changed";
    resizeWindow(1000, 700);
    stopHeadlessGame();
    startHeadlessGameHere();
    EXPECT_EQ(windowSurface()->w, 1000);
    EXPECT_EQ(windowSurface()->h, 700);
    EXPECT_FALSE(isFullScreen());
    toggleFullScreen();
    stopHeadlessGame();
    startHeadlessGameHere();
    EXPECT_TRUE(isFullScreen());
    toggleFullScreen();
    EXPECT_EQ(windowSurface()->w, 1000);
    stopHeadlessGame();
    EXPECT_EQ(readFile(windowStateFileName), windowStateText({false, 1000, 700}));
}

TEST(WindowState, WhatIsNoStateGivesWayToTheDefaults) {
    const WindowState read = windowStateFrom("fullScreen = 7\nwidth = 90\nheight = many\n# x\n");
    EXPECT_TRUE(read == WindowState());
    EXPECT_TRUE(windowStateFrom("width = 99999\nheight = 1200\nfullScreen = 1") == (WindowState{true, 16384, 1200}));
}

// A frame of stripes and steps, so that every mix of neighbours differs.
void paintPattern(SDL_Surface* frame, int seed) {
    for (int y = 0; y < frame->h; ++y)
        for (int x = 0; x < frame->w; ++x)
            static_cast<Uint32*>(frame->pixels)[y * frame->pitch / 4 + x] =
                SDL_MapRGB(frame->format, static_cast<Uint8>(x * 7 + seed), static_cast<Uint8>(y * 3),
                           static_cast<Uint8>((x ^ y) + seed));
}

std::vector<Uint32> pixelsOf(SDL_Surface* surface) {
    const Uint32* first = static_cast<Uint32*>(surface->pixels);
    return std::vector<Uint32>(first, first + surface->h * surface->pitch / 4);
}

TEST(FrameScaler, DrawingOnlyTheChangesGivesTheWholePictureAndAnEvenColourStaysEven) {
    SDL_Surface* frame = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Surface* window = SDL_CreateRGBSurface(SDL_SWSURFACE, 1280, 800, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Surface* whole = SDL_CreateRGBSurface(SDL_SWSURFACE, 1280, 800, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    const SDL_Rect view = {107, 0, 1067, 800};
    FrameScaler changes, fresh;
    changes.aim(800, 600, view);
    paintPattern(frame, 0);
    ASSERT_EQ(changes.show(frame, window).size(), 1u);
    EXPECT_EQ(static_cast<Uint32*>(window->pixels)[5], 0u) << "the bar is not black";
    EXPECT_TRUE(changes.show(frame, window).empty()) << "nothing changed, something drawn";
    // A piece's worth of the frame changes, on the edges of two bands.
    SDL_Rect piece = {300, 10, 50, 50};
    SDL_FillRect(frame, &piece, SDL_MapRGB(frame->format, 250, 200, 10));
    std::vector<SDL_Rect> touched = changes.show(frame, window);
    ASSERT_FALSE(touched.empty());
    for (const SDL_Rect& rect : touched) {
        EXPECT_GE(rect.x, view.x + 300 * 1067 / 800 - 3);
        EXPECT_LE(rect.x + rect.w, view.x + 350 * 1067 / 800 + 3);
    }
    fresh.aim(800, 600, view);
    fresh.show(frame, whole);
    EXPECT_TRUE(pixelsOf(window) == pixelsOf(whole));
    // The whole frame again, as after a change of language.
    paintPattern(frame, 77);
    changes.show(frame, window);
    fresh.forget();
    fresh.show(frame, whole);
    EXPECT_TRUE(pixelsOf(window) == pixelsOf(whole));
    // An even colour stays even: the weights of every mix add up to one.
    SDL_FillRect(frame, nullptr, SDL_MapRGB(frame->format, 201, 163, 99));
    changes.show(frame, window);
    std::vector<Uint32> shown = pixelsOf(window);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), SDL_MapRGB(frame->format, 201, 163, 99)), 1067 * 800);
    for (SDL_Surface* surface : {frame, window, whole}) SDL_FreeSurface(surface);
}

}  // namespace
