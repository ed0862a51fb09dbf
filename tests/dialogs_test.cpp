// The yes/no question and the end-of-game screen, answered with real clicks
// queued for their own event loops.
#include <gtest/gtest.h>

#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/globals.h"
#include "rules/board.h"
#include "settings/config.h"
#include "upload/hostlookup.h"
#include "rules/cell.h"
#include "settings/userfiles.h"
#include "sprites/dialogs.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/testenv.h"

namespace {
class Dialogs : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessGame();
        logEverything();
        drainEvents();
    }
    Uint32 pixel(int x, int y) { return static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + x]; }
    int count(const std::string& text, const std::string& what) {
        int n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }
};
}  // namespace

TEST_F(Dialogs, YesAndNoAnswerOnlyInsideTheirButtons) {
    Hand yesHand;
    yesHand.click(368, 360)   // on the Yes button's left edge: no answer
        .click(300, 200)      // outside both buttons: only a redraw
        .click(400, 365)
        .start();
    EXPECT_TRUE(yesno(screen, "", "Sure to quit the game?"));
    EXPECT_EQ(yesHand.given(), 3) << "answered by the third click only";
    Hand noHand;
    noHand.click(591, 365).click(520, 365).start();  // right edge of No, then inside
    EXPECT_FALSE(yesno(screen, "Jid isii aan jare lahayn!", "Should I continue to give a safe route?"));
    EXPECT_EQ(noHand.given(), 2);
    // The question was on screen: the black frame around the panel.
    EXPECT_EQ(pixel(202, 99), SDL_MapRGB(screen->format, 0, 0, 0));
}

TEST_F(Dialogs, KeySTakesAScreenshotOfTheQuestionWhereTheUsersFilesGo) {
    Hand hand;
    hand.key(SDLK_s).click(400, 365).start();
    EXPECT_TRUE(yesno(screen, "", "Sure to reset the game?"));
    ASSERT_TRUE(fileExists("screenshot-yesno.bmp"));
    SDL_Surface* shot = SDL_LoadBMP("screenshot-yesno.bmp");
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->w, 800);
    EXPECT_EQ(shot->h, 600);
    SDL_FreeSurface(shot);
    writeFile("screenshot-yesno.bmp", "old");
    Hand again;
    again.key(SDLK_s).click(400, 365).start();
    yesno(screen, "", "again");
    EXPECT_NE(readFile("screenshot-yesno.bmp"), "old") << "a second screenshot replaces the first";
    // Installed, the game puts it in the user's data directory.
    const std::string home = enterScratchDirectory(), data = home + "/data-home";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    ASSERT_TRUE(keepUserFilesInHome());
    Hand installed;
    installed.key(SDLK_s).click(400, 365).start();
    yesno(screen, "", "Sure to reset the game?");
    EXPECT_TRUE(fileExists(data + "/zelk/screenshot-yesno.bmp"));
    EXPECT_FALSE(fileExists("screenshot-yesno.bmp"));
}

TEST_F(Dialogs, TheEndScreenReportsOnceClearsTheBoardOnEveryClickAndAnswers) {
    playerTwo->type = HUMAN;
    move_pawn_to_cell(0, 0, 1);
    gamePhase = PHASE_CONTENDING;
    state = STATE_PLAYING;
    Hand hand;
    hand.click(100, 100)  // outside the buttons: resets, and the screen stays
        .click(400, 365)
        .start();
    EXPECT_TRUE(vittoria(screen, playerOne->name));
    EXPECT_EQ(hand.given(), 2) << "the first click did not answer";
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_EQ(gamePhase, PHASE_RESETTLEMENT);
    EXPECT_TRUE(en_cell[0]->isEmpty());
    EXPECT_EQ(count(logText(), "User does not wish to communicate this game"), 1);

    Hand noHand;
    noHand.click(520, 365).start();
    EXPECT_FALSE(vittoria(screen, playerTwo->name));
    EXPECT_EQ(state, STATE_STARTING);
}

namespace {
std::atomic<unsigned> screenEarly{0}, screenLate{0};

unsigned screenChecksum() {
    unsigned sum = 0;
    const Uint32* pixels = static_cast<const Uint32*>(screen->pixels);
    for (int i = 0; i < screen->h * screen->pitch / 4; ++i) sum = sum * 31 + pixels[i];
    return sum;
}

// A slow name server that never finds the name; it looks at the screen
// early and late in its wait.
bool slowResolverWatchingTheScreen(const char*, in_addr&) {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    screenEarly = screenChecksum();
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    screenLate = screenChecksum();
    return false;
}
}  // namespace

TEST_F(Dialogs, TheFireworksGoOnWhileTheGameIsReported) {
    playerTwo->type = HUMAN;
    IConfig.gameFeedback = 1;
    setenv("ZELK_UPLOAD_HOST", "collector.example", 1);
    hostResolver = slowResolverWatchingTheScreen;
    Hand hand;
    hand.click(400, 365).start();
    EXPECT_TRUE(vittoria(screen, playerOne->name));
    hostResolver = systemResolver;
    unsetenv("ZELK_UPLOAD_HOST");
    EXPECT_NE(logText().find("Hostname lookup failed collector.example"), std::string::npos);
    EXPECT_NE(screenEarly, screenLate) << "the end screen stood still during the upload";
}
