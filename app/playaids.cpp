#include "app/playaids.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "app/textplaces.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/history.h"
#include "settings/catalogue.h"
#include "settings/log.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "sprites/turnmarks.h"

namespace {

struct Aids {
    std::string line;
    bool adviceShown = false;
    engine::Advice advice;
    GameSnapshot shownAt;  // the position the line and the advice speak of
};
Aids aids;

void say(const std::string& line) {
    aids.line = line;
    aids.shownAt = captureGame();
    ILog.log(3, "%s", line.c_str());
}

bool gameOn() {
    return state == STATE_PLAYING && currentPlayer;
}

// A game is on and no piece glides; otherwise says why nothing happens.
bool boardAtRest() {
    if (!gameOn()) return false;
    if (!somePieceGlides()) return true;
    say(tr("Wait: a piece is moving"));
    return false;
}

// "2 placements", "a move and a removal", in the player's language.
std::string inWords(const ChangeCount& change) {
    std::vector<std::string> parts;
    const auto counted = [&parts](int count, const char* one, const char* many) {
        if (count) parts.push_back(count == 1 ? tr(one) : trf(many, {std::to_string(count)}));
    };
    counted(change.placements, "a placement", "{1} placements");
    counted(change.moves, "a move", "{1} moves");
    counted(change.removals, "a removal", "{1} removals");
    if (parts.empty()) return tr("the turn");
    if (parts.size() == 1) return parts[0];
    if (parts.size() == 2) return trf("{1} and {2}", {parts[0], parts[1]});
    return trf("{1}, {2} and {3}", {parts[0], parts[1], parts[2]});
}

// Puts `target` on the board in place of `now` and says so; `done` holds
// where the change's words go.
void goTo(const GameSnapshot& now, const GameSnapshot* target, const char* done, const char* nothing) {
    if (!target) return say(tr(nothing));
    const GameSnapshot position = *target;
    restoreGame(position);
    say(trf(done, {inWords(countChange(position, now))}));
}

void ring(SDL_Surface* target, int cell, Uint8 r, Uint8 g, Uint8 b) {
    const Sint16 x = static_cast<Sint16>(en_cell[cell]->getX() + 25);
    const Sint16 y = static_cast<Sint16>(en_cell[cell]->getY() + 25);
    for (Sint16 radius = 21; radius <= 25; ++radius) aacircleRGBA(target, x, y, radius, r, g, b, 255);
}

void arrow(SDL_Surface* target, int from, int to) {
    const int x1 = en_cell[from]->getX() + 25, y1 = en_cell[from]->getY() + 25;
    const int x2 = en_cell[to]->getX() + 25, y2 = en_cell[to]->getY() + 25;
    for (int offset = -1; offset <= 1; ++offset)
        aalineRGBA(target, static_cast<Sint16>(x1 + offset), static_cast<Sint16>(y1 + offset),
                   static_cast<Sint16>(x2 + offset), static_cast<Sint16>(y2 + offset), 255, 215, 0, 255);
}

}  // namespace

bool playAidKey(SDLKey key, SDLMod modifiers) {
    const bool control = (modifiers & KMOD_CTRL) != 0;
    if (key == SDLK_u || (key == SDLK_z && control))
        takeBackTurn();
    else if (key == SDLK_y)
        replayTurn();
    else if (key == SDLK_h && !control)
        showHint();
    else
        return false;
    return true;
}

void takeBackTurn() {
    if (!boardAtRest()) return;
    const GameSnapshot now = captureGame();
    goTo(now, gameHistory.takeBack(now), "Took back {1}", "Nothing to take back");
}

void replayTurn() {
    if (!boardAtRest()) return;
    goTo(captureGame(), gameHistory.redo(), "Played again {1}", "Nothing to play again");
}

void showHint() {
    if (!boardAtRest()) return;
    engine::Advice advice = engine::adviseLiveGame(HINT_SOFT_MILLISECONDS, HINT_HARD_MILLISECONDS);
    if (!advice.found) return say(tr("Hint: nothing to play"));
    say(trf("Hint: {1}", {tr(advice.judgement)}));
    aids.advice = advice;
    aids.adviceShown = true;
}

void followTheGame() {
    if (state == STATE_KEYBOARD) return;
    if (state != STATE_PLAYING) {
        gameHistory.clear();
        aids = Aids();
        return;
    }
    const GameSnapshot now = captureGame();
    if (atTurnStart()) gameHistory.note(now);
    if ((aids.adviceShown || !aids.line.empty()) && !aids.shownAt.samePosition(now)) aids = Aids();
}

void drawPlayAids(SDL_Surface* target) {
    if (!target || state != STATE_PLAYING) return;
    if (aids.adviceShown) {
        const engine::Move move = aids.advice.move;
        if (move.isStep()) {
            arrow(target, move.from, move.to);
            ring(target, move.from, 255, 215, 0);
            ring(target, move.to, 40, 220, 60);
        } else if (move.isPlacement()) {
            ring(target, move.to, 40, 220, 60);
        } else if (move.isRemoval()) {
            ring(target, move.from, 230, 30, 30);
        }
    }
    if (!aids.line.empty()) drawText(target, aids.line, placeBox("aid"), {255, 255, 255, 255});
}

void forgetPassingMarks() {
    aids = Aids();
    clearTurnMarks();
    for (Pawn* pawn : en_pawn) pawn->pendingJare = -1;
    for (Cell* cell : en_cell)
        if (cell->showsMeUp()) cell->setState(cell->getCurrentPawn() >= 0 ? CELL_OCCUPIED : CELL_EMPTY);
}

const std::string& playAidLine() {
    return aids.line;
}

const engine::Advice* shownAdvice() {
    return aids.adviceShown ? &aids.advice : nullptr;
}
