// A frame set: a short looping animation read from a directory whose "info"
// file lists the frame pictures, their pauses and transparent colours.
#pragma once

#include <SDL/SDL.h>

struct JAnimFrame {
    SDL_Surface* image;  // converted to the display format; null while empty
    int pause;           // milliseconds on screen before the next frame
};

struct JAnimBase {
    JAnimFrame* frames;
    int loaded;  // 1 once the header line has been read
    int count;   // frames declared by the header
    int width;   // size of the set: that of the first frame loaded
    int height;

    // Loads the set from `dir` (no trailing slash). 0 on success, -1 when the
    // info file cannot be opened, a frame cannot be loaded or the header is
    // unusable. Needs the video mode set.
    int init(char* dir);
    int init(const char* dir) { return init(const_cast<char*>(dir)); }

    // Frees the frame pictures and the frame table: the set is as new.
    void release();

    // More frames than this in one set are refused.
    static const int maxFrames = 1000;
    // Longest path or line handled, as for the 255-byte buffers.
    static const int maxPath = 255;
};
