#include "rules/cell.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <cmath>

#include "app/fastdrawing.h"
#include "sprites/framepointer.h"
#include "sprites/glide.h"

Cell::Cell() {}

Cell::Cell(int x, int y, int width, int height, SDL_Surface* screen, SDL_Surface* emptyImage,
           SDL_Surface* shadowImage)
    : width(width),
      height(height),
      x(x),
      y(y),
      radius(static_cast<float>(height / 2)),
      x0(x),
      y0(y),
      screen(screen),
      emptyImage(emptyImage),
      shadowImage(shadowImage) {
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
}

Cell& Cell::operator=(const Cell& other) {
    deallocate();
    copy(other);
    return *this;
}

Cell::~Cell() {
    emptyImage = nullptr;
}

void Cell::displaySingleScreen() {
    if (state == CELL_SHOWING) {
        if (!drawFlash()) {
            // The flash is over: a point that lost its piece meanwhile (or
            // was flashed while empty) becomes playable again.
            setState(currentPawn >= 0 ? CELL_OCCUPIED : CELL_EMPTY);
            radius = static_cast<float>(height / 2);
        }
        return;
    }
    if (state == CELL_OCCUPIED) return;
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    SDL_Surface* image = state == CELL_EMPTY ? emptyImage : shadowImage;
    if (image && screen) blitPicture(image, screen, &rect);
    radius = static_cast<float>(height / 2);
}

bool Cell::drawFlash() {
    Uint32 now = glideClockNow();
    if (!flashStarted) {
        flashStarted = true;
        flashStart = now;
    }
    Uint32 elapsed = now - flashStart;
    if (elapsed >= FLASH_MILLISECONDS) return false;
    float t = static_cast<float>(elapsed) / FLASH_MILLISECONDS;
    radius = static_cast<float>(height / 2) * (1.0f - t);
    if (!screen) return true;
    // Three pulses that fade out over the last third.
    float pulse = 0.6f + 0.4f * std::cos(t * 3.0f * 2.0f * static_cast<float>(M_PI));
    float fade = t < 0.67f ? 1.0f : (1.0f - t) / 0.33f;
    float strength = pulse * fade;
    Sint16 cx = static_cast<Sint16>(x + width / 2), cy = static_cast<Sint16>(y + height / 2);
    const struct {
        int radius;
        float alpha;
    } halo[] = {{37, 80}, {33, 110}, {29, 150}};
    for (const auto& h : halo)
        filledCircleRGBA(screen, cx, cy, static_cast<Sint16>(h.radius), 255, 196, 60,
                         static_cast<Uint8>(h.alpha * strength));
    aacircleRGBA(screen, cx, cy, 27, 255, 240, 170, static_cast<Uint8>(255 * strength));
    return true;
}

bool Cell::selected() {
    int mx, my;
    framePointer(&mx, &my);
    return getX() < mx && mx < getX() + getWidth() && getY() < my && my < getY() + getHeight();
}

void Cell::hit() {}
void Cell::update() {}
int Cell::getX() { return x; }
int Cell::getY() { return y; }
int Cell::getXSpeed() { return xSpeed; }
int Cell::getYSpeed() { return ySpeed; }
int Cell::getWidth() { return width; }
int Cell::getHeight() { return height; }
int Cell::getGroundLevel() { return groundLevel; }
SDL_Rect Cell::getRect() { return rect; }
void Cell::setX(int value) { x = value; }
void Cell::setY(int value) { y = value; }
void Cell::setWidth(int value) { width = value; }
void Cell::setHeight(int value) { height = value; }
void Cell::setGroundLevel(int value) { groundLevel = value; }
void Cell::setRect(SDL_Rect& value) { rect = value; }
void Cell::changeX(int dx) { x += dx; }
void Cell::changeY(int dy) { y += dy; }
bool Cell::isOccupied() { return state == CELL_OCCUPIED; }
bool Cell::isEmpty() { return state == CELL_EMPTY; }
bool Cell::isUnderShadow() { return state == CELL_SHADOWED; }
bool Cell::showsMeUp() { return state == CELL_SHOWING; }
void Cell::setCurrentPawn(int pawn) { currentPawn = pawn; }
int Cell::getCurrentPawn() { return currentPawn; }

void Cell::resetState() {
    setState(CELL_EMPTY);
    oldState = CELL_EMPTY;
    setCurrentPawn(-1);
}

void Cell::setOldState(CellStates s) { oldState = s; }

void Cell::setState(CellStates s) {
    if (s == CELL_SHOWING && state != CELL_SHOWING) flashStarted = false;
    state = s;
    if (isEmpty()) setCurrentPawn(-1);
}

CellStates Cell::getState() { return state; }
void Cell::copy(const Cell&) {}
void Cell::deallocate() { emptyImage = nullptr; }
