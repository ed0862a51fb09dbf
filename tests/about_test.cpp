// The about and settings screen, clicked through its own event loop on the
// real headless game: the boxes and what they change, the two closing
// buttons and what reaches zelk.conf, the rules page and the updater.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/opener.h"
#include "bot/game.h"
#include "rules/board.h"
#include "settings/catalogue.h"
#include "settings/config.h"
#include "sprites/about.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/testenv.h"

namespace {

using Spot = std::pair<int, int>;

// Centres of the screen's click areas.
const Spot oneHuman{142, 328}, oneComputer{223, 328}, twoHuman{394, 328}, twoComputer{477, 328};
const Spot dummy{202, 407}, beginner{298, 407}, novice{404, 407}, expert{502, 407};
const Spot uploadYes{404, 477}, uploadNo{502, 477};
const Spot wiki{140, 536}, updates{275, 536}, saveAndExit{560, 536}, justExit{690, 536};
const Spot nowhere{300, 250};
const Spot english{602, 190}, italiano{602, 215}, soomaali{602, 240};

class About : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessGame();
        logEverything();
        drainEvents();
    }
    void TearDown() override { unsetenv("ZELK_OPENER"); }

    // Opens the screen and clicks the spots in turn; the last one should
    // close it. The screen redraws before it handles a click, so what it
    // shows afterwards is the state before the last click.
    bool clickThrough(std::initializer_list<Spot> spots) {
        Hand hand;
        for (const Spot& spot : spots) hand.click(spot.first, spot.second);
        hand.start();
        return aboutZelk(screen);
    }

    SDL_Color colourAt(int x, int y, SDL_Surface* surface = screen) {
        Uint32 value = static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
        SDL_Color colour;
        SDL_GetRGB(value, surface->format, &colour.r, &colour.g, &colour.b);
        return colour;
    }
    // The green of "ok.png" against the pale face of "notok.png".
    bool ticked(const Spot& box) { return colourAt(box.first, box.second).g < 200; }

    // Whether a message line (magenta text) is on screen at `y`.
    bool lineShown(int y) {
        for (int row = y; row < y + 16; ++row)
            for (int x = 100; x < 560; ++x) {
                SDL_Color c = colourAt(x, row);
                if (c.r > 200 && c.g < 80 && c.b > 200) return true;
            }
        return false;
    }

    // A small program that writes its arguments and working directory to `record`.
    void writeRecorder(const std::string& path, const std::string& record) {
        writeFile(path, "#!/bin/sh\nprintf '%s|%s' \"$*\" \"$(pwd)\" > " + record + ".part && mv " +
                            record + ".part " + record + "\n");
        chmod(path.c_str(), 0755);
    }
    // What a started program wrote, once it has written something; a busy
    // machine may take seconds to run it.
    std::string waitForFile(const std::string& path) {
        for (int i = 0; i < 1000 && readFile(path).empty(); ++i) SDL_Delay(10);
        return readFile(path);
    }
};

}  // namespace

TEST_F(About, OpensWithTheBoxesOfTheLiveSettingsTicked) {
    playerOne->type = COMPUTER;
    playerTwo->type = HUMAN;
    iGame->setGameLevel(LEVEL_EXPERT);
    IConfig.gameFeedback = 1;
    EXPECT_FALSE(clickThrough({justExit}));
    EXPECT_TRUE(ticked(oneComputer));
    EXPECT_FALSE(ticked(oneHuman));
    EXPECT_TRUE(ticked(twoHuman));
    EXPECT_FALSE(ticked(twoComputer));
    EXPECT_TRUE(ticked(expert));
    for (const Spot& other : {dummy, beginner, novice}) EXPECT_FALSE(ticked(other));
    EXPECT_TRUE(ticked(uploadYes));
    EXPECT_FALSE(ticked(uploadNo));
}

TEST_F(About, KindBoxesChangeThePlayersButNeverMakeTwoComputers) {
    ASSERT_TRUE(playerTwo->IsComputer());  // the default configuration
    IConfig.modified = false;
    clickThrough({oneComputer, nowhere, justExit});
    EXPECT_TRUE(playerOne->IsHuman());
    EXPECT_EQ(IConfig.playerOneType, "HUMAN");
    EXPECT_TRUE(ticked(oneHuman)) << "a refused click leaves the boxes as they are";
    EXPECT_TRUE(ticked(twoComputer));
    EXPECT_TRUE(lineShown(342)) << "the attention line";

    clickThrough({twoHuman, oneComputer, nowhere, twoComputer, nowhere, justExit});
    EXPECT_TRUE(playerOne->IsComputer());
    EXPECT_EQ(IConfig.playerOneType, "COMPUTER");
    EXPECT_TRUE(playerTwo->IsHuman()) << "player two's Computer box was refused";
    EXPECT_EQ(IConfig.playerTwoType, "HUMAN");
    EXPECT_TRUE(ticked(oneComputer));
    EXPECT_FALSE(ticked(oneHuman));
    EXPECT_TRUE(ticked(twoHuman));
    EXPECT_FALSE(ticked(twoComputer));
    EXPECT_TRUE(lineShown(342));

    clickThrough({oneHuman, nowhere, justExit});
    EXPECT_TRUE(playerOne->IsHuman());
    EXPECT_FALSE(lineShown(342)) << "an accepted choice clears the attention line";
}

TEST_F(About, EveryLevelBoxSetsItsLevelAndTheStrongOnesSayTheyAreSelected) {
    struct Case {
        Spot box;
        GameLevels played;
        bool notice;
    };
    const Case cases[] = {{novice, LEVEL_NOVICE, true},
                          {dummy, LEVEL_DUMMY, false},
                          {expert, LEVEL_EXPERT, true},
                          {beginner, LEVEL_BEGINNER, false}};
    for (const Case& c : cases) {
        iGame->setGameLevel(c.played == LEVEL_DUMMY ? LEVEL_BEGINNER : LEVEL_DUMMY);
        EXPECT_TRUE(clickThrough({c.box, nowhere, saveAndExit}));
        EXPECT_EQ(iGame->getGameLevel(), c.played);
        EXPECT_EQ(IConfig.gameLevel, static_cast<int>(c.played));
        EXPECT_EQ(lineShown(426), c.notice);
        const Spot levels[4] = {dummy, beginner, novice, expert};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(ticked(levels[i]), i == c.played) << "level box " << i;
    }
}

TEST_F(About, UploadBoxesSetTheConsentAndAnyOtherClickEmptiesItsLine) {
    clickThrough({uploadYes, justExit});
    EXPECT_EQ(IConfig.gameFeedback, 1);
    EXPECT_TRUE(lineShown(490));
    EXPECT_TRUE(ticked(uploadYes));
    EXPECT_FALSE(ticked(uploadNo));
    clickThrough({uploadNo, dummy, justExit});
    EXPECT_EQ(IConfig.gameFeedback, 0);
    EXPECT_FALSE(lineShown(490)) << "the click on Dummy emptied it";
    EXPECT_TRUE(ticked(uploadNo));
}

TEST_F(About, ExitKeepsTheChangesForThisRunOnlyAndLeavesTheFileAsItWas) {
    clickThrough({twoHuman, dummy, justExit});
    EXPECT_TRUE(playerTwo->IsHuman());
    EXPECT_FALSE(IConfig.modified);
    stopHeadlessGame();
    EXPECT_NE(readFile("zelk.conf").find("playerTwoType = COMPUTER\r\n"), std::string::npos);
}

TEST_F(About, SaveAndExitReachesTheFileEvenAfterALaterExit) {
    EXPECT_TRUE(clickThrough({twoHuman, uploadYes, saveAndExit}));
    EXPECT_FALSE(clickThrough({nowhere, justExit}));
    EXPECT_TRUE(IConfig.modified) << "the later Exit must not drop the earlier save";
    stopHeadlessGame();
    const std::string saved = readFile("zelk.conf");
    EXPECT_NE(saved.find("playerTwoType = HUMAN\r\n"), std::string::npos);
    EXPECT_NE(saved.find("gameFeedback = 1\r\n"), std::string::npos);
}

TEST_F(About, SaveInAGameStartsANewOneAndExitResumes) {
    startGame(playerOne);
    ASSERT_EQ(state, STATE_PLAYING);
    // The rules button, then the screen's button, through the main loop.
    for (const Spot& closing : {justExit, saveAndExit}) {
        Hand hand;
        hand.click(340, 530).click(closing.first, closing.second).start();
        while (hand.given() < 1) SDL_Delay(1);
        mainLoopPass();
        EXPECT_EQ(state, closing == justExit ? STATE_PLAYING : STATE_STARTING);
    }
}

// The rules page is handed to the opener as one argument, without a shell.
TEST_F(About, ALanguageBoxChangesTheTextsAtOnceAndTheRulesPageWithThem) {
    writeRecorder("opener.sh", "opened.txt");
    setenv("ZELK_OPENER", "./opener.sh", 1);
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    clickThrough({wiki, justExit});
    EXPECT_EQ(waitForFile("opened.txt"), fileUrl(std::string(here) + "/docs/rules.html") + "|" + here);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "no child left to reap";
    EXPECT_EQ(errno, ECHILD);
    // Anything a shell would act on is percent-encoded.
    EXPECT_EQ(fileUrl("/tmp/a b;c'$(x)"), "file:///tmp/a%20b%3Bc%27%24%28x%29");
    std::remove("opened.txt");
    EXPECT_TRUE(clickThrough({soomaali, wiki, saveAndExit}));
    EXPECT_EQ(languageInUse(), 2);
    EXPECT_EQ(IConfig.language, 2);
    EXPECT_EQ(IConfig.languageName, "som");
    EXPECT_TRUE(IConfig.modified);
    EXPECT_EQ(tr("Save and exit"), "Kaydi oo bax");
    EXPECT_EQ(waitForFile("opened.txt"), fileUrl(std::string(here) + "/docs/rules-som.html") + "|" + here);
    // "Exit" keeps a language for this run only, as any other setting.
    IConfig.modified = false;
    EXPECT_FALSE(clickThrough({italiano, justExit}));
    EXPECT_EQ(languageInUse(), 1);
    EXPECT_FALSE(IConfig.modified);
    EXPECT_TRUE(clickThrough({english, english, saveAndExit}));
    EXPECT_EQ(tr("Save and exit"), "Save and exit");
    EXPECT_EQ(IConfig.language, 0);
}

TEST_F(About, TheUpdaterStartsInItsDirectoryOrIsLoggedAsMissing) {
    clickThrough({updates, justExit});
    EXPECT_NE(logText().find("Unable to start utility/GUP.exe"), std::string::npos);
    mkdir("utility", 0755);
    writeRecorder("utility/GUP.exe", "../updater.txt");
    clickThrough({updates, justExit});
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    EXPECT_EQ(waitForFile("updater.txt"), std::string("|") + here + "/utility");
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}
