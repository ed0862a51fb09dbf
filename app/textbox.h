// Drawing a text inside the box it has on the frame. A text that fits is
// drawn as it is, its top-left at the box's; one that does not goes over the
// box's lines, then is set smaller (down to two thirds of its size), and
// only past that is it cut short with "…". Every status, message, aid,
// question and caption is drawn through here, in whatever language.
#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

enum TextAlign { ALIGN_LEFT, ALIGN_CENTRE, ALIGN_RIGHT };

struct TextBox {
    int x, y, width, height;  // on the 800 x 600 frame
    int points;               // the size of the text where it fits
    TextAlign align;
};

struct TextLayout {
    int points = 0;                  // the size it is set in
    std::vector<std::string> lines;  // one or more; the last cut short when `shortened`
    bool shortened = false;
    SDL_Rect extent = {0, 0, 0, 0};  // what the drawn text covers
};

// How `text` goes into `box`, without drawing it.
TextLayout layoutText(const std::string& text, const TextBox& box);
// Draws `text` in `box`; returns how it went there.
TextLayout drawText(SDL_Surface* target, const std::string& text, const TextBox& box, SDL_Color colour);

// The same over its shadow, one pixel down and right: a caption on a button.
TextLayout drawShadowedText(SDL_Surface* target, const std::string& text, const TextBox& box, SDL_Color colour,
                            SDL_Color shadow);

// The same on a dark band a little larger than the text, so that it reads
// over the light wood of the frame.
TextLayout drawBandedText(SDL_Surface* target, const std::string& text, const TextBox& box, SDL_Color colour);

// The game's font at a size (the application's three and any other, opened
// on first use); released with releaseTextFonts() before TrueType closes.
class Font;
Font* fontOfSize(int points);
void releaseTextFonts();
