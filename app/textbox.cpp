#include "app/textbox.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <map>
#include <memory>

#include "app/font.h"

namespace {

const char* const ellipsis = "\xE2\x80\xA6";

// Never destroyed at exit: a font must close before TrueType does, which
// releaseTextFonts() sees to.
std::map<int, std::unique_ptr<Font>>& extraFonts() {
    static auto* fonts = new std::map<int, std::unique_ptr<Font>>;
    return *fonts;
}

int smallestPoints(int points) {
    return std::max(8, points * 2 / 3);
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Greedy lines of whole words no wider than `width`; false when a word alone
// is wider.
bool wrap(Font& font, const std::string& text, int width, std::vector<std::string>& lines) {
    lines.clear();
    if (font.widthOf(text.c_str()) <= width) {
        lines.push_back(text);
        return true;
    }
    std::string line;
    size_t at = 0;
    const std::string words = trimmed(text);
    while (at < words.size()) {
        size_t end = words.find(' ', at);
        if (end == std::string::npos) end = words.size();
        const std::string word = words.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (font.widthOf(longer.c_str()) <= width) {
            line = longer;
            continue;
        }
        if (line.empty()) return false;
        lines.push_back(line);
        line = word;
        if (font.widthOf(line.c_str()) > width) return false;
    }
    if (!line.empty()) lines.push_back(line);
    return true;
}

// Drops whole characters from the end until the line and "…" fit.
std::string cutShort(Font& font, std::string line, int width) {
    while (!line.empty() && font.widthOf((line + ellipsis).c_str()) > width) {
        line.pop_back();
        while (!line.empty() && (static_cast<unsigned char>(line.back()) & 0xC0) == 0x80) line.pop_back();
        if (!line.empty() && (static_cast<unsigned char>(line.back()) & 0x80)) line.pop_back();
    }
    return trimmed(line) + ellipsis;
}

int lineLeft(Font& font, const std::string& line, const TextBox& box) {
    if (box.align == ALIGN_LEFT) return box.x;
    const int spare = box.width - font.widthOf(line.c_str());
    return box.x + (box.align == ALIGN_RIGHT ? spare : spare / 2);
}

void measure(TextLayout& layout, const TextBox& box) {
    Font* font = fontOfSize(layout.points);
    if (!font) return;
    const int lineHeight = font->getHeight();
    int left = box.x + box.width, right = box.x;
    for (const std::string& line : layout.lines) {
        const int x = lineLeft(*font, line, box);
        left = std::min(left, x);
        right = std::max(right, x + font->widthOf(line.c_str()));
    }
    layout.extent = {static_cast<Sint16>(left), static_cast<Sint16>(box.y), static_cast<Uint16>(std::max(0, right - left)),
                     static_cast<Uint16>(lineHeight * static_cast<int>(layout.lines.size()))};
}

}  // namespace

Font* fontOfSize(int points) {
    if (points == 13 && font) return font;
    if (points == 18 && fontBig) return fontBig;
    if (points == 46 && fontHuge) return fontHuge;
    if (!font) return nullptr;  // TrueType is not up, or no longer
    std::unique_ptr<Font>& kept = extraFonts()[points];
    if (!kept) kept = std::make_unique<Font>("font.ttf", points);
    return kept.get();
}

void releaseTextFonts() {
    extraFonts().clear();
}

TextLayout layoutText(const std::string& text, const TextBox& box) {
    TextLayout layout;
    layout.points = box.points;
    if (text.empty() || !fontOfSize(box.points)) return layout;
    const int smallest = smallestPoints(box.points);
    for (int points = box.points; points >= smallest; --points) {
        Font& font = *fontOfSize(points);
        layout.points = points;
        const int fitting = std::max(1, box.height / font.getHeight());
        if (wrap(font, text, box.width, layout.lines) && static_cast<int>(layout.lines.size()) <= fitting) {
            measure(layout, box);
            return layout;
        }
    }
    // Too long even at the smallest size: as much as the box holds.
    Font& font = *fontOfSize(smallest);
    const int fitting = std::max(1, box.height / font.getHeight());
    if (!wrap(font, text, box.width, layout.lines)) layout.lines.assign(1, trimmed(text));
    if (static_cast<int>(layout.lines.size()) > fitting || font.widthOf(layout.lines.back().c_str()) > box.width) {
        layout.lines.resize(std::min(static_cast<int>(layout.lines.size()), fitting));
        layout.lines.back() = cutShort(font, layout.lines.back(), box.width);
    }
    layout.shortened = true;
    measure(layout, box);
    return layout;
}

TextLayout drawShadowedText(SDL_Surface* target, const std::string& text, const TextBox& box, SDL_Color colour,
                            SDL_Color shadow) {
    TextBox below = box;
    ++below.x;
    ++below.y;
    drawText(target, text, below, shadow);
    return drawText(target, text, box, colour);
}

TextLayout drawBandedText(SDL_Surface* target, const std::string& text, const TextBox& box, SDL_Color colour) {
    const SDL_Rect extent = layoutText(text, box).extent;
    if (target)
        roundedBoxRGBA(target, static_cast<Sint16>(extent.x - 8), static_cast<Sint16>(extent.y - 2),
                       static_cast<Sint16>(extent.x + extent.w + 8), static_cast<Sint16>(extent.y + extent.h + 2), 5,
                       50, 30, 15, 200);
    return drawText(target, text, box, colour);
}

TextLayout drawText(SDL_Surface* target, const std::string& text, const TextBox& box, SDL_Color colour) {
    TextLayout layout = layoutText(text, box);
    Font* font = fontOfSize(layout.points);
    if (!target || !font) return layout;
    int y = box.y;
    for (const std::string& line : layout.lines) {
        font->render(target, lineLeft(*font, line, box), y, line.c_str(), colour.r, colour.g, colour.b, 255);
        y += font->getHeight();
    }
    return layout;
}
