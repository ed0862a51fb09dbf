#include "sprites/turnmarks.h"

#include <SDL/SDL_gfxPrimitives.h>

#include "rules/board.h"
#include "settings/log.h"

namespace {

TurnMarks marks[3];

bool validPlayer(int player) {
    return player == 1 || player == 2;
}

bool validCell(int cell) {
    return cell >= 0 && cell < CELL_COUNT;
}

// Rings start just outside a piece's 50 px picture, so faces stay clear.
const int innerRadius = 27;

struct Tint {
    Uint8 r, g, b;
};

// Each side's rings in a light tone of its pieces, readable on the board.
Tint tintOf(int player) {
    return player == 1 ? Tint{255, 236, 170} : Tint{190, 225, 255};
}

void centreOf(int cell, Sint16* x, Sint16* y) {
    *x = static_cast<Sint16>(cellPlaces[cell][0] + 25);
    *y = static_cast<Sint16>(cellPlaces[cell][1] + 25);
}

void ring(SDL_Surface* target, Sint16 x, Sint16 y, int radius, Tint t, Uint8 alpha) {
    aacircleRGBA(target, x, y, static_cast<Sint16>(radius), t.r, t.g, t.b, alpha);
}

// The point left: a dotted ring, an absence.
void drawLeft(SDL_Surface* target, int cell, Tint t) {
    Sint16 x, y;
    centreOf(cell, &x, &y);
    for (int step = 0; step < 360; step += 30)
        arcRGBA(target, x, y, innerRadius, static_cast<Sint16>(step),
                static_cast<Sint16>(step + 12), t.r, t.g, t.b, 230);
}

// The point reached: a double ring.
void drawReached(SDL_Surface* target, int cell, Tint t) {
    Sint16 x, y;
    centreOf(cell, &x, &y);
    ring(target, x, y, innerRadius, t, 255);
    ring(target, x, y, innerRadius + 1, t, 255);
    ring(target, x, y, innerRadius + 3, t, 150);
}

// The point of a removal: a red ring with four ticks, in the side's tone
// between them.
void drawRemoved(SDL_Surface* target, int cell, Tint t) {
    Sint16 x, y;
    centreOf(cell, &x, &y);
    ring(target, x, y, innerRadius, Tint{220, 40, 30}, 255);
    ring(target, x, y, innerRadius + 1, Tint{220, 40, 30}, 255);
    const int ticks[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    for (const auto& d : ticks)
        thickLineRGBA(target, static_cast<Sint16>(x + d[0] * 20), static_cast<Sint16>(y + d[1] * 20),
                      static_cast<Sint16>(x + d[0] * 25), static_cast<Sint16>(y + d[1] * 25), 2,
                      t.r, t.g, t.b, 255);
}

}  // namespace

void recordPlacement(int player, int cell) {
    recordStep(player, -1, cell);
}

void recordStep(int player, int from, int to) {
    if (!validPlayer(player)) return;
    marks[player] = TurnMarks();
    marks[player].left = validCell(from) ? from : -1;
    marks[player].reached = validCell(to) ? to : -1;
    ILog.log(3, "marks: player %d left %d, reached %d", player, marks[player].left,
             marks[player].reached);
}

void recordRemoval(int player, int cell, bool startsTurn) {
    if (!validPlayer(player)) return;
    if (startsTurn) marks[player] = TurnMarks();
    marks[player].removed = validCell(cell) ? cell : -1;
    ILog.log(3, "marks: player %d removed on %d", player, marks[player].removed);
}

TurnMarks turnMarksOf(int player) {
    return validPlayer(player) ? marks[player] : TurnMarks();
}

void setTurnMarks(int player, const TurnMarks& saved) {
    if (validPlayer(player)) marks[player] = saved;
}

void clearTurnMarks() {
    for (TurnMarks& side : marks) side = TurnMarks();
}

void drawTurnMarks(SDL_Surface* target) {
    if (!target) return;
    for (int player = 1; player <= 2; ++player) {
        const TurnMarks& m = marks[player];
        Tint t = tintOf(player);
        if (validCell(m.left)) drawLeft(target, m.left, t);
        if (validCell(m.reached)) drawReached(target, m.reached, t);
        if (validCell(m.removed)) drawRemoved(target, m.removed, t);
    }
}
