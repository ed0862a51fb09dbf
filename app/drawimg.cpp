#include "app/drawimg.h"

int DrawIMG(SDL_Surface* img, SDL_Surface* dst, int x, int y) {
    SDL_Rect place = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    return SDL_BlitSurface(img, nullptr, dst, &place);
}

int DrawIMG(SDL_Surface* img, SDL_Surface* dst, int x, int y, int w, int h, int x2, int y2) {
    SDL_Rect place = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_Rect part = {static_cast<Sint16>(x2), static_cast<Sint16>(y2), static_cast<Uint16>(w),
                     static_cast<Uint16>(h)};
    return SDL_BlitSurface(img, &part, dst, &place);
}
