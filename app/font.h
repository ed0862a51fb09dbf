// A TrueType font at one size, drawing anti-aliased text onto a surface.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include "app/textcache.h"

class Font {
public:
    // Opens `file` at `size` points; a font that cannot be opened ends the
    // program (exit code 1) after a log line.
    Font(char* file, int size);
    Font(const char* file, int size) : Font(const_cast<char*>(file), size) {}
    // Closes the font; it must go before TTF_Quit.
    virtual ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Draws `text` with its top-left corner at (x, y); `a` changes nothing.
    void render(SDL_Surface* dst, int x, int y, const char* text, unsigned char r,
                unsigned char g, unsigned char b, unsigned char a);
    void renderCenterJustified(SDL_Surface* dst, int x, int y, const char* text,
                               unsigned char r, unsigned char g, unsigned char b,
                               unsigned char a);
    void renderRightJustified(SDL_Surface* dst, int x, int y, const char* text, unsigned char r,
                              unsigned char g, unsigned char b, unsigned char a);
    int getHeight();
    // Pixels `text` takes across; 0 for none.
    int widthOf(const char* text);

private:
    enum Anchor { TOP_LEFT, CENTRE, RIGHT_EDGE };
    void renderAt(SDL_Surface* dst, int x, int y, const char* text, SDL_Color colour,
                  Anchor anchor);

    TTF_Font* font;  // owned
    TextCache rendered;
};

// The application's three sizes, opened at start-up; null before and after.
extern Font* font;      // 13 pt
extern Font* fontBig;   // 18 pt
extern Font* fontHuge;  // 46 pt
