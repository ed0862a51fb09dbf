// Fuzzes the configuration reader: any bytes as "zelk.conf". Whatever is
// read must be written back and read again unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "scratch.h"
#include "settings/config.h"
#include "settings/log.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzScratchDirectory();
    ILog.Init(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fopen(iConfig::fileName, "wb");
    if (!file) return 0;
    fwrite(data, 1, size, file);
    fclose(file);
    iConfig first;
    first.Init();
    first.modified = true;
    first.writeConfig();
    iConfig second;
    second.Init();
    if (first.playerOneName != second.playerOneName || first.playerTwoName != second.playerTwoName ||
        first.playerOneType != second.playerOneType || first.playerTwoType != second.playerTwoType ||
        first.userId != second.userId || first.gameLevel != second.gameLevel ||
        first.gameFeedback != second.gameFeedback || first.language != second.language ||
        first.backgroundRed != second.backgroundRed || first.backgroundGreen != second.backgroundGreen ||
        first.backgroundBlue != second.backgroundBlue ||
        first.showStartingHint != second.showStartingHint)
        abort();
    return 0;
}
