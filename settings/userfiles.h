// Where the files the game writes for its user live. Run from its source
// tree the game keeps them in its working directory, beside its resources;
// installed, it keeps each kind in the user's own base directory for it
// (XDG_CONFIG_HOME, XDG_STATE_HOME, XDG_DATA_HOME, each with a "zelk"
// directory of its own), made on first start.
#pragma once

#include <string>

// Settings and other files the user would keep: "zelk.conf", a saved game.
std::string userConfigFile(const char* name);
// What the game writes about its own runs: "log.txt".
std::string userStateFile(const char* name);
// What the user asked the game to make: screenshots.
std::string userDataFile(const char* name);

// The three "zelk" directories of a user, from the XDG variables (a value
// that is empty or not an absolute path counts as unset) or their defaults
// under `home`: ~/.config, ~/.local/state, ~/.local/share.
struct UserDirectories {
    std::string config, state, data;
};
UserDirectories userDirectoriesFor(const std::string& home, const char* configHome,
                                   const char* stateHome, const char* dataHome);

// From now on the files go to the running user's directories, which are
// made (mode 0700) when missing. False, with a line on stderr, when one
// cannot be made: its files then fail to open as any unwritable file does.
bool keepUserFilesInHome();
// Back to the working directory, as at start.
void keepUserFilesInWorkingDirectory();
