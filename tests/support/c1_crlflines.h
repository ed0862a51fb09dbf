// Test support: the lines of the files the game writes with CR LF ends (the
// log, the settings).
#pragma once

#include <string>
#include <vector>

// The lines of `text` without their CR LF; what follows the last CR LF is
// left out.
inline std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}
