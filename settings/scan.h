// Small scanners shared by the readers of the text files (configuration,
// message catalogue, frame sets): opening nothing but a plain file, the
// comment/blank-line rule, a "%d" that never overflows and the
// "key = number" lines of the game's own small files.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Opens a plain file for reading as text. Anything else (a FIFO, which would
// wait for a writer; a device such as /dev/zero, which never ends; a
// directory) is refused without waiting: null, errno (EINVAL for what is
// not a plain file) and `refusal` (when given) say why.
FILE* openPlainFile(const char* path, const char** refusal = nullptr);

// A line that begins with '#', a carriage return, a line feed or that is
// empty carries nothing.
bool isSkippedLine(const char* line);

// Reads a decimal int the way "%d" does (leading blanks, an optional sign,
// digits; whatever follows is left). False when there is no number or it
// does not fit an int. `end`, when given, receives where the number ended.
bool scanDecimal(const char* text, int& number, const char** end = nullptr);

// The lines of a text, without their line feeds.
std::vector<std::string> linesOf(const std::string& text);

// A line "key = number" of `key`: true, with the number in `value`; false
// (`value` untouched) for any other line.
bool scanKeyedNumber(const std::string& line, const char* key, int& value);
