#include "settings/windowstate.h"

#include <algorithm>
#include <cstdio>

#include "settings/log.h"
#include "settings/scan.h"
#include "settings/userfiles.h"
#include "settings/wholefile.h"

const char* const windowStateFileName = "zelk.window";

namespace {

// No screen is wider; a bigger number is a damaged file.
const int largestSide = 16384;
const size_t largestFile = 4096;

// "key = number" for `key`; false when the line is another.
bool readSetting(const std::string& line, const char* key, int& value) {
    const std::string prefix = std::string(key) + " =";
    if (line.compare(0, prefix.size(), prefix) != 0) return false;
    int number;
    if (!scanDecimal(line.c_str() + prefix.size(), number)) return false;
    value = number;
    return true;
}

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
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (readSetting(line, "fullScreen", fullScreen)) continue;
        if (readSetting(line, "width", state.width)) continue;
        readSetting(line, "height", state.height);
    }
    state.fullScreen = fullScreen == 1;
    state.width = std::min(std::max(state.width, 800), largestSide);
    state.height = std::min(std::max(state.height, 600), largestSide);
    return state;
}

WindowState readWindowState() {
    std::string text, why;
    const std::string path = userConfigFile(windowStateFileName);
    switch (readFileWhole(path, largestFile, text, why)) {
        case WholeRead::Missing: return WindowState();
        case WholeRead::Refused:
            ILog.log(0, "ERROR reading file %s: %s; the window opens at 800 x 600", path.c_str(), why.c_str());
            return WindowState();
        case WholeRead::Read: break;
    }
    return windowStateFrom(text);
}

bool writeWindowState(const WindowState& state) {
    const std::string text = windowStateText(state);
    std::string why;
    const bool ok = replaceFileWhole(userConfigFile(windowStateFileName), [&](FILE* file) {
        return fwrite(text.data(), 1, text.size(), file) == text.size();
    }, why);
    if (!ok) ILog.log(0, "ERROR writing file %s: %s", windowStateFileName, why.c_str());
    return ok;
}
