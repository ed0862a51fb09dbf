// Fuzzes the message catalogue reader: any bytes as a language file. Every
// stored text is one word with its underscores turned into blanks.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scratch.h"
#include "settings/config.h"
#include "settings/log.h"
#include "settings/message.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzScratchDirectory();
    mkdir("languages", 0755);
    mkdir("languages/eng", 0755);
    ILog.Init(0);
    IConfig.languageName = "eng";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fopen("languages/eng/zelk.strings", "wb");
    if (!file) return 0;
    fwrite(data, 1, size, file);
    fclose(file);
    iMessage catalogue;
    catalogue.readMsgs();
    for (int id = -5; id < iMessage::capacity + 5; ++id) {
        const char* text = catalogue.getMessage(id);
        if (!text) continue;
        if (id < 0 || id >= iMessage::capacity) abort();
        if (strchr(text, '_') || strchr(text, '\n') || strlen(text) > 255) abort();
    }
    return 0;
}
