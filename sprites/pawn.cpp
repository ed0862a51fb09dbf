#include "sprites/pawn.h"

#include <SDL/SDL_image.h>

#include "rules/cell.h"
#include "rules/helpers.h"
#include "settings/log.h"
#include "sprites/entity.h"
#include "sprites/fastdrawing.h"
#include "sprites/framepointer.h"
#include "sprites/pointer.h"

Pawn::Pawn() {}

Pawn::Pawn(int x, int y, int width, int height, SDL_Surface* screen, SDL_Surface* image,
           SDL_Surface* chosenImage, int owner)
    : owner(owner),
      width(width),
      height(height),
      x(x),
      y(y),
      homeX(x),
      homeY(y),
      screen(screen),
      image(image),
      chosenImage(chosenImage) {
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
}

Pawn::~Pawn() {
    releaseAll();
}

void Pawn::releaseAll() {
    if (background) SDL_FreeSurface(background);
    background = nullptr;
    if (ownImage) SDL_FreeSurface(ownImage);
    if (image == ownImage) image = nullptr;
    ownImage = nullptr;
    if (ownsFrames) sprite_frames::freeFrames(anim);
    ownsFrames = false;
}

namespace {
void (*landingSound)() = nullptr;
}  // namespace

void setLandingSound(void (*play)()) {
    landingSound = play;
}

bool Pawn::stepToward(int tx, int ty) {
    Uint32 now = glideClockNow();
    if (!glide.active || glide.toX != tx || glide.toY != ty)
        glide.begin(x, y, tx, ty, now, currentGlideSpeed());
    if (!glide.positionAt(now, &x, &y)) return false;
    glide.active = false;
    return true;
}

void Pawn::update() {
    if (state == PAWN_PICKED) {
        int mx, my;
        framePointer(&mx, &my);
        setX(mx - 25);
        setY(my - 25);
    }
    if (state == PAWN_RETURNING && stepToward(homeX, homeY)) state = PAWN_RETURNED;
    if (state == PAWN_TRAVELLING && stepToward(destX, destY)) {
        state = PAWN_PLACED;
        if (landingSound) landingSound();
    }
}

void Pawn::displaySingleScreen() {
    // The glide advances even for a piece without a picture, so that the
    // loops waiting for it to arrive always end.
    update();
    if (!visible || !image) return;
    if (animated != 0) {
        if (anim) draw();
        return;
    }
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    SDL_Surface* picture = state == PAWN_PICKED && chosenImage ? chosenImage : image;
    if (screen) blitPicture(picture, screen, &rect);
}

void Pawn::resetState() {
    glide.active = false;
    state = PAWN_IDLE;
    x = homeX;
    y = homeY;
    cell = -1;
}

void Pawn::restartFromHome(int tx, int ty) {
    glide.active = false;
    state = PAWN_TRAVELLING;
    x = homeX;
    y = homeY;
    destX = tx;
    destY = ty;
}

void Pawn::goFromThisToThat(int fx, int fy, int tx, int ty) {
    glide.active = false;
    state = PAWN_TRAVELLING;
    x = fx;
    y = fy;
    destX = tx;
    destY = ty;
}

bool Pawn::arrivedDestination(int px, int py) {
    return distance(x, y, px, py) <= 2.0;
}

int Pawn::init(JAnimBase* set, SDL_Surface* target) {
    anim = set;
    if (sprite_frames::usable(set)) {
        animated = set->count > 1 ? 1 : 0;
        if (background) SDL_FreeSurface(background);
        background = SDL_DisplayFormat(set->frames[0].image);
    }
    visible = true;
    frameSpeed = 1.0f;
    ownsFrames = true;
    screen = target;
    return 0;
}

void Pawn::draw() {
    if (!visible || !sprite_frames::usable(anim)) return;
    if (animated == 1) sprite_frames::step(anim, currentFrame, lastFrameTicks, frameSpeed);
    if (bgSaved == 0) bgSaved = 1;
    sprite_frames::blit(anim, currentFrame, posX, posY, screen);
}

void Pawn::clearBG() {
    if (bgSaved != 1 || !background || !anim) return;
    SDL_Rect from = {0, 0, static_cast<Uint16>(anim->width), static_cast<Uint16>(anim->height)};
    SDL_Rect to = {static_cast<Sint16>(savedX), static_cast<Sint16>(savedY), 0, 0};
    SDL_BlitSurface(background, &from, screen, &to);
}

void Pawn::updateBG() {
    if (!background || !anim || !screen) return;
    SDL_Rect from = {static_cast<Sint16>(posX), static_cast<Sint16>(posY),
                     static_cast<Uint16>(anim->width), static_cast<Uint16>(anim->height)};
    SDL_BlitSurface(screen, &from, background, nullptr);
    savedX = posX;
    savedY = posY;
}

void Pawn::ChangeImage(char* file, SDL_Surface* target, int r, int g, int b) {
    screen = target;
    SDL_Surface* loaded = IMG_Load(file);
    if (!loaded) {
        ILog.log(0, "ERROR opening file %s: %s", file, IMG_GetError());
        return;
    }
    if (r > 0 && screen)
        SDL_SetColorKey(loaded, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                        SDL_MapRGB(screen->format, static_cast<Uint8>(r), static_cast<Uint8>(g),
                                   static_cast<Uint8>(b)));
    SDL_Surface* converted = SDL_DisplayFormatAlpha(loaded);
    SDL_FreeSurface(loaded);
    if (!converted) return;
    // The first picture is shared with the other pieces and stays with the
    // application; a picture loaded here belongs to this piece.
    if (ownImage) SDL_FreeSurface(ownImage);
    ownImage = image = converted;
}

bool Pawn::hits(Cell* c) {
    return c->getX() < x && x < c->getX() + c->getWidth() && c->getY() < y &&
           y < c->getY() + c->getHeight();
}

bool Pawn::selected() {
    int mx, my;
    pointerPosition(&mx, &my);
    return getX() < mx && mx < getX() + getWidth() && getY() < my && my < getY() + getHeight();
}

int Pawn::getX() { return x; }
int Pawn::getY() { return y; }
int Pawn::getXSpeed() { return xSpeed; }
int Pawn::getYSpeed() { return ySpeed; }
int Pawn::getWidth() { return width; }
int Pawn::getHeight() { return height; }
int Pawn::getGroundLevel() { return groundLevel; }
SDL_Rect Pawn::getRect() { return rect; }
void Pawn::setX(int value) { x = value; }
void Pawn::setY(int value) { y = value; }
void Pawn::setWidth(int value) { width = value; }
void Pawn::setHeight(int value) { height = value; }
void Pawn::setGroundLevel(int value) { groundLevel = value; }
void Pawn::setRect(SDL_Rect& value) { rect = value; }
void Pawn::setScreen(SDL_Surface* value) { screen = value; }
void Pawn::changeX(int dx) { x += dx; }
void Pawn::changeY(int dy) { y += dy; }
void Pawn::copy(const Pawn&) {}
void Pawn::deallocate() { releaseAll(); }
