#include "app/howtoplay.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>

#include "app/display.h"
#include "app/render.h"
#include "app/termination.h"
#include "app/textplaces.h"
#include "app/timer.h"
#include "rules/flow.h"
#include "settings/catalogue.h"

namespace {

int pageShown = -1;

// The panel and its controls on the 800 x 600 frame.
const SDL_Rect panel = {60, 40, 680, 520};
const SDL_Rect closeMark = {700, 48, 32, 32};
const SDL_Rect backButton = {80, 500, 140, 40};
const SDL_Rect nextButton = {580, 500, 140, 40};
const int pictureX = 80, pictureY = 110;

bool inside(const SDL_Rect& r, int x, int y) {
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

void button(SDL_Surface* target, const SDL_Rect& r, const std::string& caption, const char* place) {
    roundedBoxRGBA(target, r.x, r.y, r.x + r.w, r.y + r.h, 6, 70, 110, 60, 255);
    roundedRectangleRGBA(target, r.x, r.y, r.x + r.w, r.y + r.h, 6, 230, 220, 160, 255);
    drawText(target, caption, placeBox(place), {255, 255, 255, 255});
}

void drawPage(SDL_Surface* target, int index, SDL_Surface* picture) {
    const std::vector<HowToPlayPage>& pages = howToPlayPages();
    const HowToPlayPage& page = pages[index];
    boxRGBA(target, panel.x - 2, panel.y - 2, panel.x + panel.w + 2, panel.y + panel.h + 2, 0, 0, 0, 255);
    boxRGBA(target, panel.x, panel.y, panel.x + panel.w, panel.y + panel.h, 250, 243, 222, 255);
    drawText(target, tr(page.title), placeBox("howto.title"), {120, 40, 20, 255});
    const std::string count = trf("Page {1} of {2}", {std::to_string(index + 1), std::to_string(pages.size())});
    drawText(target, count, placeBox("howto.page"), {90, 90, 90, 255});
    if (picture) {
        SDL_Rect at = {pictureX, pictureY, 0, 0};
        SDL_BlitSurface(picture, nullptr, target, &at);
        rectangleRGBA(target, pictureX - 1, pictureY - 1, pictureX + picture->w, pictureY + picture->h, 60, 60, 60, 255);
    }
    drawText(target, tr(page.text), placeBox("howto.text"), {20, 20, 20, 255});
    drawText(target, tr("F2 or \xE2\x9C\x95: close"), placeBox("howto.keys"), {90, 90, 90, 255});
    // The close mark: a cross in a box.
    rectangleRGBA(target, closeMark.x, closeMark.y, closeMark.x + closeMark.w, closeMark.y + closeMark.h, 120, 40, 20, 255);
    for (int d = 0; d <= 1; ++d) {
        aalineRGBA(target, closeMark.x + 8 + d, closeMark.y + 8, closeMark.x + 24 + d, closeMark.y + 24, 120, 40, 20, 255);
        aalineRGBA(target, closeMark.x + 8 + d, closeMark.y + 24, closeMark.x + 24 + d, closeMark.y + 8, 120, 40, 20, 255);
    }
    if (index > 0) button(target, backButton, tr("Back"), "howto.back");
    button(target, nextButton, index + 1 < static_cast<int>(pages.size()) ? tr("Next") : tr("Close"), "howto.next");
    presentFrame();
}

}  // namespace

const std::vector<HowToPlayPage>& howToPlayPages() {
    static const std::vector<HowToPlayPage> pages = {
        {"The board",
         "The board has 24 points on three squares, joined at the middle of their sides. Three points in a "
         "straight row make a line: there are 16 lines, some of them glow here. Each player has 12 pieces, "
         "waiting beside the board.",
         {{}, {}, {0, 6, 10, 13, 15}, {}, -1, -1, -1}},
        {"Placing",
         "The players take turns to put one of their pieces on any empty point, until all 24 points are taken. "
         "Click one of your pieces beside the board, then an empty point.",
         {{0, 4, 13, 22}, {10, 19, 7}, {}, {}, -1, -1, -1}},
        {"A jare",
         "Three of your own pieces on one line make a jare. While placing, a jare takes nothing: the player "
         "who makes the first one removes first and moves first later.",
         {{3, 4, 5, 16}, {10, 13, 19}, {2}, {}, -1, -1, -1}},
        {"The opening removals",
         "When the board is full, each player takes away one piece of the other's: click it. Then the moving "
         "begins; the board now has two empty points.",
         {{0, 1, 3, 6, 8, 9, 10, 12, 16, 19, 20, 23}, {2, 4, 5, 7, 11, 13, 14, 15, 17, 18, 21, 22}, {}, {}, -1, -1, 13}},
        {"Moving",
         "In turn, each player moves one piece one step along a line to an empty neighbouring point. Click a "
         "piece: the points it can reach light up. Click one of them, or the piece again to put it back.",
         {{4, 9, 12, 18}, {3, 5, 13, 21}, {}, {1, 7}, 4, 7, -1}},
        {"Removal",
         "A jare made by moving removes one of the other player's pieces of your choice: click it. Moving a "
         "piece out of a line and back in makes the jare again.",
         {{6, 7, 8, 18}, {11, 12, 13, 21}, {4}, {}, 4, 7, 13}},
        {"The safe route",
         "A player who cannot move is not beaten. The game asks whether the other player may move again. "
         "Yes: it moves again, and a jare made in that move removes nothing. No: the game is saved and left.",
         {{1, 9, 14, 22, 5, 20}, {0, 2, 21}, {}, {}, 4, 5, -1}},
        {"Winning",
         "A player left with two pieces loses. Keys: u or Ctrl+Z takes back a turn, y or Ctrl+Y plays it "
         "again, h gives a hint, l lists the moves, o goes over the game, F2 shows these pages. The line "
         "above the board says what to do now.",
         {{4, 7, 10, 13, 19}, {0, 23}, {}, {}, -1, -1, -1}},
    };
    return pages;
}

int howToPlayPageShown() {
    return pageShown;
}

void showHowToPlay(SDL_Surface* target) {
    if (!target) return;
    Timer clock;
    const bool holdClock = state == STATE_PLAYING && !clock.isPaused();
    if (holdClock) clock.pause();
    const int last = static_cast<int>(howToPlayPages().size()) - 1;
    SDL_Surface* picture = nullptr;
    int drawn = -1;
    pageShown = 0;
    while (pageShown >= 0 && !terminationRequested()) {
        if (drawn != pageShown) {
            if (picture) SDL_FreeSurface(picture);
            picture = drawBoardScene(howToPlayPages()[pageShown].scene);
            render(nullptr, nullptr, target);
            drawPage(target, pageShown, picture);
            drawn = pageShown;
        }
        SDL_Event event;
        if (!pollFrameEvent(event)) {
            SDL_Delay(10);
            continue;
        }
        if (event.type == SDL_QUIT) quit = true;
        if (event.type == SDL_KEYUP) {
            const SDLKey key = event.key.keysym.sym;
            if (key == SDLK_ESCAPE) quit = true;
            if (key == SDLK_F2) pageShown = -1;
            if (key == SDLK_RIGHT || key == SDLK_PAGEDOWN || key == SDLK_SPACE) pageShown = std::min(pageShown + 1, last);
            if (key == SDLK_LEFT || key == SDLK_PAGEUP) pageShown = std::max(pageShown - 1, 0);
        }
        if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT) {
            const int x = event.button.x, y = event.button.y;
            if (inside(closeMark, x, y) || (pageShown == last && inside(nextButton, x, y)))
                pageShown = -1;
            else if (inside(nextButton, x, y))
                pageShown += 1;
            else if (pageShown > 0 && inside(backButton, x, y))
                pageShown -= 1;
        }
        if (quit) pageShown = -1;
        if (event.type == SDL_VIDEOEXPOSE) drawn = -1;
    }
    pageShown = -1;
    if (picture) SDL_FreeSurface(picture);
    if (holdClock) clock.pause();
    forgetShownFrame();
}
