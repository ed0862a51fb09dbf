#include "app/playaids.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <string>
#include <vector>

#include "app/gamesummary.h"
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
};
Aids aids;

void say(const std::string& line) {
    aids.line = line;
    ILog.log(3, "%s", line.c_str());
}

// A game is on and no piece glides; otherwise says why nothing happens.
bool boardAtRest() {
    if (state != STATE_PLAYING || !currentPlayer) return false;
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

void ring(SDL_Surface* target, int cell, Uint8 r, Uint8 g, Uint8 b) {
    const Sint16 x = static_cast<Sint16>(en_cell[cell]->getX() + 25);
    const Sint16 y = static_cast<Sint16>(en_cell[cell]->getY() + 25);
    for (Sint16 radius = 21; radius <= 25; ++radius) aacircleRGBA(target, x, y, radius, r, g, b, 255);
}

void cross(SDL_Surface* target, int cell) {
    const int x = en_cell[cell]->getX() + 25, y = en_cell[cell]->getY() + 25;
    for (int offset = -1; offset <= 1; ++offset) {
        aalineRGBA(target, static_cast<Sint16>(x - 12 + offset), static_cast<Sint16>(y - 12),
                   static_cast<Sint16>(x + 12 + offset), static_cast<Sint16>(y + 12), 255, 215, 0, 255);
        aalineRGBA(target, static_cast<Sint16>(x - 12 + offset), static_cast<Sint16>(y + 12),
                   static_cast<Sint16>(x + 12 + offset), static_cast<Sint16>(y - 12), 255, 215, 0, 255);
    }
}

void arrow(SDL_Surface* target, int from, int to) {
    const int x1 = en_cell[from]->getX() + 25, y1 = en_cell[from]->getY() + 25;
    const int x2 = en_cell[to]->getX() + 25, y2 = en_cell[to]->getY() + 25;
    for (int offset = -1; offset <= 1; ++offset)
        aalineRGBA(target, static_cast<Sint16>(x1 + offset), static_cast<Sint16>(y1 + offset),
                   static_cast<Sint16>(x2 + offset), static_cast<Sint16>(y2 + offset), 255, 215, 0, 255);
}

void takeBack() {
    if (!boardAtRest()) return;
    ChangeCount change;
    if (!takeBackTurn(change)) return say(tr("Nothing to take back"));
    tallyChange(change, -1);
    say(trf("Took back {1}", {inWords(change)}));
}

void playAgain() {
    if (!boardAtRest()) return;
    ChangeCount change;
    if (!playTurnAgain(change)) return say(tr("Nothing to play again"));
    tallyChange(change, 1);
    say(trf("Played again {1}", {inWords(change)}));
}

void hint() {
    if (!boardAtRest()) return;
    engine::Advice advice = engine::adviseLiveGame(HINT_SOFT_MILLISECONDS, HINT_HARD_MILLISECONDS);
    if (!advice.found) return say(tr("Hint: nothing to play"));
    say(trf("Hint: {1}", {tr(advice.judgement)}));
    aids.advice = advice;
    aids.adviceShown = true;
}

}  // namespace

bool playAidKey(SDLKey key, SDLMod modifiers) {
    const bool control = (modifiers & KMOD_CTRL) != 0;
    if (key == SDLK_u || (key == SDLK_z && control))
        takeBack();
    else if (key == SDLK_y)
        playAgain();
    else if (key == SDLK_h && !control)
        hint();
    else
        return false;
    return true;
}

void positionMovedOn() {
    aids = Aids();
}

void drawPlayAids(SDL_Surface* target) {
    if (!target || state != STATE_PLAYING) return;
    if (aids.adviceShown) drawAdvisedMove(target, aids.advice.move);
    if (!aids.line.empty()) drawBandedText(target, aids.line, placeBox("aid"), {255, 255, 255, 255});
}

void drawAdvisedMove(SDL_Surface* target, engine::Move move) {
    if (move.isStep()) {
        arrow(target, move.from, move.to);
        ring(target, move.from, 255, 215, 0);
        ring(target, move.to, 40, 220, 60);
    } else if (move.isPlacement()) {
        ring(target, move.to, 40, 220, 60);
    } else if (move.isRemoval()) {
        // Gold with a cross, unlike the red ticked ring of a removal made.
        ring(target, move.from, 255, 215, 0);
        cross(target, move.from);
    }
}

void forgetPassingMarks() {
    aids = Aids();
    clearTurnMarks();
}

const std::string& playAidLine() {
    return aids.line;
}

const engine::Advice* shownAdvice() {
    return aids.adviceShown ? &aids.advice : nullptr;
}
