// The player's choices of the game's own aids, kept in the game's own file
// "zelk.prefs" beside the settings (settings/userfiles.h says where), never
// in zelk.conf: whether a line tells the person what to do now, and whether
// the board's edges carry the letters and digits that name its points.
// Read on first use, written at once when a choice changes.
#pragma once

#include <string>

struct Preferences {
    bool coachLine = true;
    bool boardCoordinates = false;

    bool operator==(const Preferences& other) const {
        return coachLine == other.coachLine && boardCoordinates == other.boardCoordinates;
    }
    bool operator!=(const Preferences& other) const { return !(*this == other); }
};

extern const char* const preferencesFileName;  // "zelk.prefs"

// The choices in force: the file's, read on the first call (the defaults
// when it is missing or holds nothing that is a choice).
const Preferences& preferences();
// Puts `chosen` in force and writes the file when it differs from what is;
// false (logged) when the file could not be written: the choice holds for
// this run only.
bool choosePreferences(const Preferences& chosen);
// Forgets what was read, so the next call reads the file again (a new
// working directory in tests).
void forgetPreferences();

// The text of the file, and the choices read back from one.
std::string preferencesText(const Preferences& chosen);
Preferences preferencesFrom(const std::string& text);
