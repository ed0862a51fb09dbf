#include "bot/stronglevels.h"

#include <chrono>

#include "bot/endgamefiles.h"
#include "bot/game.h"
#include "bot/livegame.h"
#include "rules/board.h"
#include "rules/queries.h"
#include "settings/log.h"
#include "sprites/player.h"

namespace {

// The search calls this every few milliseconds: one frame keeps the window
// alive and the player shown thinking.
void showThinking() {
    drawThinkingFrame();
}

// Whether `move` is the kind of decision the flow asked for.
bool fits(const engine::Move& move, StrongLevels::Task task) {
    switch (task) {
        case StrongLevels::PLACEMENT:
            return move.isPlacement();
        case StrongLevels::STEP:
            return move.isStep();
        case StrongLevels::REMOVAL:
            return move.isRemoval();
    }
    return false;
}

}  // namespace

void readEndgameTables() {
    static bool reported = false;
    if (reported) return;
    reported = true;
    const auto started = std::chrono::steady_clock::now();
    const engine::EndgameTables* tables = engine::endgameTables();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const engine::EndgameTablesFound& found = engine::endgameTablesFound();
    for (const std::string& problem : found.problems) ILog.log(0, "Endgame tables: %s", problem.c_str());
    if (!tables) {
        ILog.log(1, "Endgame tables: none found");
        return;
    }
    std::string files;
    for (const std::string& file : found.read) files += (files.empty() ? "" : " + ") + file;
    ILog.log(1, "Endgame tables: %s (3 to %d pieces a side, at most %d in all), read in %.2f s", files.c_str(),
             tables->most(), tables->mostTotal(), seconds);
}

void StrongLevels::count(int phase, const engine::Decision& decision) {
    if (phase < engine::PLACING || phase > engine::MOVING || decision.nodes == 0) return;
    Statistics& total = searched[phase];
    total.searches++;
    total.depths += decision.depth;
    if (decision.depth > total.deepest) total.deepest = decision.depth;
    total.nodes += decision.nodes;
    total.milliseconds += decision.milliseconds;
    if (decision.milliseconds > total.slowest) total.slowest = decision.milliseconds;
}

bool StrongLevels::decide(int level, Task task, int& cell, int& from, int& to, std::string& report) {
    engine::Position position = engine::positionFromLiveGame();
    // The flow knows which decision it needs; a player's state may lag
    // behind it (a removal is asked for right after the line is made).
    if (position.phase == engine::MOVING) position.mustRemove = task == REMOVAL;

    // Shown thinking only while it thinks: the flow goes on from the state
    // the player was in.
    iPlayer* thinker = currentPlayer;
    const PlayerStates before = thinker ? thinker->getState() : WAITING;
    if (thinker) thinker->setState(THINKING);
    readEndgameTables();
    engine::Decision decision;
    if (level == LEVEL_EXPERT) {
        limits.tick = showThinking;
        decision = expert.decide(position, limits);
        count(position.phase, decision);
    } else {
        showThinking();  // the Novice takes a few milliseconds: one frame is enough
        decision = novice.decide(position);
    }
    if (thinker) thinker->setState(before);
    report = decision.report;
    if (!decision.found || !fits(decision.move, task)) return false;
    if (task == STEP) {
        from = decision.move.from;
        to = decision.move.to;
    } else {
        cell = task == PLACEMENT ? decision.move.to : decision.move.from;
    }
    return true;
}

void StrongLevels::newGame() {
    expert.newGame();
}

void StrongLevels::setThinkMilliseconds(int milliseconds) {
    limits.softMilliseconds = milliseconds;
}
