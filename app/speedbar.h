// The speed setting: the per-frame delay (0..10 ms) while a game is played,
// and a small widget that can show it.
#pragma once

#include <SDL/SDL.h>

class SpeedBar {
public:
    explicit SpeedBar(SDL_Surface* screen);
    virtual ~SpeedBar();

    void lessSpeed(int n);  // slower: a longer delay, at most 10
    void moreSpeed(int n);  // faster: a shorter delay, at least 0
    void Display();

    int speed;
    int x;
    int y;
    int width;
    SDL_Surface* screen;
};
