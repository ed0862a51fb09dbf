#include "upload/replyprinter.h"

#include <algorithm>

#include "settings/log.h"

namespace {

const char headerEnd[] = "\r\n\r\n";
const size_t headerEndLength = sizeof headerEnd - 1;

// The log is text: a NUL would end the line early, so it shows as '.'.
void logChunk(const char* chunk, size_t length) {
    std::string text(chunk, length);
    for (char& c : text)
        if (c == '\0') c = '.';
    ILog.log(3, "%s", text.c_str());
}

}  // namespace

void ReplyPrinter::take(const char* chunk, size_t length) {
    size_t bodyStart = 0;
    if (!inBody) {
        std::string window = seam;
        window.append(chunk, length);
        size_t found = window.find(headerEnd, 0, headerEndLength);
        if (found == std::string::npos) {
            seam = window.substr(window.size() - std::min(window.size(), headerEndLength - 1));
            return;
        }
        // The seam holds fewer bytes than the header end, so it ends in this chunk.
        bodyStart = found + headerEndLength - seam.size();
        inBody = true;
    }
    fwrite(chunk + bodyStart, 1, length - bodyStart, output);
    logChunk(chunk, length);
}
