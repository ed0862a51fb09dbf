// What the aids cost: the hint's search (wall-clock, the whole advice, on
// positions of each phase reached by random legal play), and the snapshot
// that following the game takes every frame, with a take-back and its
// replay on a board of the moving phase.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "app/playaids.h"
#include "bot/advice.h"
#include "headless.h"
#include "rules/flow.h"
#include "rules/history.h"
#include "rules/snapshot.h"
#include "support/position.h"

namespace {

// A position after `plies` random legal actions from the start, or the last
// one before the game ended.
engine::Position afterRandomPlay(int plies, unsigned seed) {
    std::mt19937 random(seed);
    engine::Position position = engine::startingPosition(0, 0);
    for (int ply = 0; ply < plies; ++ply) {
        engine::MoveList list;
        engine::generateMoves(position, list);
        if (list.count == 0 || position.phase == engine::OVER) break;
        engine::Position next = position;
        engine::play(next, list.moves[random() % list.count]);
        if (next.phase == engine::OVER) break;
        position = next;
    }
    return position;
}

void BM_Hint(benchmark::State& run) {
    const int plies = static_cast<int>(run.range(0));
    unsigned seed = 1;
    double slowest = 0;
    for (auto _ : run) {
        const engine::Position position = afterRandomPlay(plies, seed++);
        const auto start = std::chrono::steady_clock::now();
        engine::Advice advice = engine::adviseOn(position, HINT_SOFT_MILLISECONDS, HINT_HARD_MILLISECONDS);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, took.count());
        benchmark::DoNotOptimize(advice);
    }
    run.counters["slowest_ms"] = slowest;
}
// 6 plies: placing; 26: the opening removals; 40 and 60: moving.
BENCHMARK(BM_Hint)->Arg(6)->Arg(26)->Arg(40)->Arg(60)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void movingBoard() {
    startQuietly();
    place({0, 2, 4, 6, 10, 12, 19, 21}, 1);
    place({1, 3, 8, 13, 15, 17, 22, 23}, 2);
    playerOne->pawnsOnBoard = playerTwo->pawnsOnBoard = 8;
    gamePhase = PHASE_CONTENDING;
    switchState(STATE_PLAYING);
    turnOf(1);
    playerOne->setState(CHOOSING);
}

void BM_NoteTurnStart(benchmark::State& run) {
    movingBoard();
    for (auto _ : run) noteTurnStart();
    shutDown();
}
BENCHMARK(BM_NoteTurnStart);

void BM_TakeBackAndReplay(benchmark::State& run) {
    movingBoard();
    noteTurnStart();
    move_pawn_to_cell(en_cell[0]->getCurrentPawn(), 9, 1);
    en_cell[0]->resetState();
    turnOf(2);
    playerTwo->setState(CHOOSING);
    noteTurnStart();
    for (auto _ : run) {
        playAidKey(SDLK_u, KMOD_NONE);
        playAidKey(SDLK_y, KMOD_NONE);
    }
    shutDown();
}
BENCHMARK(BM_TakeBackAndReplay);

}  // namespace
