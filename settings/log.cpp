#include "settings/log.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <string>

#include "settings/userfiles.h"

const char* const iLog::fileName = "log.txt";

namespace {
// Shared by every call: the log is used from the one game thread only.
char formatBuffer[iLog::bufferSize];
const char* const hyphens =
    "--------------------------------------------------------------------------------";
}

iLog::iLog() : level(1), firstRun(false) {}

iLog::~iLog() {}

void iLog::Init(int newLevel) {
    firstRun = true;
    level = newLevel;
}

void iLog::log(int messageLevel, const char* format, ...) {
    if (firstRun) doCleanupLogOnFirstRun();
    if (level < messageLevel) return;
    va_list args;
    va_start(args, format);
    vsnprintf(formatBuffer, sizeof formatBuffer, format, args);
    va_end(args);
    writeLine(formatBuffer);
}

void iLog::log(const char* text) {
    log(0, "%s", text ? text : "");
}

void iLog::writeLine(const char* text) {
    FILE* file = fopen(userStateFile(fileName).c_str(), "ab");
    if (!file) {
        fprintf(stderr, "Errore apertura file log %s\n", fileName);
        return;
    }
    bool ok = fputs(text, file) >= 0 && fputs("\r\n", file) >= 0;
    if (fclose(file) != 0) ok = false;
    if (!ok) fprintf(stderr, "Errore scrittura file log %s\n", fileName);
}

void iLog::doCleanupLogOnFirstRun() {
    if (!firstRun) return;
    remove(userStateFile(fileName).c_str());
    firstRun = false;

    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    char when[64];
    asctime_r(&local, when);  // "Www Mmm dd hh:mm:ss yyyy\n"

    log(0, "%s", hyphens);
    log(0, "%s", "");
    log(0, "   %s - VRT logging file created on %s", fileName, when);
    log(0, "%s", hyphens);
    log(0, "%s", "");
    log(0, "%s", "This file contains a log of problems that can show up during the game.");
    log(0, "%s", "");
    log(0, "%s", "");
    log(0, "%s", hyphens);
}
