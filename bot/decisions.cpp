// The three decisions of the computer opponent: where to place, which piece
// to move where, which opposing piece to remove. Each dispatches on the
// level: Dummy plays at random, Beginner's strength is only the order in
// which it tries the searches, Novice and Expert look ahead on a compact
// copy of the game. Every call leaves its report in `message`.
#include "bot/game.h"

#include <sstream>
#include <string>

#include "bot/stronglevels.h"
#include "settings/log.h"

namespace {

// Writes the report so far as one log entry and starts it afresh.
void logAndClear(std::ostringstream& report) {
    ILog.log(3, "%s", report.str().c_str());
    report.str("");
    report.clear();
}

const char* const outOfRangeLine = "\tOpps! this should never had happen\n";

bool isStrong(int level) {
    return level == LEVEL_NOVICE || level == LEVEL_EXPERT;
}

// The Novice's or the Expert's choice, with what its look-ahead saw.
bool strongDecision(Game& game, StrongLevels::Task task, int& cell, int& from, int& to,
                    std::ostringstream& report) {
    std::string seen;
    const bool found = game.strongLevels().decide(game.getGameLevel(), task, cell, from, to, seen);
    report << "\t" << seen << "\n";
    return found;
}

int beginnerPlacement(Game& game, std::ostringstream& report) {
    int c = -1;
    report << "\tI am beginner, therefore will do in my way\n" << "Avrei detto " << c << "\n";
    logAndClear(report);
    int me = game.getPlayerId(), other = game.getOpponetId();
    if (!game.isFirstJareGot()) {
        // Racing for the first line: who makes it removes first and moves first.
        ILog.log(3, "Look for 1st jare");
        c = game.getActiveTris(me);
        if (c < 0) c = game.getActiveTris(other);
        if (c < 0) c = game.getSureTris(me, true);
        if (c < 0) c = game.getSureTris(me, false);
        if (c < 0) c = game.getSureTris(other, true);
        if (c < 0) c = game.buildAfarrey(me, true);
        if (c < 0) c = game.buildAfarrey(other, true);
    } else {
        // Lines made while placing remove nothing any more: build shapes
        // that pay off once pieces move.
        ILog.log(3, "Already done 1st jare");
        c = game.buildAfarrey(me, true);
        if (c < 0) c = game.buildAfarrey(other, true);
        if (c < 0) c = game.buildAfarrey(me, false);
        if (c < 0) c = game.getSureTris(me, true);
        if (c < 0) c = game.getSureTris(me, false);
        if (c < 0) c = game.getSureTris(other, true);
    }
    if (c < 0) c = game.getRandomFree();
    return c;
}

void randomMove(Game& game, int& f, int& t) {
    f = game.getRandomMine();
    t = game.getRandomMoveTo(f);
}

void beginnerMove(Game& game, std::ostringstream& report, int& f, int& t) {
    report << "\tI am beginner, therefore will do in some way\n";
    logAndClear(report);
    report << "\tnow look movement for sure to kill\n";
    logAndClear(report);
    int me = game.getPlayerId();
    if (game.moveAndGetSureTris(me, true, &f, &t, false)) return;
    report << "\tnow look sure move to make tris\n";
    if (game.moveAndGetSureTris(me, false, &f, &t, false)) return;
    report << "\tnow look simple to make tris \n";
    if (game.moveAndGetSureTris(me, false, &f, &t, true)) return;
    report << "\tOk, at this point I am doing it randomly\n";
    randomMove(game, f, t);
}

int beginnerRemoval(Game& game, std::ostringstream& report) {
    report << "\tI am beginner, therefore will do in my way\n";
    int me = game.getPlayerId();
    int c = -1;
    // Only once pieces move can the other side complete a line by a step.
    if (game.isGameOpened()) {
        report << "Get it step 0\n";
        c = game.killAndBlockSureTris(me, true);
        if (c == -1) {
            report << "Get it step 1\n";
            c = game.killAndBlockSureTris(me, false);
        }
    }
    if (c == -1) {
        report << "Get it step 2\n";
        c = game.killAndGetIrmaan(me, false);
    }
    if (c == -1) {
        report << "Get it step 3\n";
        c = game.killAndGetSureTris(me, true);
    }
    if (c == -1) {
        report << "Get it step 4\n";
        c = game.killAndGetSureTris(me, false);
    }
    if (c == -1) {
        report << "Get it randomly\n";
        c = game.getRandomHis();
    }
    return c;
}

}  // namespace

bool Game::getBestChoice(int* cell) {
    std::ostringstream report;
    int c = -1;
    report << "COMPUTER: looking the best choice: level " << gameLevel << "\n";
    logAndClear(report);
    switch (gameLevel) {
        case LEVEL_DUMMY:
            c = getRandomFree();
            break;
        case LEVEL_BEGINNER:
            c = beginnerPlacement(*this, report);
            break;
        case LEVEL_NOVICE:
        case LEVEL_EXPERT: {
            int unusedFrom, unusedTo;
            strongDecision(*this, StrongLevels::PLACEMENT, c, unusedFrom, unusedTo, report);
            break;
        }
        default:
            report << "COMPUTER: looked the best choice: level " << gameLevel << "\n" << outOfRangeLine;
    }
    setMessage(report.str().c_str());
    if (c < 0) return false;
    *cell = c;
    return true;
}

bool Game::getBestMove(int* from, int* to) {
    std::ostringstream report;
    int f = -1, t = -1;
    report << "COMPUTER: looking the best movement\n";
    switch (gameLevel) {
        case LEVEL_DUMMY:
            report << "\tI am random, therefore doing it randomly\n";
            randomMove(*this, f, t);
            break;
        case LEVEL_BEGINNER:
            beginnerMove(*this, report, f, t);
            logAndClear(report);
            break;
        case LEVEL_NOVICE:
        case LEVEL_EXPERT: {
            int unusedCell;
            strongDecision(*this, StrongLevels::STEP, unusedCell, f, t, report);
            break;
        }
        default:
            report << outOfRangeLine;
    }
    report << "COMPUTER: finished to look the best movement on a game that had:\n\t"
           << mineCells.count << " cells of mine and\n\t" << yoursCells.count
           << " cells of yours and\n\t" << freeCells.count << " free cells.";
    setMessage(report.str().c_str());
    // The flow logs no report of a move; the look-ahead's is worth reading.
    if (isStrong(gameLevel)) ILog.log(3, "%s", report.str().c_str());
    if (f < 0 || t < 0) return false;
    *from = f;
    *to = t;
    return true;
}

bool Game::getBestToKill(int* cell) {
    std::ostringstream report;
    int c = -1;
    report << "COMPUTER: looking the best to kill\n";
    switch (gameLevel) {
        case LEVEL_DUMMY:
            report << "\tI am random, therefore doing it randomly\n";
            c = getRandomHis();
            break;
        case LEVEL_BEGINNER:
            c = beginnerRemoval(*this, report);
            break;
        case LEVEL_NOVICE:
        case LEVEL_EXPERT: {
            int unusedFrom, unusedTo;
            strongDecision(*this, StrongLevels::REMOVAL, c, unusedFrom, unusedTo, report);
            break;
        }
        default:
            report << outOfRangeLine;
    }
    report << "COMPUTER: finished to look the best to kill on a game.";
    setMessage(report.str().c_str());
    if (c < 0) return false;
    *cell = c;
    return true;
}
