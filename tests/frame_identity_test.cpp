// The drawing shortcuts leave every pixel of a frame as the library's own
// paths draw it: the same states are drawn with them off, then on, each in
// a fresh start of the game, and the screens compared word for word.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/globals.h"
#include "app/render.h"
#include "app/timer.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "sprites/fastdrawing.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/position.h"
#include "support/testenv.h"

namespace {

using Pixels = std::vector<Uint32>;

Pixels frame() {
    render(gamescreen, minigamescreen, screen);
    Pixels pixels(static_cast<size_t>(screen->w) * screen->h);
    for (int row = 0; row < screen->h; ++row)
        memcpy(&pixels[static_cast<size_t>(row) * screen->w],
               static_cast<Uint8*>(screen->pixels) + row * screen->pitch, screen->w * 4u);
    return pixels;
}

void settle() {
    for (int i = 0; i < 2000; ++i) {
        bool moving = false;
        for (Pawn* pawn : en_pawn) moving = moving || pawn->isMoving();
        if (!moving) return;
        render(gamescreen, minigamescreen, screen);
    }
}

// The start screen, then the full board with two free points, a picked-up
// piece, one cut at the window's edge, status lines and a stopped clock,
// each twice so the second frame draws with whatever the first one kept.
std::vector<Pixels> drawWith(bool shortcuts) {
    fastDrawing = shortcuts;
    startHeadlessGame();
    // What a start-up does not reset: the first run's game left them set.
    state = STATE_STARTING;
    gamePhase = PHASE_RESETTLEMENT;
    playerOne->setStatus("Choose a pawn, then a free place");
    playerTwo->setStatus("Remove one of his pawns!");
    std::vector<Pixels> frames = {frame(), frame()};

    setupOpeningPosition();
    settle();
    Timer().pause();
    for (Entity& sprite : OtherEntities) {
        sprite.currentFrame = 0;
        sprite.frameSpeed = 1e9f;  // no animation step between the two runs
    }
    lift(5);  // an empty point and a shadowed one are drawn
    lift(17);
    en_cell[17]->setState(CELL_SHADOWED);
    en_pawn[3]->state = PAWN_PICKED;  // drawn with its "chosen" picture
    en_pawn[20]->setX(790);           // clipped at the right edge
    frames.push_back(frame());
    frames.push_back(frame());
    Timer().pause();
    stopHeadlessGame();
    fastDrawing = true;
    return frames;
}

size_t differingPixels(const Pixels& a, const Pixels& b) {
    if (a.size() != b.size()) return a.size() + b.size();
    size_t differing = 0;
    for (size_t i = 0; i < a.size(); ++i) differing += a[i] != b[i];
    return differing;
}

TEST(FrameIdentity, ShortcutsDrawTheStartScreenAndAFullBoardPixelForPixel) {
    const std::vector<Pixels> reference = drawWith(false), fast = drawWith(true);
    for (size_t i = 0; i < fast.size(); ++i) EXPECT_EQ(differingPixels(reference[i], fast[i]), 0u) << "frame " << i;
    EXPECT_GT(differingPixels(fast[0], fast[2]), 1000u) << "not a comparison of two blank screens";
}

}  // namespace
