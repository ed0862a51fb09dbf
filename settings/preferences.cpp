#include "settings/preferences.h"

#include "settings/scan.h"
#include "settings/wholefile.h"

const char* const preferencesFileName = "zelk.prefs";

namespace {

const size_t largestFile = 4096;

struct Held {
    bool read = false;
    Preferences chosen;
};

Held& held() {
    static Held instance;
    return instance;
}

// 0 or 1 for `key`; anything else leaves `value` as it was.
void scanSwitch(const std::string& line, const char* key, bool& value) {
    int number;
    if (scanKeyedNumber(line, key, number) && (number == 0 || number == 1)) value = number == 1;
}

}  // namespace

std::string preferencesText(const Preferences& chosen) {
    return "# Zelk's aids as the player chose them; the game rewrites this file.\n"
           "coachLine = " + std::to_string(chosen.coachLine ? 1 : 0) + "\n" +
           "boardCoordinates = " + std::to_string(chosen.boardCoordinates ? 1 : 0) + "\n";
}

Preferences preferencesFrom(const std::string& text) {
    Preferences chosen;
    for (const std::string& line : linesOf(text)) {
        scanSwitch(line, "coachLine", chosen.coachLine);
        scanSwitch(line, "boardCoordinates", chosen.boardCoordinates);
    }
    return chosen;
}

const Preferences& preferences() {
    Held& h = held();
    if (!h.read) {
        h.chosen = preferencesFrom(readUserText(preferencesFileName, largestFile, "the aids keep their defaults"));
        h.read = true;
    }
    return h.chosen;
}

bool choosePreferences(const Preferences& chosen) {
    if (chosen == preferences()) return true;
    held().chosen = chosen;
    return writeUserText(preferencesFileName, preferencesText(chosen));
}

void forgetPreferences() { held().read = false; }
