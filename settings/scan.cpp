#include "settings/scan.h"

#include <cctype>
#include <climits>

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
