// The game left unfinished when the program ended, kept in `zelk.save`: a
// small versioned text file holding the players' kinds, the level, the
// take-back history, the position the game stood at and the actions that
// led there (for its record). Written whole to a
// temporary file that then replaces the old one; read back only when every
// line and every value checks out.
#pragma once

#include <string>
#include <vector>

#include "rules/snapshot.h"

struct SavedGame {
    int kinds[2] = {0, 0};  // PlayerTypes of player one and two
    int level = 0;          // GameLevels
    std::vector<GameSnapshot> history;
    int cursor = -1;
    GameSnapshot now;
    // The game's actions, so that a resumed game keeps its record: the
    // first side, a colon, then each action in the notation; "" unknown.
    std::string actions;
};

// Longest file, longest history and longest turn read back; more is
// refused.
const size_t SAVE_FILE_LIMIT = 1 << 20;
const size_t SAVE_HISTORY_LIMIT = 4000;
const size_t SAVE_ACTIONS_LIMIT = 64 * 1024;
const unsigned SAVE_CLOCK_LIMIT = 1000u * 60 * 60 * 24 * 7;  // a week

// Whatever is formatted parses: the clock stops at SAVE_CLOCK_LIMIT, a
// record for the upload is cut at 64 characters, actions that are not
// plausible or too long are left out, and of a longer history
// the oldest entries are left out (up to where the game stands in it).
std::string formatSavedGame(const SavedGame& game);
// False, with the reason in `why`, for anything but a well-formed save of
// this version (or the one before, without actions) describing positions the game can go on from.
bool parseSavedGame(const std::string& text, SavedGame& game, std::string& why);

// The file's name: userConfigFile("zelk.save").
std::string savedGamePath();
// Logs and returns false when the file cannot be written; the old file then
// stays. A link planted at the temporary file's name is not followed.
bool writeSavedGame(const std::string& path, const SavedGame& game);

enum class SaveReading { None, Read, Unreadable };
// None when there is no file; a file that is refused is logged with the
// reason.
SaveReading readSavedGame(const std::string& path, SavedGame& game);
// Moves a save that cannot be read out of the way of the next save, to
// "<path>.unreadable" (".unreadable.2" and on when that is taken), and
// logs where it went. It may be a newer version's, or be mended by hand.
void putSaveAside(const std::string& path);
// Removes the file only while it still holds `game` as formatSavedGame
// writes it: another copy of the game may have saved its own since.
void removeSavedGameHolding(const std::string& path, const std::string& formattedGame);
