#include "settings/scan.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FILE* openPlainFile(const char* path, const char** refusal) {
    const char* why = nullptr;
    int failure = 0;
    // Non-blocking, so that opening a FIFO does not wait for its writer.
    int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    if (descriptor < 0 || fstat(descriptor, &info) != 0) {
        failure = errno;
    } else if (!S_ISREG(info.st_mode)) {
        failure = EINVAL;
        why = "not a plain file";
    }
    FILE* file = nullptr;
    if (failure == 0) {
        fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
        file = fdopen(descriptor, "r");
        if (!file) failure = errno;
    }
    if (!file && descriptor >= 0) close(descriptor);
    if (failure != 0 && !why) why = strerror(failure);
    if (refusal) *refusal = why;
    errno = failure;
    return file;
}

bool isSkippedLine(const char* line) {
    return line[0] == '#' || line[0] == '\r' || line[0] == '\n' || line[0] == '\0';
}

bool scanDecimal(const char* text, int& number, const char** end) {
    const char* p = text;
    while (isspace(static_cast<unsigned char>(*p))) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (!isdigit(static_cast<unsigned char>(*p))) return false;
    long long value = 0;
    bool fits = true;
    for (; isdigit(static_cast<unsigned char>(*p)); ++p) {
        if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*p - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) fits = false;
    }
    if (!negative && value > INT_MAX) fits = false;
    if (end) *end = p;
    if (!fits) return false;
    number = static_cast<int>(negative ? -value : value);
    return true;
}
