#include "app/speedbar.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>

#include "sprites/glide.h"

SpeedBar::SpeedBar(SDL_Surface* screen) : speed(1), x(205), y(496), width(14), screen(screen) {
    setGlideSpeed(speed);
}

SpeedBar::~SpeedBar() {}

void SpeedBar::lessSpeed(int n) {
    speed = std::min(speed + n, 10);
    setGlideSpeed(speed);
}

void SpeedBar::moreSpeed(int n) {
    speed = std::max(speed - n, 0);
    setGlideSpeed(speed);
}

void SpeedBar::Display() {
    if (!screen) return;
    const int h2 = width / 2;
    filledTrigonRGBA(screen, static_cast<Sint16>(x + h2), 380, static_cast<Sint16>(x), 401,
                     static_cast<Sint16>(x + 2 * h2), 401, 0, 255, 0, 255);
    boxRGBA(screen, static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Sint16>(x + width),
            static_cast<Sint16>(y - (10 - speed) * 10), 255, 0, 0, 255);
    filledTrigonRGBA(screen, static_cast<Sint16>(x + h2), 512, static_cast<Sint16>(x), 499,
                     static_cast<Sint16>(x + 2 * h2), 499, 0, 255, 0, 255);
}
