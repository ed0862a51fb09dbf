#include "sprites/entity.h"

#include <SDL/SDL_image.h>

#include "app/textbox.h"
#include "app/textplaces.h"
#include "rules/cell.h"
#include "settings/catalogue.h"
#include "settings/log.h"
#include "sprites/fastdrawing.h"
#include "sprites/pointer.h"

namespace sprite_frames {

bool usable(const JAnimBase* set) {
    return set && set->loaded && set->count > 0 && set->frames && set->frames[0].image;
}

void step(const JAnimBase* set, int& currentFrame, Uint32& lastFrameTicks, float frameSpeed) {
    if (currentFrame < 0 || currentFrame >= set->count) currentFrame = 0;
    float threshold =
        static_cast<float>(lastFrameTicks) + static_cast<float>(set->frames[currentFrame].pause) * frameSpeed;
    if (static_cast<float>(SDL_GetTicks()) > threshold) {
        if (++currentFrame > set->count - 1) currentFrame = 0;
        lastFrameTicks = SDL_GetTicks();
    }
}

void blit(const JAnimBase* set, int currentFrame, float posX, float posY, SDL_Surface* screen) {
    SDL_Surface* frame = set->frames[currentFrame].image;
    if (!frame || !screen) return;
    SDL_Rect place = {static_cast<Sint16>(posX), static_cast<Sint16>(posY), 0, 0};
    SDL_BlitSurface(frame, nullptr, screen, &place);
}

SDL_Surface* loadKeyed(const char* file, SDL_Surface* screen, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* loaded = IMG_Load(file);
    if (!loaded) {
        ILog.log(0, "ERROR opening file %s: %s", file, IMG_GetError());
        return nullptr;
    }
    const SDL_PixelFormat* format = screen ? screen->format : loaded->format;
    SDL_SetColorKey(loaded, SDL_SRCCOLORKEY | SDL_RLEACCEL, SDL_MapRGB(format, r, g, b));
    return loaded;
}

void freeFrames(JAnimBase* set) {
    if (!usable(set)) return;
    for (int i = 0; i < set->count; ++i) {
        if (set->frames[i].image) SDL_FreeSurface(set->frames[i].image);
        set->frames[i].image = nullptr;
    }
}

}  // namespace sprite_frames

Entity::Entity() {}

Entity::Entity(int x, int y, int width, int height, SDL_Surface* screen)
    : width(width), height(height), x(x), y(y), screen(screen) {
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    rect.w = static_cast<Uint16>(width);
    rect.h = static_cast<Uint16>(height);
}

Entity::Entity(int x, int y, int width, int height, char* file, SDL_Surface* screen)
    : Entity(x, y, width, height, screen) {
    image = sprite_frames::loadKeyed(file, screen, 255, 255, 255);
}

Entity::~Entity() {
    releaseAll();
}

void Entity::releaseAll() {
    if (image) SDL_FreeSurface(image);
    if (background) SDL_FreeSurface(background);
    image = nullptr;
    background = nullptr;
    if (ownsFrames) sprite_frames::freeFrames(anim);
    ownsFrames = false;
}

bool Entity::hasFrames() const {
    return sprite_frames::usable(anim);
}

int Entity::init(JAnimBase* set, SDL_Surface* target) {
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

void Entity::draw() {
    if (!visible || !sprite_frames::usable(anim)) return;
    if (animated == 1) sprite_frames::step(anim, currentFrame, lastFrameTicks, frameSpeed);
    if (bgSaved == 0) bgSaved = 1;
    sprite_frames::blit(anim, currentFrame, posX, posY, screen);
}

void Entity::displaySingleScreen() {
    if (!visible || !image) return;
    if (animated != 0) {
        if (anim) draw();
        return;
    }
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    if (screen) blitPicture(image, screen, &rect);
    if (screen && !caption.empty()) {
        TextBox box = placeBox("menu", y + 52);
        box.x = x + 2;
        box.width = width - 4;
        drawShadowedText(screen, tr(caption), box, {248, 236, 210, 255}, {8, 30, 40, 255});
    }
}

void Entity::clearBG() {
    if (bgSaved != 1 || !background || !anim) return;
    SDL_Rect from = {0, 0, static_cast<Uint16>(anim->width), static_cast<Uint16>(anim->height)};
    SDL_Rect to = {static_cast<Sint16>(savedX), static_cast<Sint16>(savedY), 0, 0};
    SDL_BlitSurface(background, &from, screen, &to);
}

void Entity::updateBG() {
    if (!background || !anim || !screen) return;
    SDL_Rect from = {static_cast<Sint16>(posX), static_cast<Sint16>(posY),
                     static_cast<Uint16>(anim->width), static_cast<Uint16>(anim->height)};
    SDL_BlitSurface(screen, &from, background, nullptr);
    savedX = posX;
    savedY = posY;
}

void Entity::ChangeImage(char* file, SDL_Surface* target, int r, int g, int b) {
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
    // The board is such a picture: a full-window per-pixel blend every frame
    // becomes a row copy.
    if (SDL_Surface* opaque = opaqueCopy(converted, screen)) {
        SDL_FreeSurface(converted);
        converted = opaque;
    }
    if (image) SDL_FreeSurface(image);
    image = converted;
}

bool Entity::hits(Cell* c) {
    return c->getX() < x && x < c->getX() + c->getWidth() && c->getY() < y &&
           y < c->getY() + c->getHeight();
}

bool Entity::selected() {
    int mx, my;
    pointerPosition(&mx, &my);
    return getX() < mx && mx < getX() + getWidth() && getY() < my && my < getY() + getHeight();
}

int Entity::getX() { return x; }
int Entity::getY() { return y; }
int Entity::getXSpeed() { return xSpeed; }
int Entity::getYSpeed() { return ySpeed; }
int Entity::getWidth() { return width; }
int Entity::getHeight() { return height; }
int Entity::getGroundLevel() { return groundLevel; }
SDL_Rect Entity::getRect() { return rect; }
void Entity::setX(int value) { x = value; }
void Entity::setY(int value) { y = value; }
void Entity::setWidth(int value) { width = value; }
void Entity::setHeight(int value) { height = value; }
void Entity::setGroundLevel(int value) { groundLevel = value; }
void Entity::setRect(SDL_Rect& value) { rect = value; }
void Entity::setScreen(SDL_Surface* value) { screen = value; }
void Entity::changeX(int dx) { x += dx; }
void Entity::changeY(int dy) { y += dy; }
void Entity::copy(const Entity&) {}
void Entity::deallocate() { releaseAll(); }
