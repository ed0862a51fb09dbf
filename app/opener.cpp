#include "app/opener.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "upload/percentencoding.h"

namespace {

// Nothing the game holds open (the display connection, the audio device,
// the log) is any business of the program it starts.
void closeInheritedDescriptors(int keep) {
    long limit = sysconf(_SC_OPEN_MAX);
    if (limit < 0 || limit > 4096) limit = 4096;
    for (int fd = 3; fd < limit; ++fd)
        if (fd != keep) close(fd);
}

void report(int pipeEnd, int error) {
    ssize_t ignored = write(pipeEnd, &error, sizeof error);
    (void)ignored;
}

// Double fork: the middle child ends at once and is reaped here, so the
// program ends up a child of init and never lingers as a zombie of ours.
// The pipe closes on a successful exec; a failing one writes its errno
// there first, so the caller still learns whether the program started.
// Between fork and exec only async-signal-safe calls are made: the
// arguments are built before the fork.
int spawnDetached(const std::vector<std::string>& args, const char* directory) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0) return errno;
    pid_t middle = fork();
    if (middle < 0) {
        int error = errno;
        close(channel[0]);
        close(channel[1]);
        return error;
    }
    if (middle == 0) {
        close(channel[0]);
        setsid();
        pid_t worker = fork();
        if (worker == 0) {
            closeInheritedDescriptors(channel[1]);
            if (directory && chdir(directory) != 0) {
                report(channel[1], errno);
                _exit(127);
            }
            execvp(argv[0], argv.data());
            report(channel[1], errno);
            _exit(127);
        }
        if (worker < 0) report(channel[1], errno);
        _exit(0);
    }
    close(channel[1]);
    int error = 0;
    ssize_t got;
    do {
        got = read(channel[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(channel[0]);
    while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace

std::string documentOpener() {
    const char* chosen = getenv("ZELK_OPENER");
    return chosen && *chosen ? chosen : "xdg-open";
}

int openDocument(const std::string& target) {
    return spawnDetached({documentOpener(), target}, nullptr);
}

int startProgramIn(const std::string& directory, const std::string& program) {
    // A name with a slash is taken as a path, so the program in the
    // directory is run rather than one of the same name on the search path.
    return spawnDetached({"./" + program}, directory.c_str());
}

std::string fileUrl(const std::string& absolutePath) {
    return "file://" + percentEncoded(absolutePath.c_str(), "/");
}
