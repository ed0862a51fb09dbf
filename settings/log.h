// The process-wide log file "log.txt": a banner at the first message of a
// run, then one CR LF line per message whose level passes the threshold.
#pragma once

class iLog {
public:
    iLog();
    virtual ~iLog();

    // Called once at start-up; the next message recreates the file.
    void Init(int level);

    // printf-style message; written when level <= the threshold.
    void log(int level, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // A plain text at level 0, written as it stands (never used as a format).
    void log(const char* text);

    void doCleanupLogOnFirstRun();

    int getLevel() const { return level; }
    void setLevel(int newLevel) { level = newLevel; }

    // Its name; settings/userfiles.h says in which directory.
    static const char* const fileName;
    // Size of the shared formatting buffer; longer messages are cut.
    static const int bufferSize = 2048;

private:
    void writeLine(const char* text);

    int level;
    bool firstRun;
};

extern iLog ILog;
