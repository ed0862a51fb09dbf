// The configuration file: the 53 lines it is written with, how it is read
// back, and what bad files do (nothing is lost, the defaults stand in).
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <regex>
#include <vector>

#include "settings/config.h"
#include "settings/log.h"
#include "support/c1_crlflines.h"
#include "support/testenv.h"

namespace {

iConfig readBack(const std::string& content) {
    writeFile("zelk.conf", content);
    iConfig config;
    config.Init();
    return config;
}

iConfig saveAndReadBack(iConfig& config) {
    config.modified = true;
    config.writeConfig();
    EXPECT_FALSE(config.modified);
    iConfig reader;
    reader.Init();
    return reader;
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

// The writer's calls on the files it writes, as this binary sees them: it
// puts its own fsync and rename in front of the library's.
std::vector<std::string> fileCalls;
bool recordingFileCalls = false;

std::string nameOf(int fd) {
    char path[4096];
    const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
    return length > 0 ? std::filesystem::path(std::string(path, static_cast<size_t>(length))).filename().string() : "";
}

}  // namespace

extern "C" int fsync(int fd) {
    static auto library = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    struct stat info;
    if (recordingFileCalls && fstat(fd, &info) == 0)
        fileCalls.push_back("fsync " + nameOf(fd) + " " + std::to_string(info.st_size));
    return library(fd);
}

extern "C" int rename(const char* from, const char* to) {
    static auto library = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    if (recordingFileCalls) fileCalls.push_back(std::string("rename ") + from + " " + to);
    return library(from, to);
}

namespace {

class Config : public testing::Test {
protected:
    void SetUp() override {
        enterScratchDirectory();
        ILog.Init(1);
    }
};

}  // namespace

TEST_F(Config, AMissingFileIsCreatedWithTheDefaultsInItsFiftyThreeLines) {
    iConfig config;
    config.Init();
    EXPECT_FALSE(config.modified);
    const auto lines = crlfLines(readFile("zelk.conf"));
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[0], "#" + std::string(80, '-'));
    EXPECT_TRUE(std::regex_match(lines[2], std::regex("#   zelk\\.conf - ZELK config file created on "
                                                      "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123][0-9] [0-9:]{8} [0-9]{4}\n")))
        << lines[2];
    const std::pair<int, std::string> values[] = {
        {13, "showStartingHint = true"}, {17, "playerOneName = Tavi"},   {21, "playerTwoName = Vumero"},
        {25, "playerOneType = HUMAN"},    {29, "playerTwoType = COMPUTER"}, {33, "backgroundRed = 0"},
        {35, "backgroundGreen = 0"},      {37, "backgroundBlue = 0"},     {41, "language = 0"},
        {44, "gameLevel = 0"},            {47, "userId = 0000000000"},     {50, "gameFeedback = 0"}};
    for (const auto& [number, text] : values) EXPECT_EQ(lines[number - 1], text) << number;
    EXPECT_EQ(lines[51], "#end");
}

TEST_F(Config, ReadsEveryKeyAndWritesTheChangesBack) {
    iConfig config = readBack(
        "# a comment\r\n\r\nplayerOneName = Amina\r\nplayerTwoName = Cali 100%\r\nplayerOneType = COMPUTER\r\n"
        "playerTwoType = HUMAN\r\nbackgroundRed = 300\r\nbackgroundGreen = -5\r\nbackgroundBlue = 12\r\n"
        "language = 2\r\ngameLevel = 3\r\nuserId = u%s%n\r\ngameFeedback = 1\r\nshowStartingHint = false\r\n");
    EXPECT_EQ(config.playerOneName + "|" + config.playerTwoName + "|" + config.playerOneType + "|" +
                  config.playerTwoType + "|" + config.languageName + "|" + config.userId,
              "Amina|Cali|COMPUTER|HUMAN|som|u%s%n");
    EXPECT_EQ((std::vector<int>{config.backgroundRed, config.backgroundGreen, config.backgroundBlue, config.language,
                                config.gameLevel, config.gameFeedback, config.showStartingHint}),
              (std::vector<int>{300, -5, 12, 2, 3, 1, false}));
    config.playerOneName = "Hodan%d";
    const iConfig again = saveAndReadBack(config);
    EXPECT_EQ(again.playerOneName, "Hodan%d");
    EXPECT_EQ((std::vector<int>{again.backgroundRed, again.backgroundGreen, again.backgroundBlue, again.language,
                                again.gameLevel, again.gameFeedback, again.showStartingHint}),
              (std::vector<int>{300, -5, 12, 2, 3, 1, false}));
    EXPECT_EQ(again.userId, "u%s%n");
    EXPECT_EQ(crlfLines(readFile("zelk.conf")).size(), 53u);
    EXPECT_EQ(filesBesideTheConfig(), std::vector<std::string>{"zelk.conf"}) << "no temporary file is left behind";
}

TEST_F(Config, KeysMatchByPrefixValuesAreOneWordAndWhatIsNotAValueChangesNothing) {
    iConfig config = readBack("playerOneTypeX = COMPUTER\nplayerOneName = Tavi Two\nshowStartingHint = TRUE\n"
                              "gameLevelName = 2\n");
    EXPECT_EQ(config.playerOneType, "COMPUTER");
    EXPECT_EQ(config.playerOneName, "Tavi");
    EXPECT_TRUE(config.showStartingHint);
    EXPECT_EQ(config.gameLevel, 2) << "gameLevelName begins with gameLevel";
    EXPECT_TRUE(readBack("showStartingHint = no\n").showStartingHint);

    config = readBack("playerOneName =\nplayerTwoName\ngameLevel = two\nbackgroundRed = 99999999999999\n"
                      "language = \n=\n = Lone\nuserId=joined\n");
    EXPECT_EQ(config.playerOneName + "|" + config.playerTwoName + "|" + config.userId + "|" + config.languageName,
              "Tavi|Vumero|0000000000|eng");
    EXPECT_EQ(config.gameLevel + config.backgroundRed + config.language, 0);

    // A NUL ends the value; the lines after it still count.
    config = readBack(std::string("playerOneName = Ab\0cd\ngameLevel = 2\n", 36));
    EXPECT_EQ(config.playerOneName, "Ab");
    EXPECT_EQ(config.gameLevel, 2);
    EXPECT_EQ(saveAndReadBack(config).playerOneName, "Ab");
}

// Long lines are read in pieces. A value read from a line without blanks
// around "=" is longer than a written line "key = value" carries back;
// whatever is read is saved and read again unchanged, at every length
// around the line limit.
TEST_F(Config, LongValuesAreCutToWhatReadsBackWhole) {
    iConfig config = readBack("playerOneName = " + std::string(1000, 'n') + "\ngameFeedback = 1\n");
    EXPECT_EQ(config.playerOneName, std::string(254 - 16, 'n')) << "the key, \" = \" and 238 letters";
    EXPECT_EQ(config.gameFeedback, 1);
    for (int length = 230; length <= 260; ++length) {
        iConfig first = readBack("playerOneName =" + std::string(length, 'n') + "\nplayerTwoType =" +
                                 std::string(length, 't') + "\nuserId =" + std::string(length, 'u') + "\n");
        const iConfig second = saveAndReadBack(first);
        EXPECT_EQ(second.playerOneName + second.playerTwoType + second.userId,
                  first.playerOneName + first.playerTwoType + first.userId)
            << length;
    }
    iConfig set;
    set.playerTwoName = std::string(400, 'v');
    const iConfig reader = saveAndReadBack(set);
    EXPECT_EQ(reader.playerTwoName, std::string(254 - 16, 'v'));
    EXPECT_EQ(reader.playerOneType, "HUMAN") << "the rest of the long line is not read as a line";
}

TEST_F(Config, EmptyHugeOrUnreadableFilesLeaveTheDefaultsAndTheFile) {
    EXPECT_EQ(readBack("").playerTwoType, "COMPUTER");
    EXPECT_EQ(readFile("zelk.conf"), "") << "an existing file is not rewritten";
    std::string huge;
    while (huge.size() < 10u * 1024 * 1024) huge += "# filler line of a huge configuration file\n";
    const iConfig big = readBack(huge + "gameLevel = 1\n");
    EXPECT_EQ(big.gameLevel, 1);
    EXPECT_EQ(big.playerOneName, "Tavi");

    iConfig config = readBack("# hand-made\nplayerOneName = Mine\n");
    config.writeConfig();
    EXPECT_EQ(readFile("zelk.conf"), "# hand-made\nplayerOneName = Mine\n") << "nothing changed, nothing written";

    remove("zelk.conf");
    mkdir("zelk.conf", 0755);  // exists, but no file can be read from it
    iConfig unreadable;
    unreadable.Init();
    EXPECT_EQ(unreadable.playerOneName, "Tavi");
    struct stat info;
    EXPECT_TRUE(stat("zelk.conf", &info) == 0 && S_ISDIR(info.st_mode));
    EXPECT_NE(logText().find("ERROR opening file zelk.conf"), std::string::npos);
}

// A crash leaves the old settings or the new ones, never an empty file:
// the new file is on the disk before it takes the old one's name.
TEST_F(Config, TheNewFileReachesTheDiskBeforeItReplacesTheOld) {
    iConfig config = readBack("playerOneName = Old\n");
    config.playerOneName = "New";
    config.modified = true;
    recordingFileCalls = true;
    config.writeConfig();
    recordingFileCalls = false;
    const std::string temp = "zelk.conf." + std::to_string(getpid()) + ".tmp";
    ASSERT_GE(fileCalls.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(fileCalls.begin(), fileCalls.begin() + 2),
              (std::vector<std::string>{"fsync " + temp + " " + std::to_string(readFile("zelk.conf").size()),
                                        "rename " + temp + " zelk.conf"}));
}

TEST_F(Config, AFailedWriteKeepsTheGoodFile) {
    iConfig config = readBack("playerOneName = Keep\n");
    const std::string before = readFile("zelk.conf");
    // A full disk, as the process sees it: no file may grow past a size that
    // the log already has and the new settings would need.
    rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit cramped = old;
    cramped.rlim_cur = static_cast<rlim_t>(readFile("log.txt").size() + 600);
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

TEST(ConfigLanguages, NumbersNameTheirCatalogues) {
    const std::pair<int, const char*> names[] = {{0, "eng"}, {1, "ita"}, {2, "som"}, {3, "eng"}, {-1, "eng"}};
    for (auto [number, name] : names) EXPECT_STREQ(iConfig::languageDirectory(number), name) << number;
}
