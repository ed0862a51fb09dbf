// The game left unfinished when the program ended, kept in `zelk.save`: a
// small versioned text file holding the players' kinds, the level, the
// take-back history and the position the game stood at. Written whole to a
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
};

// Longest file and longest history read back; more is refused.
const size_t SAVE_FILE_LIMIT = 1 << 20;
const size_t SAVE_HISTORY_LIMIT = 4000;

std::string formatSavedGame(const SavedGame& game);
// False, with the reason in `why`, for anything but a well-formed save of
// this version describing possible positions.
bool parseSavedGame(const std::string& text, SavedGame& game, std::string& why);

// The file's name: userConfigFile("zelk.save").
std::string savedGamePath();
// Logs and returns false when the file cannot be written; the old file then stays.
bool writeSavedGame(const std::string& path, const SavedGame& game);
// False when there is no file; a file that is refused is logged once.
bool readSavedGame(const std::string& path, SavedGame& game);
bool savedGameExists(const std::string& path);
void removeSavedGame(const std::string& path);
