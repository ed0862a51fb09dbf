// Text masks from SDL_ttf: see text.hpp.
#include "text.hpp"

#include <cmath>
#include <stdexcept>

namespace art {

Fonts::Fonts(std::string fontDir) : dir_(std::move(fontDir)) {
    if (!TTF_WasInit() && TTF_Init() != 0) throw std::runtime_error(std::string("TTF_Init: ") + TTF_GetError());
}

Fonts::~Fonts() {
    for (auto& entry : open_) TTF_CloseFont(entry.second);
}

TTF_Font* Fonts::get(FontStyle style, int pointSize) {
    auto key = std::make_pair(int(style), pointSize);
    auto found = open_.find(key);
    if (found != open_.end()) return found->second;
    const char* file = style == FontStyle::Regular ? "DejaVuSans.ttf"
                       : style == FontStyle::Bold  ? "DejaVuSans-Bold.ttf"
                                                   : "DejaVuSerif-Bold.ttf";
    std::string path = dir_ + "/" + file;
    TTF_Font* font = TTF_OpenFont(path.c_str(), pointSize);
    if (!font) throw std::runtime_error("cannot open font " + path + ": " + TTF_GetError());
    open_[key] = font;
    return font;
}

TextSize measureText(TTF_Font* font, const std::string& text) {
    TextSize size;
    TTF_SizeUTF8(font, text.c_str(), &size.w, &size.h);
    return size;
}

Mask textMask(int w, int h, TTF_Font* font, const std::string& text, int x0, int y0) {
    Mask m(w, h);
    SDL_Color white = {255, 255, 255, 0};
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, text.c_str(), white);
    if (!rendered) throw std::runtime_error(std::string("TTF_RenderUTF8_Blended: ") + TTF_GetError());
    SDL_LockSurface(rendered);
    for (int y = 0; y < rendered->h; ++y)
        for (int x = 0; x < rendered->w; ++x) {
            int tx = x0 + x, ty = y0 + y;
            if (tx < 0 || ty < 0 || tx >= w || ty >= h) continue;
            Uint32 px = *reinterpret_cast<Uint32*>(static_cast<Uint8*>(rendered->pixels) + y * rendered->pitch +
                                                   x * rendered->format->BytesPerPixel);
            Uint8 r, g, b, a;
            SDL_GetRGBA(px, rendered->format, &r, &g, &b, &a);
            m.at(tx, ty) = a / 255.0f;
        }
    SDL_UnlockSurface(rendered);
    SDL_FreeSurface(rendered);
    return m;
}

Mask centredTextMask(int w, int h, TTF_Font* font, const std::string& text, float cx, float cy) {
    TextSize size = measureText(font, text);
    // Centre on the capital letters rather than the full line height:
    // DejaVu's ascent is 0.93 em and its capitals are 0.73 em tall.
    float visibleMiddle = TTF_FontAscent(font) * (1.0f - 0.73f / 2.0f / 0.93f);
    return textMask(w, h, font, text, int(std::lround(cx - size.w / 2.0f)), int(std::lround(cy - visibleMiddle)));
}

}  // namespace art
