#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/workdir.h"
#include "rules/queries.h"
#include "settings/log.h"
#include "settings/userfiles.h"

namespace fs = std::filesystem;

namespace {

std::string scratchDirectory;

void removeScratch() {
    removePrivateWorkingDirectory(scratchDirectory);
    scratchDirectory.clear();
}

}  // namespace

std::string enterScratchDirectory(bool copyResources) {
    removeScratch();
    scratchDirectory = enterPrivateWorkingDirectory(ZELK_DATA_DIR, copyResources);
    if (scratchDirectory.empty()) ADD_FAILURE() << "cannot make a private working directory";
    static bool registered = false;
    if (!registered) {
        atexit(removeScratch);
        registered = true;
    }
    return scratchDirectory;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

bool fileExists(const std::string& path) {
    return fs::exists(path);
}

void startHeadlessGame(bool copyResources) {
    // A game still running from an earlier start in this process is shut
    // down first, so that nothing it built is lost unreleased.
    if (screen) stopHeadlessGame();
    enterScratchDirectory(copyResources);
    startHeadlessGameHere();
}

void startHeadlessGameHere() {
    // The program never turns its thinking frames off; a case that did must
    // not leave them off for the next case run in the same process.
    drawThinkingFrames = true;
    // Nor the user's directories, which a case playing the installed game
    // chose inside a scratch directory that is gone by now.
    keepUserFilesInWorkingDirectory();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(startUp(), 0);
}

void stopHeadlessGame() {
    shutDown();
}

std::string logText() {
    return readFile(iLog::fileName);
}

void logEverything() {
    ILog.setLevel(4);
}
