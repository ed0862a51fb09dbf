// Hands things over to the desktop: a document or web address to the
// user's opener, a program to run in a directory of its own. Neither waits
// for what it starts, neither leaves a child behind to reap, and neither
// goes through a shell, so nothing in a path or address can become a command.
#pragma once

#include <string>

// The program that opens documents: the one named by ZELK_OPENER when that
// is set (tests put a recorder there), otherwise "xdg-open".
std::string documentOpener();

// Each answers 0 once the program is running, otherwise the errno of what
// failed (the program missing, not executable, the directory missing...).
int openDocument(const std::string& target);
// `program` is looked up in `directory`, not on the search path.
int startProgramIn(const std::string& directory, const std::string& program);

// "file://" and the absolute path, every byte outside a URL's plain set
// written as %XX.
std::string fileUrl(const std::string& absolutePath);
