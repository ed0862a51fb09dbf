// Files the game keeps for the user (the settings, the saved game), written
// and read whole: a replacement appears at once or not at all, whoever looks
// at the same moment, and a reader takes nothing but a plain file of a
// bounded size.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

// Replaces `path` with what `writeText` writes. The text goes to a temporary
// file of this process beside it, created new (a link planted at its name
// is removed, never followed), and reaches the disk before a rename makes it
// `path`: a reader, a crash or another copy writing at the same moment finds
// the old file or the new one, never a part. Temporary files that copies
// which no longer run left beside `path` are removed first. False, with the
// reason in `why`, when anything failed; `path` is then as it was.
bool replaceFileWhole(const std::string& path, const std::function<bool(FILE*)>& writeText,
                      std::string& why);
// The temporary file of this process for `path`.
std::string temporaryFileFor(const std::string& path);

enum class WholeRead { Missing, Read, Refused };

// Reads a plain file of at most `limit` bytes (openPlainFile: a FIFO, a
// device or a directory is refused without waiting). Refused, with the
// reason in `why`, for anything but a whole read.
WholeRead readFileWhole(const std::string& path, size_t limit, std::string& text, std::string& why);

// A small text file of the game's own in the user's directory for settings
// (settings/userfiles.h): the text, empty when the file is missing or
// refused (logged, with `otherwise` saying what the game does instead).
std::string readUserText(const char* name, size_t limit, const char* otherwise);
// Replaces such a file with `text`; false (logged) when it could not.
bool writeUserText(const char* name, const std::string& text);
