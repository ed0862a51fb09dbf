// A Beginner decision in each phase of a game, on a board at rest: once with
// the "thinking" frames that the rule queries draw, once without them. The
// difference is what the frames cost; `frames` says how many one decision
// draws. With frames, the argument `fast` turns the drawing shortcuts on (1)
// or off (0).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/globals.h"
#include "bot/game.h"
#include "headless.h"
#include "rules/flow.h"
#include "rules/queries.h"
#include "support/position.h"

namespace {

enum Decision { PLACE, REMOVE, MOVE };

// Four pieces of the first player against three, the race for the first
// line still open: the second player places.
void placingPosition() {
    place({0, 4, 10, 19}, 1);
    place({1, 13, 16}, 2);
    gamePhase = PHASE_RESETTLEMENT;
    whoseFirstJare = 0;
    turnOf(2);
}

// The full board right after placing; the second player removes first.
void removalPosition() {
    setupOpeningPosition();
    whoseFirstJare = 2;
}

// Eight pieces a side with eight free points; the second player moves.
void movingPosition() {
    place({0, 2, 4, 6, 10, 12, 19, 21}, 1);
    place({1, 3, 8, 13, 15, 17, 22, 23}, 2);
    gamePhase = PHASE_CONTENDING;
    whoseFirstJare = 1;
    turnOf(2);
}

void decide(Decision decision) {
    int cell, from, to;
    bool chosen = false;
    if (decision == PLACE) chosen = iGame->getBestChoice(&cell);
    if (decision == REMOVE) chosen = iGame->getBestToKill(&cell);
    if (decision == MOVE) chosen = iGame->getBestMove(&from, &to);
    benchmark::DoNotOptimize(chosen);
}

void measureDecision(benchmark::State& run, Decision decision, bool withFrames) {
    startQuietly(!withFrames || run.range(0) != 0);
    iGame->setGameLevel(LEVEL_BEGINNER);
    state = STATE_PLAYING;
    if (decision == PLACE) placingPosition();
    if (decision == REMOVE) removalPosition();
    if (decision == MOVE) movingPosition();
    settlePieces();
    analyzeGame();
    drawThinkingFrames = withFrames;
    const long framesBefore = thinkingFramesDrawn();
    for (auto _ : run) {
        // The same random choices every time, so every pass walks one path.
        srand(7);
        decide(decision);
    }
    run.counters["frames"] = benchmark::Counter(
        static_cast<double>(thinkingFramesDrawn() - framesBefore), benchmark::Counter::kAvgIterations);
    drawThinkingFrames = true;
    shutDown();
    fastDrawing = true;
}

void BM_BeginnerPlacement(benchmark::State& run) {
    measureDecision(run, PLACE, false);
}
void BM_BeginnerPlacementWithFrames(benchmark::State& run) {
    measureDecision(run, PLACE, true);
}
void BM_BeginnerRemoval(benchmark::State& run) {
    measureDecision(run, REMOVE, false);
}
void BM_BeginnerRemovalWithFrames(benchmark::State& run) {
    measureDecision(run, REMOVE, true);
}
void BM_BeginnerMove(benchmark::State& run) {
    measureDecision(run, MOVE, false);
}
void BM_BeginnerMoveWithFrames(benchmark::State& run) {
    measureDecision(run, MOVE, true);
}
BENCHMARK(BM_BeginnerPlacement)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BeginnerPlacementWithFrames)->ArgName("fast")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeginnerRemoval)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BeginnerRemovalWithFrames)->ArgName("fast")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeginnerMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BeginnerMoveWithFrames)->ArgName("fast")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
