// What the game tells a newcomer: the coach line in each situation, for two
// people and against the computer; the computer's turn read as thinking;
// the how-to-play pages over a game that they leave as it was; the switch
// on the settings screen.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/coach.h"
#include "app/globals.h"
#include "app/howtoplay.h"
#include "app/mainloop.h"
#include "app/timer.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "rules/history.h"
#include "rules/hooks.h"
#include "rules/snapshot.h"
#include "settings/config.h"
#include "settings/preferences.h"
#include "sprites/about.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"
#include "support/testenv.h"

namespace {

std::string coachNow() {
    return coachText(currentSituation());
}

class Coach : public GameFlowTest {
protected:
    void SetUp() override { startGameShell(HUMAN, HUMAN); }
};

TEST_F(Coach, TellsTwoPeopleWhatToDoInEveryPhase) {
    start();
    EXPECT_EQ(coachNow(), "Tavi: Place a piece on any empty point");
    for (int cell : {0, 9, 1, 10, 2}) places(cell);  // Tavi's 0, 1, 2 while placing
    EXPECT_EQ(coachNow(), "Vumero: Tavi's jare came first: it removes first when the board is full. Place a piece");
    places(11);
    EXPECT_EQ(coachNow(), "Tavi: Your jare came first: you remove first when the board is full. Place a piece");

    position(PHASE_OPENING, {0, 1}, {2, 4}, 2);
    EXPECT_EQ(coachNow(), "Vumero: Opening: remove one of Tavi's pieces");

    position(PHASE_CONTENDING, {0, 1, 14}, {9, 21, 22}, 1);
    EXPECT_EQ(coachNow(), "Tavi: Move a piece one step along a line");
    humanMoves(14, 2);
    EXPECT_EQ(coachNow(), "Tavi: You made a jare: remove one of Vumero's pieces");

    position(PHASE_CONTENDING, boxedInOne, boxedInTwo);
    moves(4, 5);
    EXPECT_EQ(coachNow(), "Tavi: Vumero cannot move: move again; a jare made now removes nothing");
    moves(14, 13);  // a line on the safe route
    EXPECT_EQ(coachNow(),
              "Vumero: The last jare came on a safe route and removed nothing. Move a piece one step along a line");
    moves(2, 14);  // the next person's action: the note has been read
    EXPECT_EQ(coachNow(), "Tavi: Move a piece one step along a line");
}

// What the two players' lines and the coach say while the pieces of a turn
// that is the computer's glide.
struct WhileGliding {
    std::string computer, person, coach;
};

WhileGliding duringTheGlides(const std::function<void()>& action) {
    WhileGliding seen;
    const FlowHooks kept = flowHooks();
    FlowHooks hooks = kept;
    hooks.glideFrame = [&] {
        playerOne->displaySingleScreen();
        playerTwo->displaySingleScreen();
        if (seen.computer.empty() && somePieceGlides()) seen = {playerTwo->status, playerOne->status, coachNow()};
        if (kept.glideFrame) kept.glideFrame();
    };
    setFlowHooks(hooks);
    action();
    setFlowHooks(kept);
    return seen;
}

TEST_F(Coach, SpeaksToThePersonAgainstTheComputerAndSaysItThinks) {
    playerTwo->type = COMPUTER;
    start();
    EXPECT_EQ(coachNow(), "Place a piece on any empty point");
    for (const WhileGliding& seen : {duringTheGlides([this] { places(0); }), duringTheGlides([this] {
             position(PHASE_CONTENDING, {0, 1, 14}, {9, 21, 22, 4}, 1);
             humanMoves(14, 2);
             EXPECT_EQ(coachNow(), "You made a jare: remove one of Vumero's pieces");
             removes(9);
         })}) {
        EXPECT_EQ(seen.computer, "Thinking");
        EXPECT_EQ(seen.person, "Waiting hand");
        EXPECT_EQ(seen.coach, "Vumero is thinking\xE2\x80\xA6");
    }
    EXPECT_EQ(coachNow(), "Move a piece one step along a line");
}

TEST_F(Coach, HowToPlayPagesLeaveTheGameAsItWas) {
    start();
    for (int cell : {0, 9, 1}) places(cell);
    const GameSnapshot before = captureGame(0);
    const size_t historyBefore = gameHistory.entries().size();
    Timer clock;
    const unsigned clockBefore = clock.getTime();
    int pagesSeen = 0;
    const Uint32 opened = SDL_GetTicks();
    Hand hand;
    hand.after([&] { return howToPlayPageShown() == 0; })
        .click(650, 520)
        .after([&] { return howToPlayPageShown() == 1 && ++pagesSeen; })
        .click(650, 520)
        .click(150, 520)  // back
        .after([&] { return SDL_GetTicks() - opened > 300 && howToPlayPageShown() == 1 && ++pagesSeen; })
        .key(SDLK_F2)
        .start();
    releaseKeyNow(SDLK_F2);
    EXPECT_EQ(howToPlayPageShown(), -1);
    EXPECT_EQ(pagesSeen, 2);
    EXPECT_FALSE(quit);
    EXPECT_TRUE(captureGame(0) == before);
    EXPECT_EQ(gameHistory.entries().size(), historyBefore);
    EXPECT_FALSE(clock.isPaused());
    EXPECT_LT(clock.getTime() - clockBefore, 300u) << "the clock ran while the pages showed";
}

}  // namespace

TEST_F(Coach, TheSettingsScreenSwitchesTheLineOffAndOnInTheGamesOwnFile) {
    ASSERT_TRUE(preferences().coachLine);
    for (bool expected : {false, true}) {
        Hand hand;
        hand.click(112, 444).click(690, 536).start();
        aboutZelk(screen);
        EXPECT_EQ(preferences().coachLine, expected);
        EXPECT_NE(readFile(preferencesFileName).find(std::string("coachLine = ") + (expected ? "1" : "0")),
                  std::string::npos)
            << readFile(preferencesFileName);
    }
}

TEST_F(Coach, ARightClickOnAPictureAsksBeforeItResetsAGameUnderWay) {
    start();
    places(0);
    DialogScript::install({false, true});
    const int x = playerOne->getX() + playerOne->getWidth() / 2, y = playerOne->getY() + playerOne->getHeight() / 2;
    clickNow(x, y, SDL_BUTTON_RIGHT);
    EXPECT_EQ(DialogScript::questionsAsked(), 1);
    EXPECT_TRUE(playerOne->IsHuman()) << "answered No: nothing changes";
    EXPECT_EQ(playerOne->pawnsOnBoard, 1);
    clickNow(x, y, SDL_BUTTON_RIGHT);
    EXPECT_EQ(DialogScript::questionsAsked(), 2);
    EXPECT_TRUE(playerOne->IsComputer());
    EXPECT_EQ(playerOne->pawnsOnBoard, 0);
}
