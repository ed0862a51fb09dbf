// A game that outlives the program: saved at every way out of a game,
// SIGTERM in a modal screen included, offered at the next start, resumed in
// every phase exactly as it was left (the flow then goes on as after a
// normal turn), put aside when damaged, removed only by its own copy.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/session.h"
#include "app/termination.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "rules/history.h"
#include "rules/savefile.h"
#include "sprites/dialogs.h"
#include "sprites/glide.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/logcount.h"
#include "support/play.h"
#include "support/testenv.h"

namespace {

class Resume : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, HUMAN);
    }

    // A board cleared as a new run has it, and the save offered.
    void offerAtTheNextStart(std::deque<bool> answers) {
        resetall();
        currentPlayer = nullptr;
        DialogScript::install(std::move(answers));
        offerSavedGame();
    }

    // Ends the program's part in the game and starts it again: the save at
    // the end, the offer answered Yes.
    void quitAndResume() {
        const SavedGame left = saveOfLiveGame();
        const GameSnapshot before = captureGame(0);
        keepUnfinishedGame();
        ASSERT_TRUE(fileExists("zelk.save"));
        offerAtTheNextStart({true});
        EXPECT_EQ(DialogScript::questionsAsked(), 1);
        DialogScript::install({}, true);
        expectGameAs(before, "resumed");
        EXPECT_EQ(gamePhase, before.gamePhase);
        EXPECT_EQ(whoseFirstJare, before.whoseFirstJare);
        EXPECT_EQ(safemovement, before.safemovement);
        EXPECT_EQ(currentPlayer->id, before.toAct);
        EXPECT_EQ(state, STATE_PLAYING);
        EXPECT_GE(timerOne.getTime(), before.clockMilliseconds) << "the turn's clock runs on";
        EXPECT_EQ(gameHistory.cursor(), left.cursor);
        ASSERT_EQ(gameHistory.entries().size(), left.history.size());
        for (size_t i = 0; i < left.history.size(); ++i)
            EXPECT_TRUE(gameHistory.entries()[i] == left.history[i]) << i;
        mainLoopPass();
    }
};

}  // namespace

TEST_F(Resume, EveryPhaseIsResumedAsItWasLeftAndPlaysOn) {
    start();
    for (int i = 0; i < 3; ++i) places(firstLineOne[i]), places(firstLineTwo[i]);
    ASSERT_EQ(whoseFirstJare, 1);
    releaseKeyNow(SDLK_F1);
    ASSERT_EQ(state, STATE_KEYBOARD);
    quitAndResume();  // placing, after the first line, left from the keyboard state
    for (int i = 3; i < 12; ++i) places(firstLineOne[i]), places(firstLineTwo[i]);
    ASSERT_EQ(gamePhase, PHASE_OPENING);
    quitAndResume();  // the opening removals, none made yet
    EXPECT_TRUE(playerOne->isHitting()) << "the maker of the first line removes first";
    removes(4);
    quitAndResume();  // one removal made
    EXPECT_TRUE(playerTwo->isHitting());
    removes(0);
    ASSERT_EQ(gamePhase, PHASE_CONTENDING);
    quitAndResume();  // moving
    EXPECT_TRUE(playerOne->isChoosing());
    moves(3, 4);  // completes 1, 4, 7
    ASSERT_TRUE(playerOne->isHitting());
    quitAndResume();  // half-way through a turn: the removal is still due
    EXPECT_TRUE(playerOne->isHitting());
    removes(5);
    EXPECT_EQ(currentPlayer, playerTwo);
    EXPECT_EQ(playerTwo->pawnsOnBoard, 10);

    releaseKeyNow(SDLK_u);  // the history came back too
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(doIOwn(3, 1));
    EXPECT_TRUE(doIOwn(5, 2));
}

TEST_F(Resume, TheKindsAndTheLevelComeBackAndTheComputerPlaysOn) {
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_BEGINNER);
    start();
    placesOnAFreePoint(), placesOnAFreePoint();
    ASSERT_EQ(playerTwo->pawnsOnBoard, 2);
    keepUnfinishedGame();
    playerTwo->type = HUMAN;
    iGame->setGameLevel(LEVEL_DUMMY);
    offerAtTheNextStart({true});
    EXPECT_TRUE(playerTwo->IsComputer());
    EXPECT_EQ(iGame->getGameLevel(), LEVEL_BEGINNER);
    EXPECT_EQ(currentPlayer, playerOne);
    placesOnAFreePoint();
    EXPECT_EQ(playerTwo->pawnsOnBoard, 3) << "the computer answered";
}

TEST_F(Resume, ABlockedPlayerAnsweredNoIsAskedAgainAtTheNextStart) {
    position(PHASE_CONTENDING, boxedInOne, boxedInTwo);
    mainLoopPass();
    DialogScript::install({false});
    moves(4, 5);
    ASSERT_TRUE(quit);
    keepUnfinishedGame();
    quit = false;
    offerAtTheNextStart({true, true});  // resume; then give the safe route
    EXPECT_EQ(DialogScript::questionsAsked(), 2);
    EXPECT_TRUE(safemovement);
    EXPECT_EQ(currentPlayer, playerOne) << "the mover moves again";
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_TRUE(doIOwn(5, 1));
    EXPECT_FALSE(quit);
}

TEST_F(Resume, NoLeavesNoSaveAndADamagedOneIsPutAside) {
    start();
    places(0);
    keepUnfinishedGame();
    offerAtTheNextStart({false});
    EXPECT_EQ(DialogScript::questionsAsked(), 1);
    EXPECT_FALSE(fileExists("zelk.save")) << "No discards it";
    EXPECT_EQ(state, STATE_STARTING);

    const std::string damaged = "zelk save 1\nkinds 0 0\nlevel 9\n";
    writeFile("zelk.save", damaged);
    DialogScript::install({true});
    offerSavedGame();
    EXPECT_EQ(DialogScript::questionsAsked(), 0);
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_EQ(occurrences(logText(), "Saved game zelk.save refused: "), 1);
    keepUnfinishedGame();
    EXPECT_EQ(readFile("zelk.save.unreadable"), damaged) << "put aside, out of the next save's way";
    EXPECT_EQ(occurrences(logText(), "put aside as zelk.save.unreadable"), 1);
}

// Copy B ends on the start screen while copy A's game waits in the save;
// a copy removes a save only when it wrote it or resumed it, and the game
// has ended, and only while the file still holds that game.
TEST_F(Resume, OnlyTheCopyThatWroteOrResumedTheSaveRemovesIt) {
    start();
    places(0);
    const SavedGame first = saveOfLiveGame();
    places(4);
    const SavedGame second = saveOfLiveGame();
    resetall();
    ASSERT_TRUE(writeSavedGame("zelk.save", first));  // another copy's
    keepUnfinishedGame();
    EXPECT_EQ(readFile("zelk.save"), formatSavedGame(first)) << "not this copy's";

    DialogScript::install({true});
    offerSavedGame();
    ASSERT_EQ(state, STATE_PLAYING);
    ASSERT_TRUE(writeSavedGame("zelk.save", second));  // another copy saved since
    resetall();
    mainLoopPass();
    EXPECT_TRUE(fileExists("zelk.save")) << "the file no longer holds this copy's game";

    offerSavedGame();
    ASSERT_EQ(state, STATE_PLAYING);
    mainLoopPass();
    EXPECT_TRUE(fileExists("zelk.save")) << "the resumed game goes on";
    resetall();
    mainLoopPass();
    EXPECT_FALSE(fileExists("zelk.save")) << "the resumed game has ended";
}

TEST_F(Resume, AGamePastTheClockTheHistoryAndTheRecordLimitsIsSavedAndResumed) {
    start();
    places(0), places(4);
    // A long game: more turns than the save keeps.
    std::vector<GameSnapshot> longer(SAVE_HISTORY_LIMIT + 50, gameHistory.entries().front());
    longer.insert(longer.end(), gameHistory.entries().begin(), gameHistory.entries().end());
    ASSERT_TRUE(gameHistory.replace(longer, static_cast<int>(longer.size()) - 1));
    for (int report = 0; report < 3; ++report) releaseKeyNow(SDLK_r);  // each adds to the record
    places(8);
    const GameSnapshot left = captureGame(0);
    timerOne.startFrom(SAVE_CLOCK_LIMIT + 60000);  // the turn has lasted over a week
    keepUnfinishedGame();
    offerAtTheNextStart({true});
    ASSERT_EQ(state, STATE_PLAYING) << logText();
    GameSnapshot resumed = captureGame(0);
    EXPECT_EQ(resumed.record, left.record.substr(0, 64)) << "the record cut";
    resumed.record = left.record;
    EXPECT_TRUE(resumed.samePosition(left));
    EXPECT_EQ(gameHistory.entries().size(), SAVE_HISTORY_LIMIT);
    EXPECT_GE(timerOne.getTime(), SAVE_CLOCK_LIMIT);
    releaseKeyNow(SDLK_u);
    EXPECT_EQ(playerOne->pawnsOnBoard, 1) << "the newest turns can still be taken back";
}

// Whatever a game comes to, people against each other or against the
// computer, its save is one the reader accepts.
TEST_F(Resume, EveryPositionOfWholeGamesIsSavedReadably) {
    std::mt19937 random(5);
    // What matters is the positions, not the computer's play nor the glides.
    iGame->setGameLevel(LEVEL_DUMMY);
    setGlideSpeed(0);
    for (PlayerTypes two : {HUMAN, COMPUTER}) {
        playerTwo->type = two;
        start();
        int positions = 0;
        while (state == STATE_PLAYING && playAutomatically(random, 1).actions == 1) {
            if (state != STATE_PLAYING) break;  // the last action ended the game
            SavedGame read;
            std::string why;
            ASSERT_TRUE(parseSavedGame(formatSavedGame(saveOfLiveGame()), read, why)) << why;
            ++positions;
        }
        EXPECT_GT(positions, 12) << "a whole game";
    }
}

namespace {

enum class Modal { QuitQuestion, ResetQuestion, SettingsScreen, EndScreen, ResumeQuestion };

class TerminatedIn : public Resume, public testing::WithParamInterface<Modal> {};

void clickOn(Entity* button) {
    queueClick(button->getX() + 10, button->getY() + 10);
}

}  // namespace

// The real screens, not the scripted answers: each looks at the flag and
// closes without an answer, so the main loop quits and the game is saved.
TEST_P(TerminatedIn, TheScreenClosesAndTheGameIsSaved) {
    start();
    places(0), places(4);
    const GameSnapshot left = captureGame(0);
    // As left by an earlier run, which this one has not resumed yet.
    if (GetParam() == Modal::ResumeQuestion) writeSavedGame("zelk.save", saveOfLiveGame()), resetall();
    const std::string offered = readFile("zelk.save");
    DialogScript::remove();
    installTerminationHandler();
    // Ctrl-C's SIGINT for one screen, the session's SIGTERM for the others.
    const int signalNumber = GetParam() == Modal::ResetQuestion ? SIGINT : SIGTERM;
    std::thread system([signalNumber] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        kill(getpid(), signalNumber);
    });
    SDL_Event close = {};
    close.type = SDL_QUIT;
    switch (GetParam()) {
        case Modal::QuitQuestion: SDL_PushEvent(&close); break;
        case Modal::ResetQuestion: clickOn(ebut_existthegame); break;
        case Modal::SettingsScreen: clickOn(ebut_readgamerules); break;
        case Modal::EndScreen: EXPECT_FALSE(vittoria(screen, playerTwo->name)); break;
        case Modal::ResumeQuestion: offerSavedGame(); break;
    }
    runMainLoop();
    system.join();
    keepUnfinishedGame();
    SavedGame saved;
    if (GetParam() == Modal::EndScreen) {
        EXPECT_FALSE(fileExists("zelk.save")) << "a finished game is not saved";
    } else if (GetParam() == Modal::ResumeQuestion) {
        EXPECT_EQ(state, STATE_STARTING) << "not resumed";
        EXPECT_EQ(readFile("zelk.save"), offered) << "kept for the next start";
    } else {
        ASSERT_EQ(readSavedGame("zelk.save", saved), SaveReading::Read);
        EXPECT_TRUE(saved.now.samePosition(left)) << "neither reset nor changed";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryModalScreen, TerminatedIn,
                         testing::Values(Modal::QuitQuestion, Modal::ResetQuestion, Modal::SettingsScreen,
                                         Modal::EndScreen, Modal::ResumeQuestion));
