// Start-up with parts of the resource tree missing or cut short: each kind
// of file is deleted or truncated in a private copy, the game still reaches
// its start screen, the log names the file, and a game still starts and
// draws.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "app/globals.h"
#include "app/render.h"
#include "support/events.h"
#include "support/testenv.h"

namespace {

struct MissingFile {
    const char* kind;
    const char* path;
    bool truncated = false;  // else deleted
};

void PrintTo(const MissingFile& missing, std::ostream* out) {
    *out << missing.path;
}

class MissingResource : public ::testing::TestWithParam<MissingFile> {};

TEST_P(MissingResource, IsLoggedAndTheGameStillStarts) {
    const MissingFile& missing = GetParam();
    enterScratchDirectory(true);
    const std::string whole = readFile(missing.path);
    ASSERT_GT(whole.size(), 0u) << missing.path;
    if (missing.truncated)
        writeFile(missing.path, whole.substr(0, whole.size() / 2));
    else
        ASSERT_EQ(std::remove(missing.path), 0) << missing.path;
    startHeadlessGameHere();
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_NE(logText().find(missing.path), std::string::npos) << logText();
    render(gamescreen, minigamescreen, screen);
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    EXPECT_EQ(state, STATE_PLAYING);
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
                      MissingFile{"music", "audio/background.xm"},
                      MissingFile{"truncatedBoard", "images/background/zelkboard.png", true},
                      MissingFile{"truncatedPiece", "images/pawns/left/0.png", true},
                      MissingFile{"truncatedFrame", "images/players/waiting/turn1.png", true}),
    [](const ::testing::TestParamInfo<MissingFile>& info) { return std::string(info.param.kind); });

}  // namespace
