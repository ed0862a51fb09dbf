#include "rules/queries.h"

#include "rules/board.h"
#include "rules/cell.h"
#include "rules/hooks.h"
#include "settings/log.h"
#include "sprites/player.h"

bool drawThinkingFrames = true;

namespace {

long framesDrawn = 0;

bool isFree(int cell) {
    return en_cell[cell]->isEmpty();
}

bool lineIsComplete(int line, int player) {
    for (int point : jare[line])
        if (!doIOwn(point, player)) return false;
    return true;
}

// The two points of `line` other than `cell`, in table order.
void otherPoints(int line, int cell, int others[2]) {
    int n = 0;
    for (int point : jare[line])
        if (point != cell && n < 2) others[n++] = point;
}

// A neighbour of `cell` off `line` (and not `excluded`) holds a piece of
// `player`: a piece that could step onto `cell` without breaking `line`.
bool reachableFromOffLine(int cell, int line, int excluded, int player) {
    for (int neighbour : cellAdjents[cell]) {
        if (neighbour < 0 || neighbour == excluded || lineHasCell(line, neighbour)) continue;
        if (doIOwn(neighbour, player)) return true;
    }
    return false;
}

void showThinking() {
    if (currentPlayer) currentPlayer->setState(THINKING);
    drawThinkingFrame();
}

// Step 3 of isItAPrepareJareMove: `to` lies on `line`.
bool preparesLineThroughDestination(int line, int from, int to, int player) {
    int mine = -1, gap = -1;
    int others[2];
    otherPoints(line, to, others);
    for (int point : others) {
        if (point != from && doIOwn(point, player))
            mine = point;
        else if (isFree(point) || point == from)
            gap = point;
    }
    return mine >= 0 && gap >= 0 && reachableFromOffLine(gap, line, from, player);
}

// Step 4 of isItAPrepareJareMove: `to` lies off `line` and is a neighbour of
// its one free point while the other two hold pieces of `player`.
bool preparesLineBeside(int line, int to, int player) {
    int owned = 0, freeCount = 0, freePoint = -1;
    for (int point : jare[line]) {
        if (isFree(point)) {
            ++freeCount;
            freePoint = point;
        } else if (doIOwn(point, player)) {
            ++owned;
        }
    }
    return owned == 2 && freeCount == 1 && areNeighbours(freePoint, to);
}

}  // namespace

void drawThinkingFrame() {
    const auto& frame = flowHooks().thinkingFrame;
    if (drawThinkingFrames && frame && frame()) ++framesDrawn;
}

long thinkingFramesDrawn() {
    return framesDrawn;
}

bool canIMoveFromTo(int from, int to) {
    if (from < 0 || from >= CELL_COUNT || to < 0 || to >= CELL_COUNT) return false;
    return areNeighbours(from, to) && (en_cell[to]->isEmpty() || en_cell[to]->isUnderShadow());
}

bool canIReachTo(int cell, int player) {
    for (int neighbour : cellAdjents[cell])
        if (neighbour >= 0 && doIOwn(neighbour, player)) return true;
    return false;
}

bool isItAJareMove(int from, int to, int player) {
    for (int line : cellJare[to]) {
        if (lineHasCell(line, from)) continue;
        int others[2];
        otherPoints(line, to, others);
        if (doIOwn(others[0], player) && doIOwn(others[1], player)) return true;
    }
    return false;
}

bool isItAIrmaanMove(int from, int to, int player, bool) {
    for (int left : cellJare[from]) {
        if (!lineIsComplete(left, player)) continue;
        for (int reached : cellJare[to]) {
            int owned = 0;
            for (int point : jare[reached])
                if (point != from && point != to && doIOwn(point, player)) ++owned;
            if (owned == 2) return true;
        }
    }
    return false;
}

bool canIHaveIrmaan(int cell, int player, bool) {
    for (int line : cellJare[cell]) {
        int others[2];
        otherPoints(line, cell, others);
        if (!doIOwn(others[0], player) || !doIOwn(others[1], player)) continue;
        for (int neighbour : cellAdjents[cell]) {
            if (neighbour < 0 || lineHasCell(line, neighbour) || !doIOwn(neighbour, player))
                continue;
            for (int completed : cellJare[neighbour])
                if (completed != line && lineIsComplete(completed, player)) return true;
        }
    }
    return false;
}

bool isItAPrepareJareMove(int from, int to, int player) {
    for (int line = 0; line < LINE_COUNT; ++line) {
        // The piece leaves a completed line and can step straight back.
        if (lineHasCell(line, from) && lineIsComplete(line, player)) return true;
        drawThinkingFrame();
        drawThinkingFrame();
        if (lineHasCell(line, to)) {
            if (preparesLineThroughDestination(line, from, to, player)) return true;
        } else if (preparesLineBeside(line, to, player)) {
            return true;
        }
    }
    return false;
}

bool isItAPrepareIrmaanMove(int, int, bool) {
    ILog.log(3, "TODO: Ok: Prepare Irmaan is not ready yet!");
    return false;
}

int howManyJaresICanMake(int cell, int player) {
    int count = 0;
    for (int line : cellJare[cell]) {
        bool hasMine = false, hasFree = false;
        int others[2];
        otherPoints(line, cell, others);
        for (int point : others) {
            if (doIOwn(point, player))
                hasMine = true;
            else if (isFree(point))
                hasFree = true;
        }
        if (hasMine && hasFree) ++count;
    }
    showThinking();
    return count;
}

bool canIMakeJare(int cell, int player) {
    return howManyJaresICanMake(cell, player) > 0;
}

bool canIMakeSureJare(int cell, int player) {
    return howManyJaresICanMake(cell, player) > 1;
}

int howManyActiveJareICaneMake(int cell, int player) {
    int count = 0;
    for (int line : cellJare[cell]) {
        int others[2];
        otherPoints(line, cell, others);
        if (doIOwn(others[0], player) && doIOwn(others[1], player) &&
            reachableFromOffLine(cell, line, -1, player))
            ++count;
    }
    showThinking();
    return count;
}

bool canIhaveActiveJare(int cell, int player) {
    return howManyActiveJareICaneMake(cell, player) > 0;
}

bool canIhaveSureActiveJare(int cell, int player) {
    return howManyActiveJareICaneMake(cell, player) > 1;
}
