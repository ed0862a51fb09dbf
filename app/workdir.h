// A private working directory that sees the game's resource tree: what a
// headless run (a match between levels, a test, a benchmark) works in, so
// that its log, configuration and screenshots never touch the user's.
#pragma once

#include <string>

// Creates a fresh directory under /tmp, links (or, with `copyResources`,
// copies) the resource tree's entries into it and enters it. Returns its
// path, or an empty text when it could not be made.
std::string enterPrivateWorkingDirectory(const std::string& resourceTree, bool copyResources);

// Removes a directory made by enterPrivateWorkingDirectory, with its content.
void removePrivateWorkingDirectory(const std::string& path);
