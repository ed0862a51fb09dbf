// Start-up with parts of the resource tree missing: each kind of file is
// deleted from a private copy, the game still reaches its start screen, the
// log names what was missing, and a frame still draws.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "app/globals.h"
#include "app/render.h"
#include "support/testenv.h"

namespace {

struct MissingFile {
    const char* kind;
    const char* path;
};

void PrintTo(const MissingFile& missing, std::ostream* out) {
    *out << missing.path;
}

class MissingResource : public ::testing::TestWithParam<MissingFile> {};

TEST_P(MissingResource, IsLoggedAndTheGameStillStarts) {
    const MissingFile& missing = GetParam();
    enterScratchDirectory(true);
    ASSERT_EQ(std::remove(missing.path), 0) << missing.path;
    startHeadlessGameHere();
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_NE(logText().find(missing.path), std::string::npos) << logText();
    render(gamescreen, minigamescreen, screen);
    render(gamescreen, minigamescreen, screen);
    stopHeadlessGame();
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, MissingResource,
    ::testing::Values(MissingFile{"board", "images/background/zelkboard.png"},
                      MissingFile{"button", "images/menu/menureadrules.png"},
                      MissingFile{"piece", "images/pawns/left/0.png"},
                      MissingFile{"chosenPiece", "images/pawns/right/chosen.png"},
                      MissingFile{"point", "images/cells/emptycell.png"},
                      MissingFile{"avatar", "images/players/left/01.png"},
                      MissingFile{"frameSetInfo", "images/players/waiting/info"},
                      MissingFile{"frame", "images/config/speedup/0.png"},
                      MissingFile{"sound", "audio/jare.wav"},
                      MissingFile{"music", "audio/background.xm"}),
    [](const ::testing::TestParamInfo<MissingFile>& info) { return std::string(info.param.kind); });

}  // namespace
