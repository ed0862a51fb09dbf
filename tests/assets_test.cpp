// The generated resource tree as the game loads it: every picture at its
// size, white-keyed pictures solid where they must show, the board's holes
// under the points, and music that SDL_mixer reads. The generators' own parts are checked in tools/tests.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/board.h"
#include "support/testenv.h"

namespace {

std::string dataPath(const std::string& relative) { return std::string(ZELK_DATA_DIR) + "/" + relative; }

struct Rgb {
    int r, g, b;
    bool white() const { return r == 255 && g == 255 && b == 255; }
    double luminance() const { return (0.299 * r + 0.587 * g + 0.114 * b) / 255.0; }
};

// A picture read through a 32-bit RGB copy, so pixels read the same whatever
// the file's format.
class Picture {
public:
    explicit Picture(const std::string& relative) : Picture(IMG_Load(dataPath(relative).c_str()), true) {}
    Picture(SDL_Surface* loaded, bool owned) {
        if (!loaded) return;
        SDL_PixelFormat format = {};
        format.BitsPerPixel = 32;
        format.BytesPerPixel = 4;
        format.Rmask = 0xFF0000, format.Gmask = 0xFF00, format.Bmask = 0xFF;
        format.Rshift = 16, format.Gshift = 8;
        surface = SDL_ConvertSurface(loaded, &format, SDL_SWSURFACE);
        if (owned) SDL_FreeSurface(loaded);
    }
    ~Picture() {
        if (surface) SDL_FreeSurface(surface);
    }
    Picture(const Picture&) = delete;

    bool ok() const { return surface != nullptr; }
    int w() const { return surface->w; }
    int h() const { return surface->h; }
    Rgb at(int x, int y) const {
        Uint32 p = static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
        return Rgb{int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)};
    }
    double meanLuminance(int x0, int y0, int x1, int y1) const {
        double sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) sum += at(x, y).luminance();
        return sum / ((x1 - x0) * (y1 - y0));
    }
    int whiteIn(int x0, int y0, int x1, int y1) const {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) count += at(x, y).white();
        return count;
    }

private:
    SDL_Surface* surface = nullptr;
};

struct Region {
    int x0, y0, x1, y1;  // must show: no key colour inside
};

// Opaque pictures have no region to check (and no key in the corner).
const struct {
    const char* file;
    int w, h;
    bool keyed;
    Region solid;
} pictures[] = {
    {"images/pawns/left/0.png", 50, 50, true, {14, 14, 34, 34}},
    {"images/pawns/left/chosen.png", 50, 50, true, {12, 12, 38, 38}},
    {"images/pawns/right/0.png", 50, 50, true, {14, 14, 34, 34}},
    {"images/pawns/right/chosen.png", 50, 50, true, {12, 12, 38, 38}},
    {"images/cells/emptycell.png", 50, 50, true, {17, 17, 33, 33}},
    {"images/cells/shadowcell.png", 50, 50, true, {12, 12, 38, 38}},
    {"images/menu/menuleftstarts.png", 65, 75, true, {6, 6, 58, 68}},
    {"images/menu/menurightstarts.png", 65, 75, true, {6, 6, 58, 68}},
    {"images/menu/menureadrules.png", 65, 75, true, {6, 6, 58, 68}},
    {"images/menu/menuquitthegame.png", 65, 75, true, {6, 6, 58, 68}},
    {"images/menu/barud.png", 65, 75, true, {6, 6, 58, 68}},
    {"images/menu/dradan.png", 65, 75, true, {6, 6, 58, 68}},
    {"images/players/left/01.png", 64, 97, true, {22, 40, 40, 85}},
    {"images/players/right/01.png", 64, 97, true, {22, 40, 40, 85}},
    {"images/presentation/yesno.png", 400, 300, true, {10, 10, 388, 286}},
    {"images/presentation/zelkabout.png", 700, 525, true, {10, 10, 688, 510}},
    {"images/background/zelkboard.png", 800, 600, false, {}},
    {"images/background/yellowbackformenu.png", 800, 600, false, {}},
    {"images/background/whitebackforinfobar.png", 800, 100, false, {}},
    {"images/presentation/zelkinit.png", 400, 480, false, {}},
    {"images/presentation/ok.png", 25, 25, false, {}},
    {"images/presentation/notok.png", 25, 25, false, {}},
};

TEST(Pictures, HaveTheirSizeAndKeyedOnesAShowingCentre) {
    for (const auto& expected : pictures) {
        SCOPED_TRACE(expected.file);
        Picture p(expected.file);
        ASSERT_TRUE(p.ok()) << IMG_GetError();
        EXPECT_EQ(p.w(), expected.w);
        EXPECT_EQ(p.h(), expected.h);
        if (!expected.keyed) continue;
        const Region& solid = expected.solid;
        EXPECT_EQ(p.whiteIn(solid.x0, solid.y0, solid.x1, solid.y1), 0);
        EXPECT_TRUE(p.at(0, 0).white()) << "the key is used: the corner is see-through";
    }
    Picture icon(SDL_LoadBMP(dataPath("images/zelk.icon").c_str()), true);
    ASSERT_TRUE(icon.ok());
    EXPECT_TRUE(icon.w() == 32 && icon.h() == 32);
}

// Mean difference a channel of two squares of `size`, at (ax, ay) of `a` and
// (bx, by) of `b`.
double meanDifference(const Picture& a, int ax, int ay, const Picture& b, int bx, int by, int size) {
    double sum = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Rgb p = a.at(ax + x, ay + y), q = b.at(bx + x, by + y);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
        }
    return sum / (size * size * 3);
}

TEST(Pictures, TheBoardHasAHoleUnderEveryPointAndPiecesAndLitPointsStandOut) {
    Picture board("images/background/zelkboard.png"), cell("images/cells/emptycell.png");
    for (int i = 0; i < CELL_COUNT; ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        const int px = cellPlaces[i][0], py = cellPlaces[i][1];
        EXPECT_LT(meanDifference(board, px + 17, py + 17, cell, 17, 17, 16), 10.0)
            << "the empty point's picture matches the cup carved there";
    }
    // What a player must tell apart: the sides, a lit point from an empty one.
    EXPECT_GT(Picture("images/pawns/right/0.png").meanLuminance(15, 15, 35, 35) -
                  Picture("images/pawns/left/0.png").meanLuminance(15, 15, 35, 35), 0.4);
    EXPECT_GT(meanDifference(cell, 0, 0, Picture("images/cells/shadowcell.png"), 0, 0, 50), 20.0);
}

// The generated music is one the mixer reads.
TEST(Audio, TheMusicLoads) {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048), 0) << Mix_GetError();
    Mix_Music* music = Mix_LoadMUS(dataPath("audio/background.xm").c_str());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    Mix_FreeMusic(music);
    Mix_CloseAudio();
    SDL_Quit();
}

}  // namespace
