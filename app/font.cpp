#include "app/font.h"

#include <cstdlib>

#include "settings/log.h"
#include "sprites/fastdrawing.h"

Font::Font(char* file, int size) : font(TTF_OpenFont(file, size)) {
    if (!font) {
        ILog.log(0, "Couldn't load %dpt font from %s: %s\n", size, file, TTF_GetError());
        exit(1);
    }
    TTF_SetFontStyle(font, TTF_STYLE_NORMAL);
}

Font::~Font() {
    TTF_CloseFont(font);
}

void Font::renderAt(SDL_Surface* dst, int x, int y, const char* text, SDL_Color colour,
                    Anchor anchor) {
    if (!dst || !text || !*text) return;
    SDL_Surface* surface = fastDrawing ? rendered.find(text, colour) : nullptr;
    if (!surface) {
        surface = TTF_RenderUTF8_Blended(font, text, colour);
        if (!surface) return;
        if (fastDrawing) rendered.keep(text, colour, surface);
    }
    if (anchor == CENTRE) {
        x -= surface->w / 2;
        y -= surface->h / 2;
    } else if (anchor == RIGHT_EDGE) {
        x -= surface->w;
    }
    SDL_Rect place = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(surface, nullptr, dst, &place);
    if (!fastDrawing) SDL_FreeSurface(surface);
}

void Font::render(SDL_Surface* dst, int x, int y, const char* text, unsigned char r,
                  unsigned char g, unsigned char b, unsigned char a) {
    renderAt(dst, x, y, text, SDL_Color{r, g, b, a}, TOP_LEFT);
}

void Font::renderCenterJustified(SDL_Surface* dst, int x, int y, const char* text,
                                 unsigned char r, unsigned char g, unsigned char b,
                                 unsigned char a) {
    renderAt(dst, x, y, text, SDL_Color{r, g, b, a}, CENTRE);
}

void Font::renderRightJustified(SDL_Surface* dst, int x, int y, const char* text,
                                unsigned char r, unsigned char g, unsigned char b,
                                unsigned char a) {
    renderAt(dst, x, y, text, SDL_Color{r, g, b, a}, RIGHT_EDGE);
}

int Font::getHeight() {
    return TTF_FontHeight(font);
}

int Font::widthOf(const char* text) {
    int width = 0, height = 0;
    if (!text || !*text || TTF_SizeUTF8(font, text, &width, &height) != 0) return 0;
    return width;
}
