// The cost of one complete frame, as the main loop draws it, on the
// headless 800 x 600 surface; and of starting the program up to its first
// frame. The argument `fast` turns the drawing shortcuts on (1) or off (0).
#include <benchmark/benchmark.h>

#include "app/globals.h"
#include "headless.h"
#include "rules/flow.h"

namespace {

void BM_RenderStartScreen(benchmark::State& run) {
    startQuietly(run.range(0) != 0);
    for (auto _ : run) render(gamescreen, minigamescreen, screen);
    shutDown();
    fastDrawing = true;
}
BENCHMARK(BM_RenderStartScreen)->ArgName("fast")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_RenderFullBoard(benchmark::State& run) {
    startQuietly(run.range(0) != 0);
    setupOpeningPosition();
    settlePieces();
    for (auto _ : run) render(gamescreen, minigamescreen, screen);
    shutDown();
    fastDrawing = true;
}
BENCHMARK(BM_RenderFullBoard)->ArgName("fast")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_StartUpToFirstFrame(benchmark::State& run) {
    fastDrawing = run.range(0) != 0;
    useDummyDrivers();
    enterScratchDirectory();
    for (auto _ : run) {
        startUp();
        render(gamescreen, minigamescreen, screen);
        run.PauseTiming();
        shutDown();
        run.ResumeTiming();
    }
    fastDrawing = true;
}
BENCHMARK(BM_StartUpToFirstFrame)->ArgName("fast")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
