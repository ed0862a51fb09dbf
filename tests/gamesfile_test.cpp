// The games file after a crash, a failed write and a second copy of the
// game adding at the same time, and the results counted from it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bot/game.h"
#include "records/gamesfile.h"
#include "records/statistics.h"
#include "support/records.h"
#include "support/testenv.h"

using records::GameRecord;

class GamesFile : public testing::Test {
protected:
    void SetUp() override { enterScratchDirectory(); }
    void add(const GameRecord& record) { ASSERT_TRUE(records::appendToGamesFile(path, record)); }
    // `work` in a process of its own, as another copy of the game would.
    template <typename Work>
    static pid_t started(Work work) {
        const pid_t child = fork();
        if (child == 0) _exit(work() ? 0 : 1);
        return child;
    }
    static bool succeeded(pid_t child) {
        int status = 0;
        return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    const std::string path = records::gamesFilePath();
};

TEST_F(GamesFile, ARecordTornByACrashLosesNoOtherGame) {
    const GameRecord first = finishedRecord(0, 0), second = finishedRecord(1, 2, LEVEL_EXPERT, 20);
    const std::string torn = formatRecord(finishedRecord(1, 0, 0, 80));
    for (size_t cut : {size_t(5), torn.find("[One") + 7, torn.find("\n\n") + 1, torn.size() / 2, torn.size() - 2}) {
        writeFile(path, formatRecord(first) + "\n" + torn.substr(0, cut));  // what the crash left
        add(second);
        std::vector<records::RecordError> refused;
        const std::vector<GameRecord> games = records::readGamesFile(path, &refused);
        ASSERT_EQ(games.size(), 2u) << cut;
        EXPECT_EQ(games[0].turns, first.turns);
        EXPECT_EQ(games[1].turns, second.turns);
        EXPECT_EQ(refused.size(), 1u) << cut;
    }
}

TEST_F(GamesFile, AFailedWriteLeavesTheFileAsItWasAndASecondCopyLosesNothing) {
    add(finishedRecord(0, 0));
    const std::string before = readFile(path);
    EXPECT_TRUE(succeeded(started([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() + 100, before.size() + 100};
        return setrlimit(RLIMIT_FSIZE, &limit) == 0 && !records::appendToGamesFile(path, finishedRecord(1, 0));
    })));
    EXPECT_EQ(readFile(path), before);
    auto addMany = [&] {
        for (int i = 0; i < 25; ++i)
            if (!records::appendToGamesFile(path, finishedRecord(0, 2, LEVEL_EXPERT))) return false;
        return true;
    };
    const pid_t copies[2] = {started(addMany), started(addMany)};
    for (pid_t copy : copies) EXPECT_TRUE(succeeded(copy));
    std::vector<records::RecordError> refused;
    EXPECT_EQ(records::readGamesFile(path, &refused).size(), 51u);
    EXPECT_TRUE(refused.empty());
}

TEST_F(GamesFile, TheResultsAgainstEachLevelAreCountedAgainAfterARestart) {
    GameRecord drawn = recordOf(randomGame(5, 2, 60)), unfinished = drawn;
    drawn.result = records::Result::DRAWN;
    drawn.players[1].level = LEVEL_BEGINNER;
    add(finishedRecord(0, 2, LEVEL_EXPERT));  // the person, One, won
    add(finishedRecord(1, 2, LEVEL_EXPERT));  // and lost
    add(finishedRecord(1, 1, LEVEL_DUMMY));   // the person, Two, won
    add(drawn);
    add(unfinished);
    add(finishedRecord(0, 0));                // two people: One won
    add(finishedRecord(1, 3, LEVEL_NOVICE));  // two computers
    const records::ResultsTable table = records::countResults(records::readGamesFile(path));
    const int expected[4][3] = {{1, 0, 0}, {0, 0, 1}, {0, 0, 0}, {1, 1, 0}};
    for (int level = 0; level < 4; ++level) {
        const records::Tally& tally = table.againstLevel[level];
        EXPECT_EQ((std::vector<int>{tally.wins, tally.losses, tally.draws}),
                  (std::vector<int>(expected[level], expected[level] + 3))) << level;
    }
    EXPECT_EQ(table.betweenPeople.wins, 1);
    EXPECT_EQ(table.betweenPeople.games(), 1);
}
