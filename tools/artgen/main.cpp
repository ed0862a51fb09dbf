// zelk-artgen <outdir>: draws every picture of the game into <outdir>.
#include "pictures.hpp"

#include <SDL/SDL.h>

#include <cstdio>
#include <exception>

#ifndef ZELK_FONT_DIR
#define ZELK_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    if (SDL_Init(0) != 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    int status = 0;
    try {
        art::Output out(argv[1]);
        art::Fonts fonts(ZELK_FONT_DIR);
        art::drawBoardPictures(out, fonts);
        art::drawPiecePictures(out);
        art::drawButtonPictures(out, fonts);
        art::drawPanelPictures(out, fonts);
        art::drawAvatarPictures(out);
        art::drawTurnMarker(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zelk-artgen: %s\n", e.what());
        status = 1;
    }
    TTF_Quit();
    SDL_Quit();
    return status;
}
