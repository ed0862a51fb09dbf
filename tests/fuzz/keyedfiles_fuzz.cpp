// Fuzzes the readers of the game's own small files, zelk.prefs and
// zelk.window: any text gives choices and a window within their limits, and
// what is written of them reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/preferences.h"
#include "settings/windowstate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Preferences chosen = preferencesFrom(text);
    if (preferencesFrom(preferencesText(chosen)) != chosen) abort();
    const WindowState window = windowStateFrom(text);
    if (window.width < 800 || window.width > 16384 || window.height < 600 || window.height > 16384) abort();
    if (windowStateFrom(windowStateText(window)) != window) abort();
    return 0;
}
