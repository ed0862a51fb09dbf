// The cost of one complete frame, as the main loop draws it, on the
// headless 800 x 600 surface; and of starting the program up to its first
// frame.
#include <benchmark/benchmark.h>

#include "app/globals.h"
#include "headless.h"
#include "rules/flow.h"

namespace {

void BM_RenderStartScreen(benchmark::State& run) {
    startQuietly();
    for (auto _ : run) render(gamescreen, minigamescreen, screen);
    shutDown();
}
BENCHMARK(BM_RenderStartScreen)->Unit(benchmark::kMicrosecond);

void BM_RenderFullBoard(benchmark::State& run) {
    startQuietly();
    setupOpeningPosition();
    settlePieces();
    for (auto _ : run) render(gamescreen, minigamescreen, screen);
    shutDown();
}
BENCHMARK(BM_RenderFullBoard)->Unit(benchmark::kMicrosecond);

void BM_StartUpToFirstFrame(benchmark::State& run) {
    useDummyDrivers();
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
