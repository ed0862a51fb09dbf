// The saved game's file: what is written is read back unchanged, and
// anything else (cut short, huge, another version, positions the game
// cannot go on from, a directory, a FIFO) is refused with a log line.
// Writing follows no planted link.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <functional>

#include "rules/savefile.h"
#include "settings/log.h"
#include "settings/wholefile.h"
#include "support/logcount.h"
#include "support/testenv.h"

namespace {

// Positions a game passes through, player one a person and two the
// computer: placing, the opening removals, moving.
GameSnapshot positionIn(int phase) {
    GameSnapshot s;
    s.gamePhase = phase;
    s.whoseFirstJare = phase > 0 ? 1 : 0;
    s.clockMilliseconds = 61234;
    s.record = phase == 2 ? "1121200000000000000000000012" : "2";
    if (phase == 0) {
        s.players[0] = {2, false, 0};
        s.players[1] = {2, false, 4};
        s.pieces[0] = 4, s.pieces[1] = 0, s.pieces[12] = 7, s.pieces[13] = 9;
    } else if (phase == 1) {
        // Player one has removed; player two removes now.
        s.toAct = 2;
        s.players[0] = {12, true, 4};
        s.players[1] = {11, false, 3};
        for (int piece = 0; piece < 23; ++piece) s.pieces[piece] = piece;
        s.pieces[23] = PIECE_REMOVED;
    } else {
        s.safemovement = true;
        s.players[0] = {3, true, 0};
        s.players[1] = {3, true, 4};
        for (int& piece : s.pieces) piece = PIECE_REMOVED;
        s.pieces[0] = 4, s.pieces[1] = 0, s.pieces[2] = 23;
        s.pieces[12] = 7, s.pieces[13] = 9, s.pieces[14] = 10;
    }
    return s;
}

SavedGame sampleGame() {
    SavedGame game;
    game.kinds[1] = 1;
    game.level = 3;
    GameSnapshot first;
    first.players[0].state = 0;
    game.history = {first, positionIn(0), positionIn(1), positionIn(2)};
    game.cursor = 2;
    game.now = positionIn(2);
    game.now.toAct = 2;
    game.now.players[1].state = 3;
    return game;
}

void expectSameGame(const SavedGame& a, const SavedGame& b) {
    EXPECT_EQ(a.kinds[0], b.kinds[0]);
    EXPECT_EQ(a.kinds[1], b.kinds[1]);
    EXPECT_EQ(a.level, b.level);
    EXPECT_EQ(a.cursor, b.cursor);
    ASSERT_EQ(a.history.size(), b.history.size());
    for (size_t i = 0; i < a.history.size(); ++i) EXPECT_TRUE(a.history[i] == b.history[i]) << i;
    EXPECT_TRUE(a.now == b.now);
}

bool refused(const std::string& text) {
    SavedGame game;
    std::string why;
    return !parseSavedGame(text, game, why) && !why.empty();
}

}  // namespace

TEST(SaveFile, WhatIsWrittenIsReadBackUnchanged) {
    const SavedGame game = sampleGame();
    SavedGame read;
    std::string why;
    ASSERT_TRUE(parseSavedGame(formatSavedGame(game), read, why)) << why;
    expectSameGame(game, read);

    enterScratchDirectory();
    ILog.Init(1);
    ASSERT_TRUE(writeSavedGame("zelk.save", game));
    SavedGame fromFile;
    ASSERT_EQ(readSavedGame("zelk.save", fromFile), SaveReading::Read);
    expectSameGame(game, fromFile);
    EXPECT_EQ(readFile("zelk.save").substr(0, 12), "zelk save 2\n");

    // An empty history, with Windows line ends.
    SavedGame empty;
    empty.now = positionIn(0);
    std::string crlf;
    for (char c : formatSavedGame(empty)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(parseSavedGame(crlf, read, why)) << why;
    expectSameGame(empty, read);
}

TEST(SaveFile, EveryCutShortFileIsRefused) {
    const std::string text = formatSavedGame(sampleGame());
    // Cut anywhere before the last line's end, the file lacks its end line
    // or has a damaged one.
    for (size_t length = 0; length + 1 < text.size(); ++length)
        EXPECT_TRUE(refused(text.substr(0, length))) << "cut at " << length;
}

TEST(SaveFile, OtherVersionsAndDamagedValuesAreRefused) {
    const std::string good = formatSavedGame(sampleGame());
    auto with = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    EXPECT_TRUE(refused(with("zelk save 2", "zelk save 3")));
    EXPECT_TRUE(refused(with("kinds 0 1", "kinds 1 1"))) << "two computers";
    EXPECT_TRUE(refused(with("level 3", "level 4")));
    EXPECT_TRUE(refused(with("history 4 2", "history 4 4"))) << "cursor past the list";
    EXPECT_TRUE(refused(with("history 4 2", "history 5 2"))) << "fewer positions than said";
    EXPECT_TRUE(refused(with("history 4 2", "history 99999999999999999999 2")));
    EXPECT_TRUE(refused(with("end", "fin")));
    EXPECT_TRUE(refused(good + "more\n"));
    EXPECT_TRUE(refused(with(" r2 ", " r2x "))) << "a record of digits only";
    EXPECT_TRUE(refused(with(" r2 ", " r" + std::string(65, '1') + " ")));
    EXPECT_TRUE(refused(with("61234", "-5"))) << "a clock before the turn";
    EXPECT_TRUE(refused(with("61234", "61234 7"))) << "a word too many";
    // Pieces: a point held twice, one at home while moving, a point past the board.
    EXPECT_TRUE(refused(with(" 4 0 23 -2", " 4 4 23 -2")));
    EXPECT_TRUE(refused(with(" 4 0 23 -2", " 4 0 -1 -2")));
    EXPECT_TRUE(refused(with(" 4 0 23 -2", " 4 0 24 -2")));
}

TEST(SaveFile, HugeFilesDirectoriesAndMissingFilesAreNotRead) {
    enterScratchDirectory();
    ILog.Init(1);
    SavedGame game;
    EXPECT_EQ(readSavedGame("zelk.save", game), SaveReading::None) << "no file";
    EXPECT_EQ(occurrences(logText(), "refused"), 0) << "a missing save is no error";

    writeFile("zelk.save", std::string(SAVE_FILE_LIMIT + 1, '1'));
    EXPECT_EQ(readSavedGame("zelk.save", game), SaveReading::Unreadable);
    EXPECT_EQ(occurrences(logText(), "Saved game zelk.save refused: larger than"), 1);

    std::string longer = formatSavedGame(sampleGame());
    longer.replace(longer.find("history 4 "), 9, "history " + std::to_string(SAVE_HISTORY_LIMIT + 1));
    EXPECT_TRUE(refused(longer)) << "a history past the limit";

    // A FIFO would hold the start-up until something wrote into it.
    remove("zelk.save");
    ASSERT_EQ(mkfifo("zelk.save", 0600), 0);
    EXPECT_EQ(readSavedGame("zelk.save", game), SaveReading::Unreadable);
    remove("zelk.save");
    ASSERT_EQ(mkdir("zelk.save", 0700), 0);
    EXPECT_EQ(readSavedGame("zelk.save", game), SaveReading::Unreadable);
    EXPECT_EQ(occurrences(logText(), "refused: not a plain file"), 2);
    EXPECT_FALSE(writeSavedGame("zelk.save", sampleGame())) << "a directory is not replaced";
    EXPECT_FALSE(fileExists("zelk.save." + std::to_string(getpid()) + ".tmp")) << "no temporary file left";
}

// Hand-made saves that parse, each a position the game could not go on
// from (or a finished game), refused with the reason logged, also in the
// take-back history; blocked without a safe route is no end (the other
// player is asked to move again).
TEST(SaveFile, PositionsTheGameCannotGoOnFromAreRefusedWithTheirReason) {
    auto removeAll = [](GameSnapshot& s, int side) {
        for (int piece = 12 * side; piece < 12 * side + 12; ++piece) s.pieces[piece] = PIECE_REMOVED;
        s.players[side].pawnsOnBoard = 0;
    };
    auto hemmedIn = [](GameSnapshot& s) {  // player one on 0, 2 and 14
        s.pieces[0] = 0, s.pieces[1] = 2, s.pieces[2] = 14;
        s.pieces[12] = 1, s.pieces[13] = 9, s.pieces[14] = 13, s.pieces[15] = 23, s.players[1].pawnsOnBoard = 4;
    };
    const struct {
        int phase;
        std::function<void(GameSnapshot&)> change;
        const char* reason;
    } cases[] = {
        {2, [&](GameSnapshot& s) { removeAll(s, 0), removeAll(s, 1); }, "the game is over"},
        {0, [](GameSnapshot& s) {  // the computer to place, all its pieces on the board
             for (int piece = 12; piece < 24; ++piece) s.pieces[piece] = piece;
             s.toAct = 2, s.players[1].pawnsOnBoard = 12; }, "nothing left to place"},
        {1, [&](GameSnapshot& s) { removeAll(s, 0); }, "do not match the opening removals"},
        {1, [](GameSnapshot& s) { s.toAct = 1, s.players[0].state = 3; }, "made the opening removal already"},
        {0, [](GameSnapshot& s) { s.pieces[14] = 10, s.pieces[15] = 11, s.players[1].pawnsOnBoard = 4; },
         "did not place in turn"},
        {2, [](GameSnapshot& s) { s.players[0].state = 4; }, "not playing"},
        {2, [](GameSnapshot& s) { s.players[1].pawnsOnBoard = 5; }, "does not match the pieces"},
        {2, hemmedIn, "nobody can move"},  // moving again on a safe route
    };
    enterScratchDirectory();
    ILog.Init(1);
    for (const auto& c : cases) {
        SavedGame game = sampleGame();
        c.change(game.now = positionIn(c.phase));
        ASSERT_TRUE(writeSavedGame("zelk.save", game));
        const int logged = occurrences(logText(), c.reason);
        EXPECT_EQ(readSavedGame("zelk.save", game), SaveReading::Unreadable) << c.reason;
        EXPECT_EQ(occurrences(logText(), c.reason), logged + 1) << c.reason;
        game = sampleGame();
        c.change(game.history[c.phase + 1] = positionIn(c.phase));
        EXPECT_TRUE(refused(formatSavedGame(game))) << c.reason << " in the history";
    }
    SavedGame blocked = sampleGame();
    hemmedIn(blocked.now = positionIn(2));
    blocked.now.safemovement = false;
    std::string why;
    EXPECT_TRUE(parseSavedGame(formatSavedGame(blocked), blocked, why)) << why;
}

// A link planted at the temporary file's name (which the process number
// makes easy to guess) is replaced, not written through; temporary files of
// copies that died are cleaned up, those of running copies left.
TEST(SaveFile, WritingFollowsNoPlantedLinkAndClearsWhatDeadCopiesLeft) {
    enterScratchDirectory();
    ILog.Init(1);
    writeFile("victim", "precious");
    ASSERT_EQ(symlink("victim", temporaryFileFor("zelk.save").c_str()), 0);
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    waitpid(dead, nullptr, 0);
    const std::string deadTemp = "zelk.save." + std::to_string(dead) + ".tmp";
    const std::string liveTemp = "zelk.save." + std::to_string(getppid()) + ".tmp";
    const utimbuf longAgo = {time(nullptr) - 3600, time(nullptr) - 3600};
    for (const std::string& left : {deadTemp, liveTemp}) writeFile(left, "half"), utime(left.c_str(), &longAgo);
    ASSERT_TRUE(writeSavedGame("zelk.save", sampleGame()));
    EXPECT_EQ(readFile("victim"), "precious");
    EXPECT_EQ(readFile("zelk.save"), formatSavedGame(sampleGame()));
    EXPECT_FALSE(fileExists(temporaryFileFor("zelk.save")));
    EXPECT_FALSE(fileExists(deadTemp));
    EXPECT_TRUE(fileExists(liveTemp));
}
