// Timed glides of the pieces. A glide lasts what its length takes at the
// speed setting (0 fastest .. 10 slowest, the speed bar's range), whatever
// the frame rate: across the whole board about 0.3 s at 0, 0.6 s at 1 (the
// default) and 3 s at 10. The clock glides read can be replaced (tests) and
// is moved on by runs that draw frames without waiting for them.
#pragma once

#include <SDL/SDL.h>

// Milliseconds a glide of `pixels` lasts at `speedSetting`.
Uint32 glideMilliseconds(double pixels, int speedSetting);
// The speed setting the glides starting now take; 1 until set (the speed
// bar sets it).
void setGlideSpeed(int speedSetting);
int currentGlideSpeed();

// Milliseconds on the glides' clock.
Uint32 glideClockNow();
// Replaces the clock; null goes back to SDL's ticks.
void setGlideClock(Uint32 (*now)());
// Time a paced frame would have waited and an unpaced run did not.
void skipGlideClock(Uint32 milliseconds);

// One glide in a straight line from a start to a target.
struct Glide {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    Uint32 start = 0, duration = 0;
    bool active = false;

    void begin(int fx, int fy, int tx, int ty, Uint32 now, int speedSetting);
    // The position at `now`; true once the target is reached.
    bool positionAt(Uint32 now, int* x, int* y) const;
};
