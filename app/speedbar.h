// The speed setting: how fast pieces glide, 0 fastest to 10 slowest (see
// sprites/glide.h, whose setting it keeps in step), and a small widget that
// can show it.
#pragma once

#include <SDL/SDL.h>

class SpeedBar {
public:
    explicit SpeedBar(SDL_Surface* screen);
    virtual ~SpeedBar();

    void lessSpeed(int n);  // slower glides, at most 10
    void moreSpeed(int n);  // faster glides, at least 0
    void Display();

    int speed;
    int x;
    int y;
    int width;
    SDL_Surface* screen;
};
