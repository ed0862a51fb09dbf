// Blitting a whole picture, or a part of it, to a place on a surface.
#pragma once

#include <SDL/SDL.h>

int DrawIMG(SDL_Surface* img, SDL_Surface* dst, int x, int y);
int DrawIMG(SDL_Surface* img, SDL_Surface* dst, int x, int y, int w, int h, int x2, int y2);
