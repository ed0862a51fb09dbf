#include "sprites/framepointer.h"

namespace {

const int frameWidth = 800, frameHeight = 600;

FrameView view = identityView();

// floor(a / b) for b > 0, whatever the sign of a.
int floorDivide(long long a, long long b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

// The frame pixel whose span holds the centre of window pixel `at`.
int toFrame(int at, int viewStart, int viewSize, int frameSize) {
    if (viewSize <= 0) return at;
    return floorDivide((2LL * (at - viewStart) + 1) * frameSize, 2LL * viewSize);
}

int toWindow(int at, int viewStart, int viewSize, int frameSize) {
    return viewStart + floorDivide((2LL * at + 1) * viewSize, 2LL * frameSize);
}

Uint16 clampedCoordinate(int value) {
    return static_cast<Uint16>(value < 0 ? 0 : value > 0xFFFF ? 0xFFFF : value);
}

}  // namespace

FrameView identityView() {
    return {0, 0, frameWidth, frameHeight};
}

void setFrameView(const FrameView& newView) {
    view = newView;
}

FrameView currentFrameView() {
    return view;
}

void windowToFrame(int& x, int& y) {
    x = toFrame(x, view.x, view.width, frameWidth);
    y = toFrame(y, view.y, view.height, frameHeight);
}

void frameToWindow(int& x, int& y) {
    x = toWindow(x, view.x, view.width, frameWidth);
    y = toWindow(y, view.y, view.height, frameHeight);
}

Uint8 framePointer(int* x, int* y) {
    int mx = 0, my = 0;
    const Uint8 buttons = SDL_GetMouseState(&mx, &my);
    windowToFrame(mx, my);
    if (x) *x = mx;
    if (y) *y = my;
    return buttons;
}

void mapEventToFrame(SDL_Event& event) {
    // Outside the frame a pointer is at its edge, as SDL keeps it inside a
    // window.
    const auto map = [](Uint16& x, Uint16& y) {
        int frameX = x, frameY = y;
        windowToFrame(frameX, frameY);
        x = clampedCoordinate(frameX);
        y = clampedCoordinate(frameY);
    };
    if (event.type == SDL_MOUSEMOTION) map(event.motion.x, event.motion.y);
    if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) map(event.button.x, event.button.y);
}
