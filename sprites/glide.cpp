#include "sprites/glide.h"

#include <cmath>

namespace {

int glideSpeed = 1;
Uint32 (*clockSource)() = nullptr;
Uint32 skipped = 0;

// How much longer than at the default setting a glide lasts: half as long
// at the fastest, then about a fifth longer each step down to five times
// as long, a step a person notices.
double slowness(int speedSetting) {
    if (speedSetting <= 0) return 0.5;
    if (speedSetting > 10) speedSetting = 10;
    return std::pow(5.0, (speedSetting - 1) / 9.0);
}

}  // namespace

Uint32 glideMilliseconds(double pixels, int speedSetting) {
    // A fixed part lets the eye catch even a one-point step; the rest
    // follows the length, 600 px in 600 ms at the default setting.
    const double startMs = 150.0, msPerPixel = 0.75;
    return static_cast<Uint32>(std::lround(slowness(speedSetting) * (startMs + msPerPixel * pixels)));
}

void setGlideSpeed(int speedSetting) {
    glideSpeed = speedSetting;
}

int currentGlideSpeed() {
    return glideSpeed;
}

Uint32 glideClockNow() {
    return (clockSource ? clockSource() : SDL_GetTicks()) + skipped;
}

void setGlideClock(Uint32 (*now)()) {
    clockSource = now;
}

void skipGlideClock(Uint32 milliseconds) {
    skipped += milliseconds;
}

void Glide::begin(int fx, int fy, int tx, int ty, Uint32 now, int speedSetting) {
    fromX = fx;
    fromY = fy;
    toX = tx;
    toY = ty;
    start = now;
    duration = glideMilliseconds(std::hypot(tx - fx, ty - fy), speedSetting);
    active = true;
}

bool Glide::positionAt(Uint32 now, int* x, int* y) const {
    Uint32 elapsed = now - start;
    if (elapsed >= duration || duration == 0) {
        *x = toX;
        *y = toY;
        return true;
    }
    // Eased at both ends, so the start and the landing read as such.
    double t = static_cast<double>(elapsed) / duration;
    double eased = t * t * (3.0 - 2.0 * t);
    *x = static_cast<int>(std::lround(fromX + (toX - fromX) * eased));
    *y = static_cast<int>(std::lround(fromY + (toY - fromY) * eased));
    return false;
}
