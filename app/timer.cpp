#include "app/timer.h"

#include <cstdio>

Uint32 Timer::startTime = 0;
Uint32 Timer::pauseTime = 0;
bool Timer::paused = false;

Timer::Timer() {
    start();
}

void Timer::start() {
    startTime = SDL_GetTicks();
    paused = false;
}

void Timer::startFrom(unsigned milliseconds) {
    startTime = SDL_GetTicks() - milliseconds;
    paused = false;
}

void Timer::pause() {
    Uint32 now = SDL_GetTicks();
    if (!paused) {
        pauseTime = now;
        paused = true;
    } else {
        paused = false;
        startTime += now - pauseTime;
    }
}

unsigned Timer::getTime() {
    return paused ? pauseTime - startTime : SDL_GetTicks() - startTime;
}

bool Timer::isPaused() {
    return paused;
}

std::string formatClock(unsigned milliseconds, bool withHundredths) {
    unsigned seconds = milliseconds / 1000;
    char text[32];
    if (withHundredths)
        snprintf(text, sizeof text, "%02u:%02u:%02u", seconds / 60, seconds % 60,
                 (milliseconds % 1000) / 10);
    else
        snprintf(text, sizeof text, "%02u:%02u", seconds / 60, seconds % 60);
    return text;
}

std::string Timer::getTimeMMSS() {
    return paused ? "PAUSED" : formatClock(getTime(), false);
}

std::string Timer::getTimeMMSSHH() {
    return paused ? " visita " : formatClock(getTime(), true);
}
