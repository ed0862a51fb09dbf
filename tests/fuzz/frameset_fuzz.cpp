// Fuzzes the frame-set reader: any bytes as an "info" file, in a directory
// that holds two small frame pictures and a subdirectory.
#include <SDL/SDL.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "scratch.h"
#include "settings/log.h"
#include "sprites/janim.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    enterFuzzScratchDirectory();
    ILog.Init(0);
    SDL_Init(SDL_INIT_VIDEO);
    SDL_SetVideoMode(64, 64, 32, SDL_SWSURFACE);
    mkdir("set", 0755);
    mkdir("set/sub", 0755);
    SDL_Surface* frame = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_SaveBMP(frame, "set/a.bmp");
    SDL_SaveBMP(frame, "set/b.bmp");
    SDL_FreeSurface(frame);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fopen("set/info", "wb");
    if (!file) return 0;
    fwrite(data, 1, size, file);
    fclose(file);
    JAnimBase set = {};
    set.init("set");
    if (set.count < 0 || set.count > JAnimBase::maxFrames) abort();
    for (int i = 0; set.frames && i < set.count; ++i)
        if (set.frames[i].image && (set.frames[i].image->w != 4 || set.frames[i].image->h != 3)) abort();
    set.release();
    return 0;
}
