#include "app/display.h"

#include <algorithm>

#include "app/framescaler.h"
#include "settings/log.h"
#include "settings/windowstate.h"
#include "sprites/framepointer.h"

namespace {

const int frameWidth = 800, frameHeight = 600;

struct Display {
    SDL_Surface* window = nullptr;
    SDL_Surface* frame = nullptr;  // owned
    WindowState state, stateAtStart;
    int desktopWidth = 0, desktopHeight = 0;
    bool scaled = false;
    FrameScaler scaler;
};
Display display;

// The largest rectangle of the frame's shape inside the window, centred.
FrameView fittedView(int width, int height) {
    if (width * frameHeight <= height * frameWidth) {
        const int shown = (width * frameHeight + frameWidth / 2) / frameWidth;
        return {0, (height - shown) / 2, width, shown};
    }
    const int shown = (height * frameWidth + frameHeight / 2) / frameHeight;
    return {(width - shown) / 2, 0, shown, height};
}

void aimAtWindow() {
    const FrameView view = fittedView(display.window->w, display.window->h);
    setFrameView(view);
    display.scaled = view.width != frameWidth || view.height != frameHeight || view.x || view.y;
    if (display.scaled)
        display.scaler.aim(frameWidth, frameHeight,
                           {static_cast<Sint16>(view.x), static_cast<Sint16>(view.y),
                            static_cast<Uint16>(view.width), static_cast<Uint16>(view.height)});
}

// Full screen covers the desktop as it is; without a known desktop size
// (a headless driver) the window's own size stays.
void fullScreenSize(int& width, int& height) {
    width = display.desktopWidth > 0 ? display.desktopWidth : display.state.width;
    height = display.desktopHeight > 0 ? display.desktopHeight : display.state.height;
}

bool setMode(bool fullScreen) {
    int width = display.state.width, height = display.state.height;
    if (fullScreen) fullScreenSize(width, height);
    const Uint32 flags = SDL_SWSURFACE | (fullScreen ? SDL_FULLSCREEN : SDL_RESIZABLE);
    SDL_Surface* window = SDL_SetVideoMode(width, height, 32, flags);
    if (!window) {
        ILog.log(0, "Couldn't set the video mode %dx%d%s: %s", width, height,
                 fullScreen ? " full screen" : "", SDL_GetError());
        return false;
    }
    display.window = window;
    display.state.fullScreen = fullScreen;
    aimAtWindow();
    return true;
}

void showFrameAgain() {
    forgetShownFrame();
    presentFrame();
}

}  // namespace

void forgetShownFrame() {
    display.scaler.forget();
}

SDL_Surface* openDisplay() {
    if (const SDL_VideoInfo* info = SDL_GetVideoInfo()) {
        display.desktopWidth = info->current_w;
        display.desktopHeight = info->current_h;
    }
    display.state = display.stateAtStart = readWindowState();
    // A window kept from a larger display than this one fits this one.
    if (display.desktopWidth >= frameWidth && display.desktopHeight >= frameHeight) {
        display.state.width = std::min(display.state.width, display.desktopWidth);
        display.state.height = std::min(display.state.height, display.desktopHeight);
    }
    if (!setMode(display.state.fullScreen) && !(display.state.fullScreen && setMode(false))) {
        // The size kept may be more than this display offers.
        display.state = WindowState();
        if (!setMode(false)) return nullptr;
    }
    const SDL_PixelFormat* format = display.window->format;
    display.frame = SDL_CreateRGBSurface(SDL_SWSURFACE, frameWidth, frameHeight, 32, format->Rmask,
                                         format->Gmask, format->Bmask, 0);
    if (!display.frame) ILog.log(0, "Couldn't make the frame: %s", SDL_GetError());
    return display.frame;
}

void closeDisplay() {
    if (display.frame && display.state != display.stateAtStart) writeWindowState(display.state);
    if (display.frame) SDL_FreeSurface(display.frame);
    display.frame = nullptr;
    display.window = nullptr;
    setFrameView(identityView());
}

void presentFrame() {
    if (!display.frame || !display.window) return;
    if (!display.scaled) {
        SDL_BlitSurface(display.frame, nullptr, display.window, nullptr);
        SDL_UpdateRect(display.window, 0, 0, frameWidth, frameHeight);
        return;
    }
    const std::vector<SDL_Rect>& touched = display.scaler.show(display.frame, display.window);
    if (!touched.empty())
        SDL_UpdateRects(display.window, static_cast<int>(touched.size()), const_cast<SDL_Rect*>(touched.data()));
}

void resizeWindow(int width, int height) {
    display.state.width = std::max(width, frameWidth);
    display.state.height = std::max(height, frameHeight);
    if (display.window && !display.state.fullScreen && setMode(false)) showFrameAgain();
}

void toggleFullScreen() {
    if (!display.window) return;
    const bool wanted = !display.state.fullScreen;
    if (!setMode(wanted) && !setMode(!wanted)) return;
    showFrameAgain();
}

bool isFullScreen() {
    return display.state.fullScreen;
}

SDL_Surface* windowSurface() {
    return display.window;
}

bool pollFrameEvent(SDL_Event& event) {
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_VIDEORESIZE:
                resizeWindow(event.resize.w, event.resize.h);
                continue;
            case SDL_VIDEOEXPOSE:
                showFrameAgain();
                continue;
            case SDL_KEYDOWN:
                if (event.key.keysym.sym == SDLK_F11) continue;
                break;
            case SDL_KEYUP:
                if (event.key.keysym.sym == SDLK_F11) {
                    toggleFullScreen();
                    continue;
                }
                break;
            default:
                break;
        }
        mapEventToFrame(event);
        return true;
    }
    return false;
}
