#include "app/workdir.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

std::string enterPrivateWorkingDirectory(const std::string& resourceTree, bool copyResources) {
    char pattern[] = "/tmp/zelk-run-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) return "";
    const fs::path directory = made;
    std::error_code error;
    for (const char* entry : {"images", "audio", "languages", "docs", "font.ttf"}) {
        const fs::path from = fs::path(resourceTree) / entry, to = directory / entry;
        if (!fs::exists(from)) continue;
        if (copyResources)
            fs::copy(from, to, fs::copy_options::recursive, error);
        else
            fs::create_symlink(from, to, error);
    }
    if (chdir(made) != 0) return "";
    return made;
}

void removePrivateWorkingDirectory(const std::string& path) {
    if (path.empty()) return;
    std::error_code ignored;
    fs::remove_all(path, ignored);
}
