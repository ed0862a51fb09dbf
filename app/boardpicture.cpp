#include "app/boardpicture.h"

#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_rotozoom.h>

#include <cmath>

#include "rules/board.h"

namespace {

// The part of the frame the board's points take, with a margin.
const int cropX = 105, cropY = 25, cropWidth = 570, cropHeight = 480;
const double scale = static_cast<double>(SCENE_WIDTH) / cropWidth;

struct Pictures {
    SDL_Surface* board = nullptr;
    SDL_Surface* left = nullptr;
    SDL_Surface* right = nullptr;
    SDL_Surface* empty = nullptr;
};

SDL_Surface* loaded(const char* path) {
    SDL_Surface* picture = IMG_Load(path);
    if (picture && picture->format->BitsPerPixel != 32) {
        SDL_Surface* converted = SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, 32, 0xFF0000,
                                                      0xFF00, 0xFF, 0xFF000000);
        if (converted) SDL_BlitSurface(picture, nullptr, converted, nullptr);
        SDL_FreeSurface(picture);
        picture = converted;
    }
    return picture;
}

// Read once and kept: the pictures do not change while the game runs.
const Pictures& pictures() {
    static Pictures kept;
    static bool read = false;
    if (!read) {
        read = true;
        kept.board = loaded("images/background/zelkboard.png");
        kept.left = loaded("images/pawns/left/0.png");
        kept.right = loaded("images/pawns/right/0.png");
        kept.empty = loaded("images/cells/emptycell.png");
    }
    return kept;
}

// Where a point's centre falls on the picture.
Sint16 sceneX(int cell) {
    return static_cast<Sint16>(std::lround((cellPlaces[cell][0] + 25 - cropX) * scale));
}
Sint16 sceneY(int cell) {
    return static_cast<Sint16>(std::lround((cellPlaces[cell][1] + 25 - cropY) * scale));
}

void put(SDL_Surface* picture, SDL_Surface* target, int cell) {
    if (!picture) return;
    SDL_Rect at = {static_cast<Sint16>(cellPlaces[cell][0] - cropX), static_cast<Sint16>(cellPlaces[cell][1] - cropY), 0,
                   0};
    SDL_BlitSurface(picture, nullptr, target, &at);
}

void thickLine(SDL_Surface* target, int a, int b, Uint8 r, Uint8 g, Uint8 bl) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            aalineRGBA(target, static_cast<Sint16>(sceneX(a) + dx), static_cast<Sint16>(sceneY(a) + dy),
                       static_cast<Sint16>(sceneX(b) + dx), static_cast<Sint16>(sceneY(b) + dy), r, g, bl, 255);
}

void ring(SDL_Surface* target, int cell, Uint8 r, Uint8 g, Uint8 b) {
    for (Sint16 radius = 12; radius <= 14; ++radius) aacircleRGBA(target, sceneX(cell), sceneY(cell), radius, r, g, b, 255);
}

void arrowHead(SDL_Surface* target, int from, int to) {
    const double dx = sceneX(to) - sceneX(from), dy = sceneY(to) - sceneY(from);
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length < 1) return;
    const double ux = dx / length, uy = dy / length;
    const double tipX = sceneX(to) - ux * 14, tipY = sceneY(to) - uy * 14;
    filledTrigonRGBA(target, static_cast<Sint16>(tipX), static_cast<Sint16>(tipY),
                     static_cast<Sint16>(tipX - ux * 10 - uy * 6), static_cast<Sint16>(tipY - uy * 10 + ux * 6),
                     static_cast<Sint16>(tipX - ux * 10 + uy * 6), static_cast<Sint16>(tipY - uy * 10 - ux * 6), 255,
                     215, 0, 255);
}

}  // namespace

SDL_Surface* drawBoardScene(const BoardScene& scene) {
    const Pictures& p = pictures();
    if (!p.board) return nullptr;
    SDL_Surface* full =
        SDL_CreateRGBSurface(SDL_SWSURFACE, cropWidth, cropHeight, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    if (!full) return nullptr;
    SDL_Rect part = {cropX, cropY, cropWidth, cropHeight};
    // The board picture leaves its surroundings clear: the wood's own tone.
    SDL_FillRect(full, nullptr, SDL_MapRGBA(full->format, 196, 150, 98, 255));
    SDL_BlitSurface(p.board, &part, full, nullptr);
    for (int cell = 0; cell < CELL_COUNT; ++cell) put(p.empty, full, cell);
    for (int cell : scene.left) put(p.left, full, cell);
    for (int cell : scene.right) put(p.right, full, cell);
    SDL_Surface* picture = zoomSurface(full, scale, scale, SMOOTHING_ON);
    SDL_FreeSurface(full);
    if (!picture) return nullptr;
    for (int line : scene.lines) {
        thickLine(picture, jare[line][0], jare[line][2], 255, 215, 0);
        for (int cell : jare[line]) ring(picture, cell, 255, 215, 0);
    }
    for (int cell : scene.lit) ring(picture, cell, 40, 220, 60);
    if (scene.from >= 0 && scene.to >= 0) {
        thickLine(picture, scene.from, scene.to, 255, 215, 0);
        arrowHead(picture, scene.from, scene.to);
    }
    if (scene.removed >= 0) {
        ring(picture, scene.removed, 230, 30, 30);
        const Sint16 x = sceneX(scene.removed), y = sceneY(scene.removed);
        for (int d = -1; d <= 1; ++d) {
            aalineRGBA(picture, x - 9 + d, y - 9, x + 9 + d, y + 9, 230, 30, 30, 255);
            aalineRGBA(picture, x - 9 + d, y + 9, x + 9 + d, y - 9, 230, 30, 30, 255);
        }
    }
    return picture;
}
