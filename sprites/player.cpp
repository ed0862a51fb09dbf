#include "sprites/player.h"

#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_image.h>

#include <cstdio>

#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/helpers.h"
#include "settings/log.h"
#include "sprites/pointer.h"

const char* playerStateText(int state) {
    static const char* const texts[] = {"Choosing now", "Moving from", "Moving to",
                                        "Hitting now",  "Waiting hand", "Thinking"};
    return state >= 0 && state <= 5 ? texts[state] : nullptr;
}

bool computerTurnUnderWay() {
    if (::state != STATE_PLAYING || !currentPlayer || !playerOne || !playerTwo) return false;
    iPlayer* other = currentPlayer == playerOne ? playerTwo : playerOne;
    return currentPlayer->IsComputer() || (other->IsComputer() && somePieceGlides());
}

iPlayer::iPlayer() {}

iPlayer::iPlayer(int x, int y, int width, int height, char* imageFile, SDL_Surface* screen,
                 int id, char* playerName, PlayerTypes type)
    : type(type),
      id(id),
      width(width),
      height(height),
      x(x),
      y(y),
      teleX(x),
      teleY(y),
      screen(screen),
      movingFrom(-1) {
    setName(playerName);
    setStatus("Waiting");
    SDL_Surface* loaded = IMG_Load(imageFile);
    if (!loaded) {
        ILog.log(0, "ERROR opening file %s: %s", imageFile, IMG_GetError());
        return;
    }
    if (screen)
        SDL_SetColorKey(loaded, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                        SDL_MapRGB(screen->format, 255, 255, 255));
    ownImage = image = SDL_DisplayFormatAlpha(loaded);
    SDL_FreeSurface(loaded);
}

iPlayer::~iPlayer() {
    deallocate();
}

void iPlayer::deallocate() {
    if (ownImage) SDL_FreeSurface(ownImage);
    ownImage = image = nullptr;
}

void iPlayer::setStatus(const char* text) {
    snprintf(status, sizeof status, "%s", text ? text : "");
}

void iPlayer::showMessage(const char* text) {
    setStatus(text);
    messageHeld = true;
}

void iPlayer::setName(const char* text) {
    snprintf(name, sizeof name, "%s", text ? text : "");
}

void iPlayer::displaySingleScreen() {
    const char* text = playerStateText(state);
    const bool toAct = ::state != STATE_PLAYING || this == currentPlayer;
    if (text && !toAct) text = playerStateText(WAITING);
    // The computer's whole turn, its pieces' glides included, is its
    // thinking, and the person waits till the last glide ends; only a
    // computer's removal says so itself.
    if (text && computerTurnUnderWay())
        text = playerStateText(IsHuman() ? WAITING : state == HITTING ? HITTING : THINKING);
    if (text && !messageHeld) setStatus(text);
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    if (image && screen) SDL_BlitSurface(image, nullptr, screen, &rect);
}

bool iPlayer::selected() {
    int mx, my;
    pointerPosition(&mx, &my);
    return getX() < mx && mx < getX() + getWidth() && getY() < my && my < getY() + getHeight();
}

void iPlayer::Teletransport() {
    if (screen)
        filledCircleRGBA(screen, static_cast<Sint16>(x + width / 2),
                         static_cast<Sint16>(y + height / 2), static_cast<Sint16>(radius),
                         static_cast<Uint8>(10 * radius % 256), static_cast<Uint8>(5 * radius % 256),
                         static_cast<Uint8>(255 - (12 * radius % 256)), 255);
    if (radius <= width / 2 || radius <= height / 2) {
        ++radius;
        return;
    }
    state = WAITING;
    radius = 0;
    x = teleX;
    y = teleY;
}

void iPlayer::toTelePoint(int tx, int ty) {
    teleX = tx;
    teleY = ty;
}

bool iPlayer::hits(Cell* c) {
    const int cx = c->getX(), cy = c->getY(), cw = c->getWidth(), ch = c->getHeight();
    if (cx < x && x < cx + cw && y - radius < cy + ch && y + radius > cy) return true;
    if (cy < y && y < cy + ch && x + radius > cx && x - radius < cx + cw) return true;
    const int corners[4][2] = {{cx, cy}, {cx + cw, cy}, {cx, cy + ch}, {cx + cw, cy + ch}};
    for (const auto& corner : corners)
        if (distance(x, y, corner[0], corner[1]) < radius) return true;
    return false;
}

void iPlayer::resetState() {
    setState(WAITING);
    currentPawn = -1;
    pawnsOnBoard = 0;
    setOpenedTheGame(false);
    messageHeld = false;
}

int iPlayer::getX() { return x; }
int iPlayer::getY() { return y; }
int iPlayer::getXSpeed() { return xSpeed; }
int iPlayer::getYSpeed() { return ySpeed; }
int iPlayer::getWidth() { return width; }
int iPlayer::getHeight() { return height; }
int iPlayer::getGroundLevel() { return groundLevel; }
SDL_Rect iPlayer::getRect() { return rect; }
PlayerStates iPlayer::getState() { return state; }
Directions iPlayer::getLeftRight() { return leftRight; }
Directions iPlayer::getUpDown() { return upDown; }
int iPlayer::getCounter() { return counter; }
void iPlayer::resetCounter() { counter = 0; }
void iPlayer::setX(int value) { x = value; }
void iPlayer::setY(int value) { y = value; }
void iPlayer::setWidth(int value) { width = value; }
void iPlayer::setHeight(int value) { height = value; }
void iPlayer::setGroundLevel(int value) { groundLevel = value; }
void iPlayer::setRect(SDL_Rect& value) { rect = value; }
void iPlayer::setState(PlayerStates s) { state = s; }
void iPlayer::setLeftRight(Directions d) { leftRight = d; }
void iPlayer::setUpDown(Directions d) { upDown = d; }
void iPlayer::changeX(int dx) { x += dx; }
void iPlayer::changeY(int dy) { y += dy; }
void iPlayer::changeImage(SDL_Surface* newImage) { image = newImage; }
bool iPlayer::isChoosing() { return state == CHOOSING; }
bool iPlayer::isMovingFrom() { return state == MOVING_FROM; }
bool iPlayer::isMovingTo() { return state == MOVING_TO; }
bool iPlayer::isHitting() { return state == HITTING; }
bool iPlayer::IsWaiting() { return state == WAITING; }
bool iPlayer::IsComputer() { return type == COMPUTER; }
bool iPlayer::IsHuman() { return type == HUMAN; }
bool iPlayer::hasOpenedTheGame() { return openedTheGame; }
void iPlayer::setOpenedTheGame(bool opened) { openedTheGame = opened; }
void iPlayer::setMovingFrom(int cell) { movingFrom = cell; }
int iPlayer::getMovingFrom() { return movingFrom; }
void iPlayer::copy(const iPlayer&) {}
