// Shows the game's frame scaled into a rectangle of the window, smoothly
// (each window pixel a bilinear mix of the four frame pixels around it), and
// only what changed since it last showed it: while the game waits, only the
// clock's digits change, and a glide touches a strip of the board.
#pragma once

#include <SDL/SDL.h>

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

private:
    // A source pixel's column or row for each target one, its neighbour's
    // and the neighbour's weight (0..256).
    struct Taps {
        std::vector<int> first, second, weight;
        void build(int sourceSize, int targetSize);
        // The target positions that read sources first..last (inclusive).
        void targetsReading(int first, int last, int& from, int& to) const;
    };
    struct Band {
        int x0, y0, x1, y1;  // changed source pixels, end exclusive
    };

    void findChanges(SDL_Surface* frame);
    void scaleBand(SDL_Surface* frame, SDL_Surface* window, const Band& band);
    void scaleRow(SDL_Surface* frame, int row, int from, int to, Uint32* out) const;
    void remember(SDL_Surface* frame, const Band& band);
    void fillBars(SDL_Surface* window);

    int width = 0, height = 0;
    SDL_Rect target = {0, 0, 0, 0};
    Taps columns, rows;
    bool whole = true;
    std::vector<Uint32> shown;  // the frame as last shown
    std::vector<Band> bands;
    std::vector<SDL_Rect> touched;
    std::vector<Uint32> upper, lower;  // two source rows scaled across
};
