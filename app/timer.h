// The game clock. Every Timer object shares one static clock, so starting
// any of them restarts them all.
#pragma once

#include <SDL/SDL.h>

#include <string>

class Timer {
public:
    Timer();
    void start();
    // Runs on as if started `milliseconds` ago (a turn put back or resumed).
    void startFrom(unsigned milliseconds);
    // A toggle: pauses, or resumes without counting the paused stretch.
    void pause();
    unsigned getTime();
    bool isPaused();
    std::string getTimeMMSS();
    std::string getTimeMMSSHH();

private:
    static Uint32 startTime;
    static Uint32 pauseTime;
    static bool paused;
};

// Formats a millisecond count as mm:ss, or mm:ss:hh with hundredths.
std::string formatClock(unsigned milliseconds, bool withHundredths);
