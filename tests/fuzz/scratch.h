// The fuzz targets work in a private directory of their own that is removed
// when the target exits, so hours of fuzzing leave nothing behind.
#pragma once

#include <cstdlib>
#include <string>

#include "app/workdir.h"

inline void enterFuzzScratchDirectory() {
    static std::string directory;
    directory = enterPrivateWorkingDirectory("/nonexistent", false);
    atexit([] { removePrivateWorkingDirectory(directory); });
}
