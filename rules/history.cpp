#include "rules/history.h"

#include <utility>

#include "rules/board.h"
#include "rules/flow.h"
#include "rules/hooks.h"
#include "sprites/pawn.h"
#include "sprites/player.h"

GameHistory gameHistory;

void GameHistory::note(const GameSnapshot& now) {
    if (at >= 0 && positions[at].samePosition(now)) return;
    positions.resize(at + 1);
    positions.push_back(now);
    at = static_cast<int>(positions.size()) - 1;
}

const GameSnapshot* GameHistory::takeBack(const GameSnapshot& now) {
    if (at < 0) return nullptr;
    if (!positions[at].samePosition(now)) return &positions[at];
    if (at == 0) return nullptr;
    return &positions[--at];
}

const GameSnapshot* GameHistory::redo() {
    if (at + 1 >= static_cast<int>(positions.size())) return nullptr;
    return &positions[++at];
}

void GameHistory::clear() {
    positions.clear();
    at = -1;
}

bool GameHistory::replace(std::vector<GameSnapshot> entries, int cursor) {
    if (cursor < -1 || cursor >= static_cast<int>(entries.size()) || (cursor < 0 && !entries.empty()))
        return false;
    positions = std::move(entries);
    at = cursor;
    return true;
}

namespace {

unsigned turnClock() {
    const auto& clock = flowHooks().turnClock;
    return clock ? clock() : 0;
}

bool replaceBy(const GameSnapshot* target, Replacement why, ChangeCount& change) {
    if (!target) return false;
    const GameSnapshot now = captureGame(turnClock());
    const GameSnapshot position = *target;
    restoreGame(position);
    change = countChange(position, now);
    report(flowHooks().replaced, why, position.clockMilliseconds);
    return true;
}

}  // namespace

bool takeBackTurn(ChangeCount& change) {
    return replaceBy(gameHistory.takeBack(captureGame(turnClock())), Replacement::TAKE_BACK, change);
}

bool playTurnAgain(ChangeCount& change) {
    return replaceBy(gameHistory.redo(), Replacement::PLAY_AGAIN, change);
}

bool resumeGame(std::vector<GameSnapshot> history, int cursor, const GameSnapshot& now) {
    const bool fits = gameHistory.replace(std::move(history), cursor);
    restoreGame(now);
    report(flowHooks().replaced, Replacement::RESUME, now.clockMilliseconds);
    return fits;
}

bool atTurnStart() {
    if (state != STATE_PLAYING || quit || !currentPlayer || !currentPlayer->IsHuman() || somePieceGlides())
        return false;
    // A piece already in hand (picked up while the computer's last piece
    // still glided) is taken where it came from: still the turn's start.
    return currentPlayer->isChoosing() || currentPlayer->isMovingTo() || currentPlayer->isMovingFrom() ||
           (currentPlayer->isHitting() && gamePhase == PHASE_OPENING);
}
