#include "app/font.h"

#include <cstdlib>

#include "settings/log.h"

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
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, text, colour);
    if (!rendered) return;
    if (anchor == CENTRE) {
        x -= rendered->w / 2;
        y -= rendered->h / 2;
    } else if (anchor == RIGHT_EDGE) {
        x -= rendered->w;
    }
    SDL_Rect place = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(rendered, nullptr, dst, &place);
    SDL_FreeSurface(rendered);
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
