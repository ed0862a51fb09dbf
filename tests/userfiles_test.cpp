// Where the files the game writes for its user go: beside the resources when
// it runs from its source tree, in the user's XDG directories when it runs
// installed.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "settings/config.h"
#include "settings/log.h"
#include "settings/userfiles.h"
#include "support/testenv.h"

namespace fs = std::filesystem;

namespace {

// A scratch home whose XDG variables point inside it (or are unset, to test
// the defaults); returns its path.
std::string scratchHome(bool setXdgVariables) {
    const std::string home = enterScratchDirectory() + "/home";
    fs::create_directory(home);
    setenv("HOME", home.c_str(), 1);
    if (setXdgVariables) {
        setenv("XDG_CONFIG_HOME", (home + "/conf").c_str(), 1);
        setenv("XDG_STATE_HOME", (home + "/state").c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_STATE_HOME");
        unsetenv("XDG_DATA_HOME");
    }
    return home;
}

mode_t modeOf(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

}  // namespace

TEST(UserFiles, FromTheSourceTreeEveryFileStaysInTheWorkingDirectory) {
    EXPECT_EQ(userConfigFile("zelk.conf"), "zelk.conf");
    EXPECT_EQ(userStateFile("log.txt"), "log.txt");
    EXPECT_EQ(userDataFile("mainscreenshot.bmp"), "mainscreenshot.bmp");

    scratchHome(true);
    keepUserFilesInHome();
    keepUserFilesInWorkingDirectory();
    EXPECT_EQ(userConfigFile("zelk.conf"), "zelk.conf");
}

TEST(UserFiles, XdgVariablesNameTheBaseDirectoriesAndTheDefaultsLieUnderHome) {
    const UserDirectories set = userDirectoriesFor("/home/ann", "/c", "/s/", "/d");
    EXPECT_EQ(set.config, "/c/zelk");
    EXPECT_EQ(set.state, "/s//zelk");
    EXPECT_EQ(set.data, "/d/zelk");

    const UserDirectories unset = userDirectoriesFor("/home/ann", nullptr, nullptr, nullptr);
    EXPECT_EQ(unset.config, "/home/ann/.config/zelk");
    EXPECT_EQ(unset.state, "/home/ann/.local/state/zelk");
    EXPECT_EQ(unset.data, "/home/ann/.local/share/zelk");

    // An empty or relative value is no base directory: the default stands.
    const UserDirectories invalid = userDirectoriesFor("/home/ann", "", "state", "./data");
    EXPECT_EQ(invalid.config, "/home/ann/.config/zelk");
    EXPECT_EQ(invalid.state, "/home/ann/.local/state/zelk");
    EXPECT_EQ(invalid.data, "/home/ann/.local/share/zelk");
}

TEST(UserFiles, APlainFileInTheWayIsReported) {
    const std::string home = scratchHome(true);
    writeFile(home + "/conf", "not a directory");
    EXPECT_FALSE(keepUserFilesInHome());
    EXPECT_TRUE(fs::is_directory(home + "/state/zelk")) << "the other kinds still get theirs";
    EXPECT_TRUE(fs::is_directory(home + "/data/zelk"));
}

TEST(UserFiles, InstalledTheSettingsAndTheLogAreWrittenInTheUsersDirectories) {
    const std::string home = scratchHome(true);
    ASSERT_TRUE(keepUserFilesInHome());
    ILog.Init(1);
    iConfig config;
    config.Init();
    ILog.log(0, "a line");
    const std::string conf = readFile(home + "/conf/zelk/zelk.conf");
    EXPECT_NE(conf.find("#   zelk.conf - ZELK config file created on "), std::string::npos)
        << "the file names itself by its name alone, as from the source tree";
    EXPECT_NE(readFile(home + "/state/zelk/log.txt").find("a line\r\n"), std::string::npos);
    EXPECT_FALSE(fileExists("zelk.conf"));
    EXPECT_FALSE(fileExists("log.txt"));

    // Changed settings replace the file where it was read from.
    config.playerTwoName = "Ann";
    config.modified = true;
    config.writeConfig();
    iConfig again;
    again.Init();
    EXPECT_EQ(again.playerTwoName, "Ann");
    EXPECT_FALSE(fileExists("zelk.conf"));
    EXPECT_FALSE(fileExists(home + "/conf/zelk/zelk.conf.tmp"));
}
