#include "upload/percentencoding.h"

#include <cstring>

namespace {

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string percentEncoded(const char* text, const char* alsoPlain) {
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char* at = reinterpret_cast<const unsigned char*>(text); *at; ++at) {
        const unsigned char c = *at;
        if (unreserved(c) || strchr(alsoPlain, c)) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 0x0F];
        }
    }
    return encoded;
}
