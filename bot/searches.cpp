// The tactical searches: each collects the points or moves of one kind, in
// list order, and answers one of them at random (-1 or false for none).
// They read the live board through the rule queries and the snapshot's
// lists for what belongs to whom.
#include "bot/game.h"

#include "bot/candidates.h"
#include "rules/board.h"
#include "rules/queries.h"
#include "settings/log.h"

namespace {

// Every step of a piece on one of `points` to an empty neighbour, in list
// order and then neighbour-table order.
void collectMoves(const CellList& points, Candidates& moves) {
    for (int i = 0; i < points.count; ++i) {
        int from = points.cells[i];
        for (int to : cellAdjents[from])
            if (canIMoveFromTo(from, to)) moves.add(from, to);
    }
}

// The four points beside `centre` on its two lines, in table order.
void pointsBeside(int centre, int beside[4]) {
    int n = 0;
    for (int line : cellJare[centre])
        for (int point : jare[line])
            if (point != centre) beside[n++] = point;
}

}  // namespace

int Game::getActiveTris(int player) {
    Candidates found;
    for (int i = 0; i < freeCells.count; ++i)
        if (didIMakeJare(freeCells.cells[i], player) >= 0) found.add(freeCells.cells[i]);
    return found.pick();
}

int Game::getSureTris(int player, bool sure) {
    Candidates found;
    for (int i = 0; i < freeCells.count; ++i) {
        int cell = freeCells.cells[i];
        if (sure ? canIMakeSureJare(cell, player) : canIMakeJare(cell, player)) found.add(cell);
    }
    return found.pick();
}

int Game::buildAfarrey(int player, bool aroundOpponent) {
    const CellList& centres = aroundOpponent ? yoursCells : freeCells;
    int other = getOtherPlayerId(player);
    Candidates found;
    for (int i = 0; i < centres.count; ++i) {
        int beside[4];
        pointsBeside(centres.cells[i], beside);
        int notOwned = 0, empty = -1;
        for (int point : beside) {
            if (doIOwn(point, player)) continue;
            ++notOwned;
            if (!doIOwn(point, other)) empty = point;
        }
        // Three own pieces and one empty point around the centre: filling
        // the point leaves both lines lacking only the centre. A point found
        // from several centres is collected each time, which favours it.
        if (notOwned == 1 && empty >= 0) found.add(empty);
    }
    return found.pick();
}

bool Game::moveAndGetSureTris(int player, bool irmaan, int* from, int* to, bool prepare) {
    if (mineCells.count == 0) return false;
    Candidates moves;
    collectMoves(mineCells, moves);
    Candidates passing;
    for (int i = 0; i < moves.count; ++i) {
        int f = moves.from[i], t = moves.to[i];
        bool passes;
        if (!irmaan && !prepare)
            passes = isItAJareMove(f, t, player);
        else if (irmaan && !prepare)
            passes = isItAIrmaanMove(f, t, player, false);
        else if (!irmaan)
            passes = isItAPrepareJareMove(f, t, player);
        else
            passes = isItAPrepareIrmaanMove(t, player, false);  // ignores its arguments
        if (passes) passing.add(f, t);
    }
    if (passing.empty()) return false;
    int chosen = passing.pickIndex();
    *from = passing.from[chosen];
    *to = passing.to[chosen];
    return true;
}

int Game::killAndBlockSureTris(int, bool irmaan) {
    Candidates moves;
    collectMoves(yoursCells, moves);
    Candidates threats;
    for (int i = 0; i < moves.count; ++i) {
        int f = moves.from[i], t = moves.to[i];
        bool threat = irmaan ? isItAIrmaanMove(f, t, opponentId, false)
                             : isItAJareMove(f, t, opponentId);
        if (threat) threats.add(f, t);
    }
    // One piece that threatens twice: removing it blocks both.
    if (threats.count == 2 && threats.from[0] == threats.from[1]) {
        ILog.log(3, "***Great job");
        return threats.from[0];
    }
    return threats.pick();
}

int Game::killAndGetIrmaan(int, bool flag) {
    Candidates found;
    for (int i = 0; i < yoursCells.count; ++i) {
        int cell = yoursCells.cells[i];
        if (canIReachTo(cell, playerId) && canIHaveIrmaan(cell, playerId, flag)) found.add(cell);
    }
    return found.pick();
}

int Game::killAndGetSureTris(int, bool sure) {
    Candidates found;
    for (int i = 0; i < yoursCells.count; ++i) {
        int cell = yoursCells.cells[i];
        if (!canIReachTo(cell, opponentId)) continue;
        if (sure ? canIhaveSureActiveJare(cell, playerId) : canIhaveActiveJare(cell, playerId))
            found.add(cell);
    }
    return found.pick();
}
