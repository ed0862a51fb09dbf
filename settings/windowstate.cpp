#include "settings/windowstate.h"

#include <algorithm>

#include "settings/scan.h"
#include "settings/wholefile.h"

const char* const windowStateFileName = "zelk.window";

namespace {

// No screen is wider; a bigger number is a damaged file.
const int largestSide = 16384;
const size_t largestFile = 4096;

}  // namespace

std::string windowStateText(const WindowState& state) {
    return "# Zelk's window as it was left; the game rewrites this file at exit.\n"
           "fullScreen = " + std::to_string(state.fullScreen ? 1 : 0) + "\n" +
           "width = " + std::to_string(state.width) + "\n" +
           "height = " + std::to_string(state.height) + "\n";
}

WindowState windowStateFrom(const std::string& text) {
    WindowState state;
    int fullScreen = 0;
    for (const std::string& line : linesOf(text)) {
        if (scanKeyedNumber(line, "fullScreen", fullScreen)) continue;
        if (scanKeyedNumber(line, "width", state.width)) continue;
        scanKeyedNumber(line, "height", state.height);
    }
    state.fullScreen = fullScreen == 1;
    state.width = std::min(std::max(state.width, 800), largestSide);
    state.height = std::min(std::max(state.height, 600), largestSide);
    return state;
}

WindowState readWindowState() {
    return windowStateFrom(readUserText(windowStateFileName, largestFile, "the window opens at 800 x 600"));
}

bool writeWindowState(const WindowState& state) {
    return writeUserText(windowStateFileName, windowStateText(state));
}
