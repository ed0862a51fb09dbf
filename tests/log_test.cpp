// The log file: its banner, its line endings, its threshold, and texts that
// must come out exactly as given.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <regex>

#include "settings/log.h"
#include "support/c1_crlflines.h"
#include "support/testenv.h"

namespace {
const std::string hyphens(80, '-');
}  // namespace

TEST(Log, FirstMessageRecreatesTheFileWithTheBanner) {
    enterScratchDirectory();
    writeFile("log.txt", "an old run\r\n");
    iLog log;
    log.Init(1);
    log.log(0, "first %d", 1);
    const std::string text = readFile("log.txt");
    const auto lines = crlfLines(text);
    ASSERT_EQ(lines.size(), 10u);
    // The time text carries its own line feed, so line 3 ends LF CR LF.
    EXPECT_TRUE(std::regex_match(
        lines[2], std::regex("   log\\.txt - VRT logging file created on "
                             "(Mon|Tue|Wed|Thu|Fri|Sat|Sun) [A-Z][a-z]{2} [ 123][0-9] "
                             "[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}\n")))
        << lines[2];
    const std::string banner[] = {hyphens, "", lines[2], hyphens, "",
                                  "This file contains a log of problems that can show up during the game.",
                                  "", "", hyphens, "first 1"};
    EXPECT_EQ(lines, std::vector<std::string>(std::begin(banner), std::end(banner)));
    EXPECT_EQ(text.find("an old run"), std::string::npos);
}

// A message above the threshold is not written but still starts the file.
TEST(Log, OnlyMessagesWithinTheThresholdAreWrittenAsTheyStandAndLongOnesAreCut) {
    enterScratchDirectory();
    iLog log;
    log.Init(1);
    log.log(3, "quiet");
    EXPECT_EQ(crlfLines(readFile("log.txt")).size(), 9u);
    log.setLevel(4);
    log.log(3, "loud");
    log.setLevel(1);
    log.log(3, "quiet again");
    log.log("100% %s %n sure");
    log.log(0, "%s", "name with %d inside");
    log.log(0, "%s", std::string(5000, 'x').c_str());
    const auto lines = crlfLines(readFile("log.txt"));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 9, lines.end()),
              (std::vector<std::string>{"loud", "100% %s %n sure", "name with %d inside",
                                        std::string(iLog::bufferSize - 1, 'x')}));
}

TEST(Log, UnwritableFileCostsOnlyTheMessage) {
    const std::string dir = enterScratchDirectory();
    if (geteuid() == 0) {
        // root writes into read-only directories; a directory named log.txt
        // cannot be opened as a file by anyone.
        mkdir("log.txt", 0755);
        writeFile("log.txt/keep", "x");
    } else {
        chmod(dir.c_str(), 0555);
    }
    iLog log;
    log.Init(1);
    testing::internal::CaptureStderr();
    log.log(0, "lost");
    const std::string errors = testing::internal::GetCapturedStderr();
    chmod(dir.c_str(), 0755);
    EXPECT_NE(errors.find("Errore apertura file log log.txt"), std::string::npos);
}
