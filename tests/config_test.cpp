// The configuration file: the 53 lines it is written with, how it is read
// back, and what bad files do (nothing is lost, the defaults stand in).
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <random>
#include <regex>
#include <vector>

#include "settings/config.h"
#include "settings/log.h"
#include "support/testenv.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "the file ends with a full CR LF line";
    return lines;
}

iConfig readBack(const std::string& content) {
    writeFile("zelk.conf", content);
    iConfig config;
    config.Init();
    return config;
}

// The plain files of the working directory but the log (the resource tree
// is linked in).
std::vector<std::string> filesBesideTheConfig() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.is_regular_file() && !entry.is_symlink() && entry.path().filename() != "log.txt")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(Config, MissingFileIsCreatedWithTheDefaultLines) {
    enterScratchDirectory();
    ILog.Init(1);
    iConfig config;
    config.Init();
    EXPECT_FALSE(config.modified);
    const auto lines = linesOf(readFile("zelk.conf"));
    ASSERT_EQ(lines.size(), 53u);
    const std::string hyphenLine = "#" + std::string(80, '-');
    EXPECT_EQ(lines[0], hyphenLine);
    EXPECT_EQ(lines[1], "#");
    EXPECT_TRUE(std::regex_match(lines[2],
                                 std::regex("#   zelk\\.conf - ZELK config file created on "
                                            "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123][0-9] "
                                            "[0-9:]{8} [0-9]{4}\n")))
        << lines[2];
    const std::vector<std::pair<int, std::string>> expected = {
        {4, hyphenLine},
        {6, "#This file contains the current configurations of the game."},
        {9, hyphenLine},
        {11, "# showStartingHint - true or false"},
        {13, "showStartingHint = true"},
        {16, "# playerOneName - default Tavi"},
        {17, "playerOneName = Tavi"},
        {20, "# playerTwoName - default Vumero"},
        {21, "playerTwoName = Vumero"},
        {24, "# playerOneType - default HUMAN"},
        {25, "playerOneType = HUMAN"},
        {28, "# playerTwoType - default HUMAN"},
        {29, "playerTwoType = COMPUTER"},
        {32, "# Background color - default blue sky"},
        {33, "backgroundRed = 0"},
        {35, "backgroundGreen = 0"},
        {37, "backgroundBlue = 0"},
        {40, "# Language  0=eng|1=ita|2=som - default eng"},
        {41, "language = 0"},
        {43, "# gameLevel  0=Random|1=Beginner|2=Novice|3=Expert - default Random"},
        {44, "gameLevel = 0"},
        {46, "# UserId  - please use your WikiZelk id, if you have one"},
        {47, "userId = 0000000000"},
        {49, "# gameFeedback: 0=No|1=Yes - default No - Participate game collection on WikiZelk: "},
        {50, "gameFeedback = 0"},
        {52, "#end"},
        {53, "#"},
    };
    for (const auto& [number, text] : expected) EXPECT_EQ(lines[number - 1], text) << number;
    for (int number : {2, 5, 7, 8, 10, 12, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 34, 36, 38,
                       39, 42, 45, 48, 51})
        EXPECT_EQ(lines[number - 1], "#") << number;
}

TEST(Config, ReadsEveryKeyAndWritesTheChangesBack) {
    enterScratchDirectory();
    ILog.Init(1);
    iConfig config = readBack(
        "# a comment\r\n"
        "\r\n"
        "playerOneName = Amina\r\n"
        "playerTwoName = Cali 100%\r\n"
        "playerOneType = COMPUTER\r\n"
        "playerTwoType = HUMAN\r\n"
        "backgroundRed = 300\r\n"
        "backgroundGreen = -5\r\n"
        "backgroundBlue = 12\r\n"
        "language = 2\r\n"
        "gameLevel = 3\r\n"
        "userId = u%s%n\r\n"
        "gameFeedback = 1\r\n"
        "showStartingHint = false\r\n");
    EXPECT_EQ(config.playerOneName, "Amina");
    EXPECT_EQ(config.playerTwoName, "Cali");
    EXPECT_EQ(config.playerOneType, "COMPUTER");
    EXPECT_EQ(config.playerTwoType, "HUMAN");
    EXPECT_EQ(config.backgroundRed, 300);
    EXPECT_EQ(config.backgroundGreen, -5);
    EXPECT_EQ(config.backgroundBlue, 12);
    EXPECT_EQ(config.language, 2);
    EXPECT_EQ(config.languageName, "som");
    EXPECT_EQ(config.gameLevel, 3);
    EXPECT_EQ(config.userId, "u%s%n");
    EXPECT_EQ(config.gameFeedback, 1);
    EXPECT_FALSE(config.showStartingHint);

    config.playerOneName = "Hodan%d";
    config.modified = true;
    config.writeConfig();
    EXPECT_FALSE(config.modified);
    const auto lines = linesOf(readFile("zelk.conf"));
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[12], "showStartingHint = false");
    EXPECT_EQ(lines[16], "playerOneName = Hodan%d");
    EXPECT_EQ(lines[32], "backgroundRed = 300");
    EXPECT_EQ(lines[34], "backgroundGreen = -5");
    EXPECT_EQ(lines[40], "language = 2");
    EXPECT_EQ(lines[46], "userId = u%s%n");
    EXPECT_EQ(filesBesideTheConfig(), std::vector<std::string>{"zelk.conf"})
        << "no temporary file is left behind";
}

TEST(Config, KeysMatchByPrefixAndValuesAreOneWord) {
    enterScratchDirectory();
    ILog.Init(1);
    iConfig config = readBack(
        "playerOneTypeX = COMPUTER\n"
        "playerOneName = Tavi Two\n"
        "showStartingHint = TRUE\n"
        "gameLevelName = 2\n");
    EXPECT_EQ(config.playerOneType, "COMPUTER");
    EXPECT_EQ(config.playerOneName, "Tavi");
    EXPECT_TRUE(config.showStartingHint);
    EXPECT_EQ(config.gameLevel, 2) << "gameLevelName begins with gameLevel";
    config = readBack("showStartingHint = no\n");
    EXPECT_TRUE(config.showStartingHint);
}

TEST(Config, LinesWithoutAValueOrANumberChangeNothing) {
    enterScratchDirectory();
    ILog.Init(1);
    iConfig config = readBack(
        "playerOneName =\n"
        "playerTwoName\n"
        "gameLevel = two\n"
        "backgroundRed = 99999999999999\n"
        "language = \n"
        "=\n"
        " = Lone\n"
        "userId=joined\n");
    EXPECT_EQ(config.playerOneName, "Tavi");
    EXPECT_EQ(config.playerTwoName, "Vumero");
    EXPECT_EQ(config.gameLevel, 0);
    EXPECT_EQ(config.backgroundRed, 0);
    EXPECT_EQ(config.language, 0);
    EXPECT_EQ(config.userId, "0000000000");
    EXPECT_EQ(config.languageName, "eng");
}

TEST(Config, ANulInAValueEndsTheValueAndTheLinesAfterItStillCount) {
    enterScratchDirectory();
    ILog.Init(1);
    iConfig config = readBack(std::string("playerOneName = Ab\0cd\ngameLevel = 2\n", 36));
    EXPECT_EQ(config.playerOneName, "Ab");
    EXPECT_EQ(config.gameLevel, 2);
    config.modified = true;
    config.writeConfig();
    EXPECT_NE(readFile("zelk.conf").find("playerOneName = Ab\r\n"), std::string::npos);
}

TEST(Config, LongLinesAreReadInPiecesAndValuesCut) {
    enterScratchDirectory();
    ILog.Init(1);
    const std::string longName(1000, 'n');
    iConfig config = readBack("playerOneName = " + longName + "\n" + "gameFeedback = 1\n");
    // The first 254 characters form the line: the key, " = " and 238 letters.
    EXPECT_EQ(config.playerOneName, std::string(254 - 16, 'n'));
    EXPECT_EQ(config.gameFeedback, 1);
}

// A value read from a line written without blanks around "=" is longer than
// a written line "key = value" can carry back; whatever is read is saved and
// read again unchanged, at every length around the line limit.
TEST(Config, WhatIsReadComesBackAfterASave) {
    enterScratchDirectory();
    ILog.Init(1);
    for (int length = 230; length <= 260; ++length) {
        iConfig first = readBack("playerOneName =" + std::string(length, 'n') + "\n" +
                                 "playerTwoType =" + std::string(length, 't') + "\n" +
                                 "userId =" + std::string(length, 'u') + "\n");
        first.modified = true;
        first.writeConfig();
        iConfig second;
        second.Init();
        EXPECT_EQ(second.playerOneName, first.playerOneName) << length;
        EXPECT_EQ(second.playerTwoType, first.playerTwoType) << length;
        EXPECT_EQ(second.userId, first.userId) << length;
    }
    // A value set in the program is cut when saved, to what reads back whole.
    iConfig config;
    config.playerTwoName = std::string(400, 'v');
    config.modified = true;
    config.writeConfig();
    iConfig reader;
    reader.Init();
    EXPECT_EQ(reader.playerTwoName, std::string(254 - 16, 'v'));
    EXPECT_EQ(reader.playerOneType, "HUMAN") << "the rest of the long line is not read as a line";
}

TEST(Config, EmptyBinaryAndHugeFilesLeaveTheDefaults) {
    enterScratchDirectory();
    ILog.Init(1);
    iConfig empty = readBack("");
    EXPECT_EQ(empty.playerTwoType, "COMPUTER");
    EXPECT_EQ(readFile("zelk.conf"), "") << "an existing file is not rewritten";

    std::mt19937 random(7);
    std::string noise(1 << 16, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    iConfig binary = readBack(noise);
    EXPECT_EQ(readFile("zelk.conf"), noise);

    std::string huge;
    while (huge.size() < 10u * 1024 * 1024) huge += "# filler line of a huge configuration file\n";
    huge += "gameLevel = 1\n";
    iConfig big = readBack(huge);
    EXPECT_EQ(big.gameLevel, 1);
    EXPECT_EQ(big.playerOneName, "Tavi");
}

TEST(Config, UnreadableFileIsLoggedAndLeftAlone) {
    enterScratchDirectory();
    ILog.Init(1);
    mkdir("zelk.conf", 0755);  // exists, but no file can be read from it
    iConfig config;
    config.Init();
    EXPECT_EQ(config.playerOneName, "Tavi");
    struct stat info;
    ASSERT_EQ(stat("zelk.conf", &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_NE(logText().find("ERROR opening file zelk.conf"), std::string::npos);
}

TEST(Config, FailedWriteKeepsTheGoodFile) {
    enterScratchDirectory();
    ILog.Init(1);
    iConfig config = readBack("playerOneName = Keep\n");
    const std::string before = readFile("zelk.conf");
    // A full disk, as the process sees it: no file may grow past a size that
    // the log already has and the new settings would need.
    const off_t logSize = static_cast<off_t>(readFile("log.txt").size());
    rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit cramped = old;
    cramped.rlim_cur = static_cast<rlim_t>(logSize + 600);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &cramped), 0);
    config.playerOneName = "Lost";
    config.modified = true;
    testing::internal::CaptureStderr();
    config.writeConfig();
    testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(readFile("zelk.conf"), before);
    EXPECT_NE(logText().find("the settings were not saved"), std::string::npos);
    EXPECT_EQ(filesBesideTheConfig(), std::vector<std::string>{"zelk.conf"});
}

// Two copies of the game started together both find no file and both write
// one; copies ending together both save. Whoever wins, the file is always
// the whole of one writer's settings, never a mix or a part.
TEST(Config, CopiesSavingAtOnceLeaveOneWholeFile) {
    enterScratchDirectory();
    ILog.Init(1);
    const int writers = 6, savesEach = 40;
    std::vector<pid_t> children;
    for (int writer = 0; writer < writers; ++writer) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            iConfig config;
            config.playerOneName = config.playerTwoName = "writer" + std::to_string(writer);
            config.userId = std::string(200, static_cast<char>('a' + writer));
            for (int save = 0; save < savesEach; ++save) {
                config.modified = true;
                config.writeConfig();
                // A copy starting now reads what is there.
                iConfig reader;
                reader.readConfig();
                if (reader.playerOneName != reader.playerTwoName) _exit(2);
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a copy read a mixed file";
    }
    const auto lines = linesOf(readFile("zelk.conf"));
    ASSERT_EQ(lines.size(), 53u);
    ASSERT_EQ(lines[16].substr(0, 22), "playerOneName = writer");
    const char writer = lines[16][22];
    EXPECT_EQ(lines[20], std::string("playerTwoName = writer") + writer);
    EXPECT_EQ(lines[46], "userId = " + std::string(200, static_cast<char>('a' + (writer - '0'))));
    EXPECT_EQ(filesBesideTheConfig(), std::vector<std::string>{"zelk.conf"});
}

TEST(Config, NothingIsWrittenWhenNothingChanged) {
    enterScratchDirectory();
    ILog.Init(1);
    iConfig config = readBack("# hand-made\nplayerOneName = Mine\n");
    config.writeConfig();
    EXPECT_EQ(readFile("zelk.conf"), "# hand-made\nplayerOneName = Mine\n");
}

TEST(Config, LanguageNumbersNameTheirCatalogues) {
    EXPECT_STREQ(iConfig::languageDirectory(0), "eng");
    EXPECT_STREQ(iConfig::languageDirectory(1), "ita");
    EXPECT_STREQ(iConfig::languageDirectory(2), "som");
    EXPECT_STREQ(iConfig::languageDirectory(3), "eng");
    EXPECT_STREQ(iConfig::languageDirectory(-1), "eng");
}
