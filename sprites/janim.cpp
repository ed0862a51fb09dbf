#include "sprites/janim.h"

#include <SDL/SDL_image.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "settings/log.h"
#include "settings/scan.h"

namespace {
// Frame values carry over from one frame line to the next.
struct FrameLine {
    char file[JAnimBase::maxPath + 1] = "";
    int pause = 0, red = 0, green = 0, blue = 0;
};

bool isRegularFile(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

SDL_Surface* loadFrame(const char* path, const FrameLine& line) {
    if (!isRegularFile(path)) {
        SDL_SetError("not a readable file");
        return nullptr;
    }
    SDL_Surface* loaded = IMG_Load(path);
    if (!loaded) return nullptr;
    if (line.red >= 0) {
        Uint32 key = SDL_MapRGB(loaded->format, static_cast<Uint8>(line.red % 256),
                                static_cast<Uint8>(line.green % 256),
                                static_cast<Uint8>(line.blue % 256));
        SDL_SetColorKey(loaded, SDL_SRCCOLORKEY, key);
    }
    SDL_Surface* converted = SDL_DisplayFormatAlpha(loaded);
    SDL_FreeSurface(loaded);
    return converted;
}
}  // namespace

int JAnimBase::init(char* dir) {
    char path[maxPath + 1];
    if (snprintf(path, sizeof path, "%s/info", dir) >= static_cast<int>(sizeof path)) {
        ILog.log(0, "ERROR opening file %s/info: the path is too long", dir);
        return -1;
    }
    const char* refusal = nullptr;
    FILE* info = openPlainFile(path, &refusal);
    if (!info) {
        ILog.log(0, "ERROR opening file %s: %s", path, errno == ENOENT ? IMG_GetError() : refusal);
        return -1;
    }
    char text[maxPath + 1];
    int declared = count;
    int number;
    if (fgets(text, maxPath, info) && strncmp(text, "FILES: ", 7) == 0 &&
        scanDecimal(text + 7, number)) {
        declared = number;
    } else {
        // Still loaded, with the count it had (no frames for a fresh set).
        ILog.log(0, "ERROR opening file %s: the first line is not \"FILES: <count>\"", path);
    }
    if (declared < 0 || declared > maxFrames) {
        ILog.log(0, "ERROR opening file %s: %d frames declared, 0 to %d allowed", path, declared,
                 maxFrames);
        fclose(info);
        return -1;
    }
    count = declared;
    frames = new JAnimFrame[count > 0 ? count : 1]();
    loaded = 1;

    FrameLine line;
    int next = 0;
    while (next < count && fgets(text, maxPath, info)) {
        if (isSkippedLine(text)) continue;
        sscanf(text, "%255s %d %d %d %d", line.file, &line.pause, &line.red, &line.green,
               &line.blue);
        char framePath[maxPath + 1];
        if (snprintf(framePath, sizeof framePath, "%s/%s", dir, line.file) >=
            static_cast<int>(sizeof framePath)) {
            ILog.log(0, "ERROR opening file %s/%s: the path is too long", dir, line.file);
            fclose(info);
            return -1;
        }
        SDL_Surface* image = loadFrame(framePath, line);
        if (!image) {
            ILog.log(0, "ERROR opening file %s: %s", framePath, IMG_GetError());
            fclose(info);
            return -1;
        }
        frames[next].image = image;
        frames[next].pause = line.pause;
        if (width == 0) width = image->w;
        if (height == 0) height = image->h;
        ++next;
    }
    fclose(info);
    return 0;
}

void JAnimBase::release() {
    if (frames) {
        for (int i = 0; i < count; ++i) {
            if (frames[i].image) SDL_FreeSurface(frames[i].image);
            frames[i].image = nullptr;
        }
        delete[] frames;
    }
    frames = nullptr;
    loaded = count = width = height = 0;
}
