#include "app/resourcetree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "settings/userfiles.h"

namespace {

// The path of the running binary, as the kernel knows it: right whatever the
// working directory or the command that started it.
std::string runningExecutable() {
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "";
    return std::string(path, static_cast<size_t>(length));
}

bool isDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void enter(const char* tree) {
    if (chdir(tree) != 0) fprintf(stderr, "Cannot enter the resource tree %s\n", tree);
}

}  // namespace

std::string installedTreeBeside(const std::string& executable) {
    size_t slash = executable.rfind('/');
    if (slash == std::string::npos) return "";
    const std::string tree = executable.substr(0, slash + 1) + ZELK_INSTALLED_TREE_FROM_BIN;
    return isDirectory(tree) ? tree : "";
}

void enterResourceTree() {
    const std::string installed = installedTreeBeside(runningExecutable());
    if (!installed.empty()) {
        enter(installed.c_str());
        keepUserFilesInHome();
        return;
    }
    // Run from the source tree: data/ is the working directory. Started from
    // elsewhere (the build directory), the game moves there itself.
    if (access("font.ttf", R_OK) == 0) return;
    const std::string fontInTree = std::string(ZELK_DATA_DIR) + "/font.ttf";
    if (access(fontInTree.c_str(), R_OK) == 0) enter(ZELK_DATA_DIR);
}
