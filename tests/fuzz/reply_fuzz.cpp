// Fuzzes the handling of the service's reply: any bytes, cut into chunks at
// places the input chooses. What is printed must be exactly what follows
// the first header end of the whole reply, however it was cut.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "scratch.h"
#include "settings/log.h"
#include "upload/replyprinter.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzScratchDirectory();
    ILog.Init(4);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte sets the chunk sizes (1 to 256), the rest is the reply.
    const size_t step = static_cast<size_t>(data[0]) + 1;
    const char* reply = reinterpret_cast<const char*>(data + 1);
    const size_t length = size - 1;

    char* printed = nullptr;
    size_t printedLength = 0;
    FILE* output = open_memstream(&printed, &printedLength);
    ReplyPrinter printer(output);
    for (size_t at = 0; at < length; at += step) printer.take(reply + at, std::min(step, length - at));
    fclose(output);

    const std::string whole(reply, length);
    const size_t end = whole.find("\r\n\r\n");
    const std::string expected = end == std::string::npos ? "" : whole.substr(end + 4);
    if (printer.sawBody() != (end != std::string::npos)) abort();
    if (std::string(printed, printedLength) != expected) abort();
    free(printed);
    return 0;
}
