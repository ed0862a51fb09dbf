// Shows the game's frame scaled into a rectangle of the window, smooth and
// sharp: each window pixel mixes the four by four frame pixels around it
// with a cubic (Catmull-Rom) weighting, which keeps the edges of letters and
// lines crisp where a plain linear mix would blur them. Only what changed
// since the last show is drawn again: while the game waits, only the clock's
// digits change, and a glide touches a strip of the board.
#pragma once

#include <SDL/SDL.h>

#include <array>
#include <vector>

class FrameScaler {
public:
    // From now on `frame` (of frameWidth x frameHeight) goes to `target` of
    // the window; the next show() draws all of it and the bars around it.
    void aim(int frameWidth, int frameHeight, const SDL_Rect& target);
    // The next show() draws everything again (the window was uncovered).
    void forget();
    // Draws into `window` what changed in `frame` (both 32 bits a pixel in
    // the same layout) and returns the window's rectangles it touched.
    const std::vector<SDL_Rect>& show(SDL_Surface* frame, SDL_Surface* window);

    static const int taps = 4;

private:
    // For each target column or row: the first of the four source ones it
    // mixes (the others follow, held at the edge) and their weights, which
    // add up to 256 and may be below 0.
    struct Taps {
        std::vector<int> first;
        std::vector<std::array<int, taps>> weights;
        // The same weights, each four times (one for each byte of a pixel),
        // as the 16-bit lanes of the row mixing take them.
        std::vector<std::array<Sint16, 4 * taps>> lanes;
        int sourceSize = 0;
        void build(int sourceSize, int targetSize);
        int source(int t, int k) const;
        // The target positions that read any source of first..last.
        void targetsReading(int firstSource, int lastSource, int& from, int& to) const;
    };
    struct Band {
        int x0, y0, x1, y1;  // changed source pixels, end exclusive
    };

    void findChanges(SDL_Surface* frame);
    void scaleBand(SDL_Surface* frame, SDL_Surface* window, const Band& band);
    const Uint32* scaledRow(SDL_Surface* frame, int row, int from, int to);
    void remember(SDL_Surface* frame, const Band& band);
    void fillBars(SDL_Surface* window);

    int width = 0, height = 0;
    SDL_Rect target = {0, 0, 0, 0};
    Taps columns, rows;
    bool whole = true;
    std::vector<Uint32> shown;  // the frame as last shown
    std::vector<Band> bands;
    std::vector<SDL_Rect> touched;
    // Source rows scaled across, the last few kept: the next window row
    // reads mostly the same ones.
    std::array<std::vector<Uint32>, 2 * taps> scaled;
    std::array<int, 2 * taps> scaledSource{};
    int nextSlot = 0;
};
