// The window as the player left it, kept in the game's own file
// "zelk.window" beside the settings (settings/userfiles.h says where):
// whether it was full screen and its size as a window. Read at start,
// written at exit when it changed.
#pragma once

#include <string>

struct WindowState {
    bool fullScreen = false;
    int width = 800, height = 600;  // as a window, never below 800 x 600

    bool operator==(const WindowState& other) const {
        return fullScreen == other.fullScreen && width == other.width && height == other.height;
    }
    bool operator!=(const WindowState& other) const { return !(*this == other); }
};

extern const char* const windowStateFileName;  // "zelk.window"

// The state in the file; the defaults when it is missing, and for what it
// holds that is no state (logged).
WindowState readWindowState();
// Replaces the file whole; false (logged) when it could not.
bool writeWindowState(const WindowState& state);
// The text of the file, and a state read back from one.
std::string windowStateText(const WindowState& state);
WindowState windowStateFrom(const std::string& text);
