#include "settings/userfiles.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Empty while the files stay in the working directory.
UserDirectories directories;

std::string inDirectory(const std::string& directory, const char* name) {
    return directory.empty() ? std::string(name) : directory + "/" + name;
}

// The base directory: the variable when it holds an absolute path, the
// default under HOME otherwise.
std::string baseDirectory(const char* variable, const std::string& home, const char* underHome) {
    if (variable && variable[0] == '/') return variable;
    return home + "/" + underHome;
}

std::string homeDirectory() {
    const char* home = getenv("HOME");
    if (home && home[0] == '/') return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

// Like `mkdir -p`, each missing level with mode 0700.
bool makeDirectories(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string level = path.substr(0, slash);
        if (mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
            fprintf(stderr, "Cannot make the directory %s: %s\n", level.c_str(), strerror(errno));
            return false;
        }
        if (slash == std::string::npos) break;
    }
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        fprintf(stderr, "Cannot use %s as a directory\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string userConfigFile(const char* name) {
    return inDirectory(directories.config, name);
}

std::string userStateFile(const char* name) {
    return inDirectory(directories.state, name);
}

std::string userDataFile(const char* name) {
    return inDirectory(directories.data, name);
}

UserDirectories userDirectoriesFor(const std::string& home, const char* configHome,
                                   const char* stateHome, const char* dataHome) {
    return UserDirectories{baseDirectory(configHome, home, ".config") + "/zelk",
                           baseDirectory(stateHome, home, ".local/state") + "/zelk",
                           baseDirectory(dataHome, home, ".local/share") + "/zelk"};
}

bool keepUserFilesInHome() {
    directories = userDirectoriesFor(homeDirectory(), getenv("XDG_CONFIG_HOME"),
                                     getenv("XDG_STATE_HOME"), getenv("XDG_DATA_HOME"));
    bool made = makeDirectories(directories.config);
    made = makeDirectories(directories.state) && made;
    return makeDirectories(directories.data) && made;
}

void keepUserFilesInWorkingDirectory() {
    directories = UserDirectories{};
}
