#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "app/mainloop.h"
#include "settings/log.h"

namespace fs = std::filesystem;

namespace {

std::string scratchDirectory;

void removeScratch() {
    if (scratchDirectory.empty()) return;
    std::error_code ignored;
    fs::remove_all(scratchDirectory, ignored);
    scratchDirectory.clear();
}

}  // namespace

std::string enterScratchDirectory(bool copyResources) {
    removeScratch();
    char pattern[] = "/tmp/zelk-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) ADD_FAILURE() << "cannot create a scratch directory";
    scratchDirectory = made ? made : "/tmp";
    static bool registered = false;
    if (!registered) {
        atexit(removeScratch);
        registered = true;
    }
    const fs::path tree = ZELK_DATA_DIR;
    for (const char* entry : {"images", "audio", "languages", "docs", "font.ttf"}) {
        fs::path from = tree / entry, to = fs::path(scratchDirectory) / entry;
        if (!fs::exists(from)) continue;
        if (copyResources)
            fs::copy(from, to, fs::copy_options::recursive);
        else
            fs::create_symlink(from, to);
    }
    if (chdir(scratchDirectory.c_str()) != 0) ADD_FAILURE() << "cannot enter " << scratchDirectory;
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
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    enterScratchDirectory(copyResources);
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
