// The user's settings, kept in "zelk.conf" (settings/userfiles.h says where):
// read at start-up (created with the defaults when missing), written back at
// exit when a setting changed. One process-wide object, IConfig.
#pragma once

#include <cstdio>
#include <string>

class iConfig {
public:
    iConfig();
    virtual ~iConfig();

    void Init();
    void readConfig();
    // Rewrites the file when `modified` is set. The text goes to a temporary
    // file of this process first and replaces the old one only when every
    // byte is on the disk, so a reader or another copy of the game saving at
    // the same moment always finds one whole file.
    void writeConfig();
    // Appends one line (text + CR LF) to the file being written (outside
    // writeConfig, to the configuration file itself).
    bool write(const char* text);

    bool showStartingHint;
    bool modified;
    std::string userId;
    int gameFeedback;
    std::string playerOneName;
    std::string playerOneType;
    std::string playerTwoName;
    std::string playerTwoType;
    int language;
    std::string languageName;
    int gameLevel;
    std::string gameLevelName;
    int backgroundRed, backgroundGreen, backgroundBlue;

    static const char* const fileName;       // "zelk.conf"
    static const char* const serviceName;    // named in the file's comments
    static const int lineSize = 256;         // read buffer, as for the scan buffers

    // The catalogue directory for a language number: 0 eng, 1 ita, 2 som;
    // anything else falls back to eng.
    static const char* languageDirectory(int language);

private:
    bool writeAllLines();
    FILE* writing;  // the file being replaced, during writeConfig
};

extern iConfig IConfig;
