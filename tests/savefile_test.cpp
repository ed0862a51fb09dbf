// The saved game's file: what is written is read back unchanged, past the
// reader's limits too, and anything else (cut short, random, huge, another
// version, positions the game cannot go on from, a directory, a FIFO) is
// refused with a log line. Writing follows no planted link.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <functional>
#include <random>

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
    EXPECT_EQ(readFile("zelk.save").substr(0, 12), "zelk save 1\n");
}

TEST(SaveFile, AnEmptyHistoryAndWindowsLineEndsAreRead) {
    SavedGame game;
    game.now = positionIn(0);
    std::string text = formatSavedGame(game), crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    SavedGame read;
    std::string why;
    ASSERT_TRUE(parseSavedGame(crlf, read, why)) << why;
    expectSameGame(game, read);
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
    EXPECT_TRUE(refused(with("zelk save 1", "zelk save 2")));
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

TEST(SaveFile, RandomBytesAreRefused) {
    std::mt19937 random(13);
    const std::string good = formatSavedGame(sampleGame());
    for (int round = 0; round < 300; ++round) {
        std::string text(std::uniform_int_distribution<size_t>(0, 400)(random), '\0');
        for (char& c : text) c = static_cast<char>(random());
        EXPECT_TRUE(refused(text));
        // One byte changed in a good file is refused or still describes a possible game.
        std::string damaged = good;
        damaged[random() % damaged.size()] = static_cast<char>(random());
        SavedGame game;
        std::string why;
        if (parseSavedGame(damaged, game, why)) {
            EXPECT_LE(game.history.size(), SAVE_HISTORY_LIMIT);
            EXPECT_LT(game.cursor, static_cast<int>(game.history.size()));
        }
    }
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

TEST(SaveFile, AFailedWriteKeepsTheOldSave) {
    enterScratchDirectory();
    ILog.Init(1);
    ASSERT_TRUE(writeSavedGame("zelk.save", sampleGame()));
    const std::string before = readFile("zelk.save");
    EXPECT_FALSE(writeSavedGame("missing/zelk.save", sampleGame()));
    EXPECT_EQ(readFile("zelk.save"), before);
    EXPECT_GE(occurrences(logText(), "the game was not saved"), 1);
}

// Hand-made saves that parse, each describing a position the game could not
// go on from (or an already finished game), with the reason logged.
TEST(SaveFile, PositionsTheGameCannotGoOnFromAreRefusedWithTheirReason) {
    struct Case {
        const char* what;
        int phase;
        std::function<void(GameSnapshot&)> change;
        const char* reason;
    };
    auto removeAll = [](GameSnapshot& s, int side) {
        for (int piece = 12 * side; piece < 12 * side + 12; ++piece) s.pieces[piece] = PIECE_REMOVED;
        s.players[side].pawnsOnBoard = 0;
    };
    const Case cases[] = {
        {"moving with no pieces on the board", 2, [&](GameSnapshot& s) { removeAll(s, 0), removeAll(s, 1); },
         "the game is over"},
        {"moving with two pieces a side left", 2, [](GameSnapshot& s) {
             s.pieces[2] = PIECE_REMOVED, s.players[0].pawnsOnBoard = 2; }, "the game is over"},
        {"the computer to place with nothing at home", 0, [](GameSnapshot& s) {
             s.toAct = 2;
             for (int piece = 12; piece < 24; ++piece) s.pieces[piece] = piece;
             s.players[1].pawnsOnBoard = 12; },
         "nothing left to place"},
        {"a removal with nothing to remove", 1, [&](GameSnapshot& s) { removeAll(s, 0); },
         "do not match the opening removals"},
        {"the person to remove has removed already", 1, [](GameSnapshot& s) {
             s.toAct = 1, s.players[0].state = 3; }, "has made the opening removal already"},
        {"placing out of turn", 0, [](GameSnapshot& s) {
             s.pieces[14] = 10, s.pieces[15] = 11, s.players[1].pawnsOnBoard = 4; }, "did not place in turn"},
        {"a person to act who waits", 2, [](GameSnapshot& s) { s.players[0].state = 4; }, "not playing"},
        {"a count that does not match the pieces", 2, [](GameSnapshot& s) { s.players[1].pawnsOnBoard = 5; },
         "does not match the pieces"},
        {"the mover on a safe route blocked", 2, [](GameSnapshot& s) {
             // Player one's pieces at 0, 2 and 14, hemmed in by player two's.
             s.pieces[0] = 0, s.pieces[1] = 2, s.pieces[2] = 14;
             s.pieces[12] = 1, s.pieces[13] = 9, s.pieces[14] = 13, s.pieces[15] = 23;
             s.players[1].pawnsOnBoard = 4; }, "nobody can move"},
    };
    enterScratchDirectory();
    ILog.Init(1);
    for (const Case& c : cases) {
        SavedGame game = sampleGame();
        game.now = positionIn(c.phase);
        c.change(game.now);
        ASSERT_TRUE(writeSavedGame("zelk.save", game)) << c.what;
        const int logged = occurrences(logText(), c.reason);
        SavedGame read;
        EXPECT_EQ(readSavedGame("zelk.save", read), SaveReading::Unreadable) << c.what;
        EXPECT_EQ(occurrences(logText(), c.reason), logged + 1) << c.what;
        // The same position in the take-back history.
        game = sampleGame();
        c.change(game.history[c.phase + 1] = positionIn(c.phase));
        EXPECT_TRUE(refused(formatSavedGame(game))) << c.what << " in the history";
    }
    // Blocked without a safe route is no end: the other player is asked.
    SavedGame blocked = sampleGame();
    blocked.now = positionIn(2);
    cases[8].change(blocked.now);
    blocked.now.safemovement = false;
    SavedGame read;
    std::string why;
    EXPECT_TRUE(parseSavedGame(formatSavedGame(blocked), read, why)) << why;
}

TEST(SaveFile, PastTheClockAndHistoryLimitsWhatIsWrittenIsReadBack) {
    SavedGame game = sampleGame();
    game.now.clockMilliseconds = SAVE_CLOCK_LIMIT + 3600000u;  // a week and an hour
    const GameSnapshot newest = positionIn(1);
    game.history.assign(SAVE_HISTORY_LIMIT + 10, positionIn(2));
    game.history.back() = newest;
    for (int cursor : {static_cast<int>(SAVE_HISTORY_LIMIT + 9), 3}) {
        game.cursor = cursor;
        SavedGame read;
        std::string why;
        ASSERT_TRUE(parseSavedGame(formatSavedGame(game), read, why)) << why;
        EXPECT_EQ(read.now.clockMilliseconds, SAVE_CLOCK_LIMIT) << "the clock stops at the limit";
        ASSERT_EQ(read.history.size(), SAVE_HISTORY_LIMIT);
        EXPECT_TRUE(read.history[read.cursor] == game.history[cursor]) << "the game stands where it stood";
        if (cursor > 3)
            EXPECT_TRUE(read.history.back() == newest) << "the oldest entries go";
        else
            EXPECT_EQ(read.cursor, 0) << "the oldest entries go, up to where the game stands";
    }
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
    for (const std::string& left : {deadTemp, liveTemp}) {
        writeFile(left, "half a save");
        const utimbuf longAgo = {time(nullptr) - 3600, time(nullptr) - 3600};
        utime(left.c_str(), &longAgo);
    }
    ASSERT_TRUE(writeSavedGame("zelk.save", sampleGame()));
    EXPECT_EQ(readFile("victim"), "precious");
    struct stat info;
    ASSERT_EQ(lstat("zelk.save", &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_FALSE(fileExists(temporaryFileFor("zelk.save")));
    EXPECT_FALSE(fileExists(deadTemp));
    EXPECT_TRUE(fileExists(liveTemp));
}
