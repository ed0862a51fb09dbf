// Test support: every test process works in a private directory of its own
// that sees the game's resource tree (pictures, sounds, catalogues, font)
// and receives what the game writes (log, configuration, screenshots).
#pragma once

#include <string>

// Creates the private working directory and enters it; removed at exit.
// With `copyResources`, the tree is copied rather than linked, so a test may
// delete or damage files in it.
std::string enterScratchDirectory(bool copyResources = false);

// Reads a whole file; empty when missing.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);
bool fileExists(const std::string& path);

// Starts the real game shell headless (dummy video and audio) in a fresh
// scratch directory, exactly as the program does up to its main loop.
void startHeadlessGame(bool copyResources = false);
// The same in the directory already entered (after changes to its tree).
void startHeadlessGameHere();
// Shuts it down as the program does at exit.
void stopHeadlessGame();

// The log as written so far.
std::string logText();
// Raises the log threshold so game events (level 3) are written.
void logEverything();
