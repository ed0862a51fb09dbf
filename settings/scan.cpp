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

bool scanKeyedNumber(const std::string& line, const char* key, int& value) {
    const std::string prefix = std::string(key) + " =";
    if (line.compare(0, prefix.size(), prefix) != 0) return false;
    int number;
    if (!scanDecimal(line.c_str() + prefix.size(), number)) return false;
    value = number;
    return true;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
