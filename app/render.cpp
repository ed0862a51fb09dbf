#include "app/render.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <string>

#include "app/coach.h"
#include "app/display.h"
#include "app/globals.h"
#include "app/opponentchoice.h"
#include "app/pacing.h"
#include "app/playaids.h"
#include "app/recordpanels.h"
#include "app/textplaces.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "settings/catalogue.h"
#include "settings/config.h"
#include "settings/log.h"
#include "sprites/fastdrawing.h"
#include "sprites/framepointer.h"
#include "sprites/glide.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "sprites/turnmarks.h"

namespace {

void display(Entity* sprite) {
    if (sprite) sprite->displaySingleScreen();
}

void text(SDL_Surface* target, int x, int y, const std::string& line, Uint8 r, Uint8 g, Uint8 b) {
    if (font) font->render(target, x, y, line.c_str(), r, g, b, 255);
}

std::string kindName(iPlayer* player) {
    return tr(player->IsComputer() ? "Computer" : "Human");
}

// Each text in its box, in the player's language.
void renderPlayerColumn(SDL_Surface* target, iPlayer* player, int x) {
    player->displaySingleScreen();
    const char* place = x < SCREEN_WIDTH / 2 ? "player.left" : "player";
    const SDL_Color black = {0, 0, 0, 255};
    drawText(target, player->name, placeBox(place, 500), black);
    drawText(target, kindName(player), placeBox(place, 520), black);
    drawText(target, tr(player->status), placeBox(place, 540), black);
    drawText(target, trf("Has {1} on board", {std::to_string(player->pawnsOnBoard)}), placeBox(place, 560), black);
}

void renderClock(SDL_Surface* target, Timer& clock, const char* place) {
    const std::string shown = clock.isPaused() ? tr(clock.getTimeMMSSHH()) : clock.getTimeMMSSHH();
    drawText(target, shown, placeBox(place), {10, 10, 10, 255});
}

Uint8 lowByte(int value) {
    return static_cast<Uint8>(value & 0xFF);
}

// An opaque board picture over the whole window leaves nothing of the
// background colour to see, so filling it first is wasted.
bool boardHidesBackground(SDL_Surface* target) {
    if (!fastDrawing || !emainbg || !emainbg->visible || emainbg->hasFrames()) return false;
    SDL_Surface* board = emainbg->getImage();
    return board && !(board->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY)) && board->format->Amask == 0 &&
           emainbg->getX() <= 0 && emainbg->getY() <= 0 && emainbg->getX() + board->w >= target->w &&
           emainbg->getY() + board->h >= target->h;
}

}  // namespace

void renderMenuStarting() {
    display(ebut_redstarts);
    display(ebut_readgamerules);
    display(ebut_existthegame);
    display(ebut_greystarts);
}

void renderMenuPlaying() {
    display(ebut_readgamerules);
    display(ebut_existthegame);
}

void renderMenuChatting() {
    display(ebut_barud);
    display(ebut_dradan);
}

void renderGame(SDL_Surface* target) {
    if (!boardHidesBackground(target))
        boxRGBA(target, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, lowByte(IConfig.backgroundRed),
                lowByte(IConfig.backgroundGreen), lowByte(IConfig.backgroundBlue), 255);
    display(emainbg);
    if (state == STATE_STARTING) {
        renderMenuStarting();
        drawText(target, tr("F2: how to play"), placeBox("start.hint"), {255, 255, 255, 255});
        drawOpponentChoice(target);
    } else if (state == STATE_PLAYING)
        renderMenuPlaying();
    if (debug) {
        int mx, my;
        framePointer(&mx, &my);
        std::string line = "x: " + std::to_string(mx) + " y: " + std::to_string(my);
        for (int i = 0; i < CELL_COUNT; ++i)
            if (en_cell[i] && en_cell[i]->selected())
                line += " - cellID = " + std::to_string(i) + ".";
        text(target, 12, 407, line, 255, 255, 255);
    }
}

void renderStatusBars(SDL_Surface* target) {
    if (playerOne) renderPlayerColumn(target, playerOne, 80);
    if (playerTwo) renderPlayerColumn(target, playerTwo, 628);
    if (state == STATE_PLAYING) {
        if (currentPlayer == playerOne)
            renderClock(target, timerOne, "clock.left");
        else
            renderClock(target, timerTwo, "clock");
    }
    const SDL_Color white = {255, 255, 255, 255};
    if (iGame) drawText(target, trf("    level: {1}", {tr(iGame->getGameLevelName())}), placeBox("centre", 250), white);
    if (playerOne && playerTwo)
        drawText(target, trf("   {1} vs {2}", {kindName(playerOne), kindName(playerTwo)}), placeBox("centre", 270), white);
    if (gamePhase >= 0 && gamePhase <= 2) drawText(target, tr(gameCurrentPhases[gamePhase]), placeBox("centre"), white);
}

bool drawFrames = true;

void render(SDL_Surface*, SDL_Surface*, SDL_Surface* target) {
    if (!drawFrames) {
        for (Pawn* pawn : en_pawn)
            if (pawn) pawn->update();
        return;
    }
    if (!target) return;
    renderGame(target);
    // The points go under the pieces, so that neither an empty hole nor a
    // highlight ever covers a piece that glides or is carried over them.
    if (state == STATE_PLAYING) {
        for (Cell* cell : en_cell)
            if (cell) cell->displaySingleScreen();
        drawTurnMarks(target);
    }
    for (Pawn* pawn : en_pawn)
        if (pawn && pawn->state != PAWN_PICKED) pawn->displaySingleScreen();
    for (Pawn* pawn : en_pawn)
        if (pawn && pawn->state == PAWN_PICKED) pawn->displaySingleScreen();
    renderStatusBars(target);
    if (state == STATE_KEYBOARD) {
        renderMenuChatting();
    } else if (state == STATE_PLAYING) {
        renderMenuPlaying();
        for (Entity& sprite : OtherEntities) sprite.draw();
        drawPlayAids(target);
        drawCoachLine(target);
    }
    drawRecordPanels(target);
    presentFrame();
}

bool boardIsAnimating() {
    if (state != STATE_PLAYING) return false;
    for (Pawn* pawn : en_pawn)
        if (pawn && pawn->isMoving()) return true;
    for (Cell* cell : en_cell)
        if (cell && cell->showsMeUp()) return true;
    return false;
}

void showInfo(const char* info) {
    if (debug) {
        int mx, my;
        framePointer(&mx, &my);
        if (font) font->render(screen, mx, my, info, 255, 255, 255, 255);
    }
    ILog.log(3, "%s", info);
}

void renderPacedFrame() {
    Uint32 start = SDL_GetTicks();
    render(gamescreen, minigamescreen, screen);
    paceFrame(start);
}

void showFramesFor(Uint32 milliseconds) {
    Uint32 start = glideClockNow();
    // Bounded by frames too, should the clock stand still.
    for (int frame = 0; frame < 1000 && glideClockNow() - start < milliseconds; ++frame)
        renderPacedFrame();
}
