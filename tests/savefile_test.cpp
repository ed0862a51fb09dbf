// The saved game's file: what is written is read back unchanged, and
// anything else (cut short, random, huge, another version, impossible
// positions, a directory) is refused with a log line.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "rules/savefile.h"
#include "settings/log.h"
#include "support/logcount.h"
#include "support/testenv.h"

namespace {

GameSnapshot positionWith(int phase, int toAct) {
    GameSnapshot s;
    s.gamePhase = phase;
    s.toAct = toAct;
    s.whoseFirstJare = 2;
    s.safemovement = phase == 2;
    s.players[0] = {3, true, 0};
    s.players[1] = {2, phase > 0, 4};
    s.pieces[0] = 4, s.pieces[1] = 0, s.pieces[2] = 23, s.pieces[3] = PIECE_REMOVED;
    s.pieces[12] = 7, s.pieces[13] = 9, s.pieces[14] = PIECE_REMOVED;
    s.clockMilliseconds = 61234;
    s.record = phase == 2 ? "1121200000000000000000000012" : "2";
    return s;
}

SavedGame sampleGame() {
    SavedGame game;
    game.kinds[1] = 1;
    game.level = 3;
    game.history = {GameSnapshot(), positionWith(0, 1), positionWith(1, 2), positionWith(2, 1)};
    game.cursor = 2;
    game.now = positionWith(2, 2);
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
    ASSERT_TRUE(readSavedGame("zelk.save", fromFile));
    expectSameGame(game, fromFile);
    EXPECT_EQ(readFile("zelk.save").substr(0, 12), "zelk save 1\n");
}

TEST(SaveFile, AnEmptyHistoryAndWindowsLineEndsAreRead) {
    SavedGame game;
    game.now = positionWith(0, 1);
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
    // Pieces: a point held twice, and counts that do not match the board.
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
    EXPECT_FALSE(readSavedGame("zelk.save", game)) << "no file";
    EXPECT_EQ(occurrences(logText(), "refused"), 0) << "a missing save is no error";

    writeFile("zelk.save", std::string(SAVE_FILE_LIMIT + 1, '1'));
    EXPECT_FALSE(readSavedGame("zelk.save", game));
    EXPECT_EQ(occurrences(logText(), "Saved game zelk.save refused: larger than"), 1);

    SavedGame big = sampleGame();
    big.history.assign(SAVE_HISTORY_LIMIT + 1, GameSnapshot());
    EXPECT_TRUE(refused(formatSavedGame(big))) << "a history past the limit";

    remove("zelk.save");
    ASSERT_EQ(mkdir("zelk.save", 0700), 0);
    EXPECT_FALSE(readSavedGame("zelk.save", game));
    EXPECT_EQ(occurrences(logText(), "refused: not a plain file"), 1);
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
