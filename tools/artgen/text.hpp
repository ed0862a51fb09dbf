// Text for the pictures: DejaVu fonts through SDL_ttf, turned into coverage
// masks so labels are painted like any other shape (blended, no fringe).
#pragma once

#include "canvas.hpp"

#include <SDL/SDL_ttf.h>

#include <map>
#include <string>
#include <utility>

namespace art {

enum class FontStyle { Regular, Bold, SerifBold };

class Fonts {
public:
    explicit Fonts(std::string fontDir);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    TTF_Font* get(FontStyle style, int pointSize);

private:
    std::string dir_;
    std::map<std::pair<int, int>, TTF_Font*> open_;
};

struct TextSize {
    int w = 0, h = 0;
};
TextSize measureText(TTF_Font* font, const std::string& text);

// Mask of `text` with its top-left at (x, y) inside a w x h mask.
Mask textMask(int w, int h, TTF_Font* font, const std::string& text, int x, int y);
// Same, centred on (cx, cy).
Mask centredTextMask(int w, int h, TTF_Font* font, const std::string& text, float cx, float cy);

}  // namespace art
