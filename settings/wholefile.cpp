#include "settings/wholefile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "settings/log.h"
#include "settings/scan.h"
#include "settings/userfiles.h"

namespace {

// A writer needs milliseconds; a temporary file untouched for longer than
// this whose process is gone here is not one being written (a copy on
// another machine sharing the directory would keep touching it).
const time_t staleAfterSeconds = 60;

std::string directoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The process number in "<name>.<pid>.tmp", or 0 for any other name.
pid_t writerOf(const std::string& entry, const std::string& name) {
    const std::string suffix = ".tmp";
    if (entry.size() <= name.size() + 1 + suffix.size() || entry.compare(0, name.size(), name) != 0 ||
        entry[name.size()] != '.' || entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::string digits = entry.substr(name.size() + 1, entry.size() - name.size() - 1 - suffix.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return static_cast<pid_t>(atol(digits.c_str()));
}

void removeStaleTemporaries(const std::string& path) {
    const std::string directory = directoryOf(path), name = nameOf(path);
    DIR* listing = opendir(directory.c_str());
    if (!listing) return;
    const time_t now = time(nullptr);
    while (dirent* entry = readdir(listing)) {
        const pid_t writer = writerOf(entry->d_name, name);
        if (writer <= 0 || writer == getpid()) continue;
        if (kill(writer, 0) == 0 || errno != ESRCH) continue;
        const std::string stale = directory + "/" + entry->d_name;
        struct stat info;
        if (lstat(stale.c_str(), &info) == 0 && now - info.st_mtime > staleAfterSeconds) unlink(stale.c_str());
    }
    closedir(listing);
}

// The rename itself reaches the disk too, so that after a crash the new
// file is there under its name. Nothing is lost when this fails.
void syncDirectoryOf(const std::string& path) {
    int directory = open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0) return;
    fsync(directory);
    close(directory);
}

std::string failure(const char* step) {
    return std::string(step) + ": " + strerror(errno);
}

}  // namespace

std::string temporaryFileFor(const std::string& path) {
    // Beside the final file, so that the rename stays within one file
    // system, and named for this process, so that two copies saving at once
    // never write into one file.
    return path + "." + std::to_string(getpid()) + ".tmp";
}

bool replaceFileWhole(const std::string& path, const std::function<bool(FILE*)>& writeText,
                      std::string& why) {
    removeStaleTemporaries(path);
    const std::string temp = temporaryFileFor(path);
    // What has our number can only be left by a process of that number that
    // died, or planted; either way it goes, and the file is made anew.
    unlink(temp.c_str());
    const int descriptor = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    FILE* file = descriptor >= 0 ? fdopen(descriptor, "wb") : nullptr;
    if (!file) {
        why = failure("cannot create the temporary file");
        if (descriptor >= 0) close(descriptor);
        return false;
    }
    bool ok = writeText(file);
    if (!ok) why = failure("cannot write");
    if (ok && (fflush(file) != 0 || fsync(fileno(file)) != 0)) ok = false, why = failure("cannot write");
    if (fclose(file) != 0 && ok) ok = false, why = failure("cannot write");
    if (ok && rename(temp.c_str(), path.c_str()) != 0) ok = false, why = failure("cannot replace it");
    if (!ok) {
        const int error = errno;
        unlink(temp.c_str());
        errno = error;
        return false;
    }
    syncDirectoryOf(path);
    return true;
}

WholeRead readFileWhole(const std::string& path, size_t limit, std::string& text, std::string& why) {
    const char* refusal = nullptr;
    FILE* file = openPlainFile(path.c_str(), &refusal);
    if (!file) {
        if (errno == ENOENT) return WholeRead::Missing;
        why = refusal ? refusal : "cannot be opened";
        return WholeRead::Refused;
    }
    text.assign(limit + 1, '\0');
    text.resize(fread(&text[0], 1, text.size(), file));
    const bool failed = ferror(file) != 0;
    fclose(file);
    if (failed) {
        why = "cannot be read";
        return WholeRead::Refused;
    }
    if (text.size() > limit) {
        why = "larger than " + std::to_string(limit) + " bytes";
        return WholeRead::Refused;
    }
    return WholeRead::Read;
}

std::string readUserText(const char* name, size_t limit, const char* otherwise) {
    std::string text, why;
    const std::string path = userConfigFile(name);
    switch (readFileWhole(path, limit, text, why)) {
        case WholeRead::Missing: return std::string();
        case WholeRead::Refused:
            ILog.log(0, "ERROR reading file %s: %s; %s", path.c_str(), why.c_str(), otherwise);
            return std::string();
        case WholeRead::Read: break;
    }
    return text;
}

bool writeUserText(const char* name, const std::string& text) {
    std::string why;
    const bool ok = replaceFileWhole(userConfigFile(name), [&](FILE* file) {
        return fwrite(text.data(), 1, text.size(), file) == text.size();
    }, why);
    if (!ok) ILog.log(0, "ERROR writing file %s: %s", name, why.c_str());
    return ok;
}
