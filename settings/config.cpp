#include "settings/config.h"

#include <SDL/SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/stat.h>

#include "settings/log.h"
#include "settings/scan.h"
#include "settings/userfiles.h"
#include "settings/wholefile.h"

const char* const iConfig::fileName = "zelk.conf";
const char* const iConfig::serviceName = "WikiZelk";

namespace {
const char* const hyphenLine =
    "#--------------------------------------------------------------------------------";

bool keyIs(const char* key, const char* name) {
    return strncmp(key, name, strlen(name)) == 0;
}

void readNumber(const char* value, int& field) {
    int number;
    if (scanDecimal(value, number)) field = number;
}

std::string filePath() {
    return userConfigFile(iConfig::fileName);
}

// The value cut to what its written line "key = value" can carry back
// through the reader, which takes lineSize - 2 characters of a line: a
// value read from a line without blanks around "=" would otherwise come
// back shorter after a save.
std::string fitting(const char* name, const std::string& value) {
    const size_t room = iConfig::lineSize - 2 - strlen(name) - strlen(" = ");
    return value.substr(0, room);
}

void readText(const char* key, const char* name, const char* value, std::string& field) {
    if (keyIs(key, name)) field = fitting(name, value);
}

std::string textLine(const char* name, const std::string& value) {
    return std::string(name) + " = " + fitting(name, value);
}
}  // namespace

iConfig::iConfig()
    : showStartingHint(true),
      modified(false),
      userId("0000000000"),
      gameFeedback(0),
      playerOneName("Tavi"),
      playerOneType("HUMAN"),
      playerTwoName("Vumero"),
      playerTwoType("COMPUTER"),
      language(0),
      languageName("eng"),
      gameLevel(0),
      gameLevelName("Random"),
      backgroundRed(0),
      backgroundGreen(0),
      backgroundBlue(0),
      writing(nullptr) {}

iConfig::~iConfig() {}

const char* iConfig::languageDirectory(int number) {
    switch (number) {
        case 1: return "ita";
        case 2: return "som";
        default: return "eng";
    }
}

void iConfig::Init() {
    showStartingHint = true;
    struct stat info;
    if (stat(filePath().c_str(), &info) != 0 && errno == ENOENT) {
        // Only a file that does not exist is made anew; one that exists but
        // cannot be read keeps whatever the user has in it.
        modified = true;
        writeConfig();
        modified = false;
    } else {
        readConfig();
        modified = false;
    }
    languageName = languageDirectory(language);
}

void iConfig::readConfig() {
    const std::string path = filePath();
    struct stat info;
    FILE* file = stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? fopen(path.c_str(), "r") : nullptr;
    if (!file) {
        ILog.log(0, "ERROR opening file %s: %s", fileName, SDL_GetError());
        return;
    }
    char line[lineSize];
    char key[lineSize];
    char value[lineSize];
    // Lines are taken up to 254 characters; the rest of a longer line is
    // read as a line of its own.
    while (fgets(line, lineSize - 1, file)) {
        if (isSkippedLine(line)) continue;
        if (sscanf(line, "%255s = %255s", key, value) != 2) continue;
        if (keyIs(key, "showStartingHint") && strncmp(value, "false", 5) == 0)
            showStartingHint = false;
        readText(key, "playerOneName", value, playerOneName);
        readText(key, "playerTwoName", value, playerTwoName);
        readText(key, "playerOneType", value, playerOneType);
        readText(key, "playerTwoType", value, playerTwoType);
        if (keyIs(key, "backgroundRed")) readNumber(value, backgroundRed);
        if (keyIs(key, "backgroundGreen")) readNumber(value, backgroundGreen);
        if (keyIs(key, "backgroundBlue")) readNumber(value, backgroundBlue);
        if (keyIs(key, "language")) readNumber(value, language);
        if (keyIs(key, "gameLevel")) readNumber(value, gameLevel);
        readText(key, "userId", value, userId);
        if (keyIs(key, "gameFeedback")) readNumber(value, gameFeedback);
    }
    if (ferror(file)) ILog.log(0, "ERROR reading file %s: %s", fileName, strerror(errno));
    fclose(file);
}

bool iConfig::write(const char* text) {
    const size_t length = strlen(text);
    if (writing) {
        if (fwrite(text, 1, length, writing) == length && fwrite("\r\n", 1, 2, writing) == 2)
            return true;
        fprintf(stderr, "Error in writing the file %s\n", fileName);
        return false;
    }
    FILE* file = fopen(filePath().c_str(), "ab");
    if (!file) {
        fprintf(stderr, "Error in opening the file %s\n", fileName);
        return false;
    }
    bool ok = fwrite(text, 1, length, file) == length && fwrite("\r\n", 1, 2, file) == 2;
    if (fclose(file) != 0) ok = false;
    if (!ok) fprintf(stderr, "Error in writing the file %s\n", fileName);
    return ok;
}

bool iConfig::writeAllLines() {
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    char when[64];
    asctime_r(&local, when);

    const std::string createdLine =
        std::string("#   ") + fileName + " - ZELK config file created on " + when;
    const std::string lines[] = {
        hyphenLine,
        "#",
        createdLine,
        hyphenLine,
        "#",
        "#This file contains the current configurations of the game.",
        "#",
        "#",
        hyphenLine,
        "#",
        "# showStartingHint - true or false",
        "#",
        std::string("showStartingHint = ") + (showStartingHint ? "true" : "false"),
        "#",
        "#",
        "# playerOneName - default Tavi",
        textLine("playerOneName", playerOneName),
        "#",
        "#",
        "# playerTwoName - default Vumero",
        textLine("playerTwoName", playerTwoName),
        "#",
        "#",
        "# playerOneType - default HUMAN",
        textLine("playerOneType", playerOneType),
        "#",
        "#",
        "# playerTwoType - default HUMAN",
        textLine("playerTwoType", playerTwoType),
        "#",
        "#",
        "# Background color - default blue sky",
        "backgroundRed = " + std::to_string(backgroundRed),
        "#",
        "backgroundGreen = " + std::to_string(backgroundGreen),
        "#",
        "backgroundBlue = " + std::to_string(backgroundBlue),
        "#",
        "#",
        "# Language  0=eng|1=ita|2=som - default eng",
        "language = " + std::to_string(language),
        "#",
        "# gameLevel  0=Random|1=Beginner|2=Novice|3=Expert - default Random",
        "gameLevel = " + std::to_string(gameLevel),
        "#",
        std::string("# UserId  - please use your ") + serviceName + " id, if you have one",
        textLine("userId", userId),
        "#",
        std::string("# gameFeedback: 0=No|1=Yes - default No - Participate game collection on ") +
            serviceName + ": ",
        "gameFeedback = " + std::to_string(gameFeedback),
        "#",
        "#end",
        "#",
    };
    static_assert(sizeof lines / sizeof lines[0] == 53, "the file has 53 lines");
    for (const std::string& line : lines)
        if (!write(line.c_str())) return false;
    return true;
}

void iConfig::writeConfig() {
    if (!modified) return;
    std::string why;
    const bool ok = replaceFileWhole(filePath(), [this](FILE* file) {
        writing = file;
        const bool whole = writeAllLines();
        writing = nullptr;
        return whole;
    }, why);
    if (!ok)
        ILog.log(0, "ERROR writing file %s: %s; the settings were not saved, the old file is kept",
                 fileName, why.c_str());
    modified = false;
}
