// Where the files the game writes for its user live. Run from its source
// tree the game keeps them in its working directory, beside its resources;
// each function names the kind of file so that an installed game can keep
// each kind in the user's own directory for it.
#pragma once

#include <string>

// Settings and other files the user would keep: "zelk.conf", a saved game.
std::string userConfigFile(const char* name);
// What the game writes about its own runs: "log.txt".
std::string userStateFile(const char* name);
// What the user asked the game to make: screenshots.
std::string userDataFile(const char* name);
