// A frame as the window shows it, at 800 x 600, 1280 x 960 and 1920 x 1080
// (full screen on a common display): drawn and shown while a piece glides
// across the board, and the whole window drawn again (a window uncovered
// or resized). Headless by default; with ZELK_BENCH_VIDEO=x11 and a
// DISPLAY the real window is used, the X server's copy included (then read
// the real time, not the CPU time).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/display.h"
#include "app/globals.h"
#include "headless.h"
#include "rules/cell.h"
#include "rules/flow.h"

namespace {

void startAtSize(int width, int height) {
    const char* video = getenv("ZELK_BENCH_VIDEO");
    useDummyDrivers();
    if (video) setenv("SDL_VIDEODRIVER", video, 1);
    enterScratchDirectory();
    startUp();
    if (width == 1920) {
        // Full screen takes the desktop's size where there is one.
        resizeWindow(width, height);
        toggleFullScreen();
    } else {
        resizeWindow(width, height);
    }
    setupOpeningPosition();
    settlePieces();
}

// One piece across the board and back, again and again.
void keepAPieceGliding(int& leg) {
    Pawn* piece = en_pawn[0];
    if (piece->isMoving()) return;
    Cell* corners[2] = {en_cell[0], en_cell[23]};
    Cell* from = corners[leg % 2];
    Cell* to = corners[(leg + 1) % 2];
    piece->goFromThisToThat(from->getX(), from->getY(), to->getX(), to->getY());
    ++leg;
}

void BM_FrameDuringGlide(benchmark::State& run) {
    startAtSize(static_cast<int>(run.range(0)), static_cast<int>(run.range(1)));
    int leg = 0;
    for (auto _ : run) {
        keepAPieceGliding(leg);
        render(gamescreen, minigamescreen, screen);
    }
    run.counters["window_w"] = windowSurface()->w;
    shutDown();
}
BENCHMARK(BM_FrameDuringGlide)->ArgNames({"w", "h"})->Args({800, 600})->Args({1280, 960})->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WholeWindowAgain(benchmark::State& run) {
    startAtSize(static_cast<int>(run.range(0)), static_cast<int>(run.range(1)));
    for (auto _ : run) {
        forgetShownFrame();
        render(gamescreen, minigamescreen, screen);
    }
    shutDown();
}
BENCHMARK(BM_WholeWindowAgain)->ArgNames({"w", "h"})->Args({800, 600})->Args({1280, 960})->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
