// The cost of one complete frame, as the main loop draws it, on the
// headless 800 x 600 surface; and of starting the program up to its first
// frame.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/render.h"
#include "rules/flow.h"
#include "support/testenv.h"

namespace {

void startQuietly() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    enterScratchDirectory();
    startUp();
}

void BM_RenderStartScreen(benchmark::State& run) {
    startQuietly();
    for (auto _ : run) render(gamescreen, minigamescreen, screen);
    shutDown();
}
BENCHMARK(BM_RenderStartScreen)->Unit(benchmark::kMicrosecond);

void BM_RenderFullBoard(benchmark::State& run) {
    startQuietly();
    setupOpeningPosition();
    for (auto _ : run) render(gamescreen, minigamescreen, screen);
    shutDown();
}
BENCHMARK(BM_RenderFullBoard)->Unit(benchmark::kMicrosecond);

void BM_StartUpToFirstFrame(benchmark::State& run) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    enterScratchDirectory();
    for (auto _ : run) {
        startUp();
        render(gamescreen, minigamescreen, screen);
        run.PauseTiming();
        shutDown();
        run.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
