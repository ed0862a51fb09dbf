// The larger endgame slices built in the background: the thread's build
// saved to its own file, read after the base file as one set of tables and
// consistent across the two; a file that is cut, damaged or does not follow
// the base changes nothing; a build stopped half-way leaves no file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include <unistd.h>

#include "bot/endgamebuild.h"
#include "bot/endgamesolver.h"

using namespace engine;

namespace {

// 3 against 3, in tables that could hold 4 a side.
const EndgameTables& baseSixes() {
    static EndgameTables tables(4, 6);
    static const bool solved = solveEndgames(tables, nullptr);
    EXPECT_TRUE(solved);
    return tables;
}

std::string scratch(const char* name) {
    return testing::TempDir() + "zelk-build-" + std::to_string(getpid()) + "-" + name;
}

// Polls as the game's main loop does, for at most a minute.
std::unique_ptr<EndgameTables> awaitBuild(EndgameBuild& build, std::vector<std::string>& lines) {
    std::unique_ptr<EndgameTables> complete;
    for (int i = 0; i < 6000 && !complete; ++i) {
        for (const std::string& line : build.poll(complete)) lines.push_back(line);
        if (!complete) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return complete;
}

// Every `step`-th stored position of a slice against the best of its turns.
int inconsistent(const EndgameTables& tables, int own, int theirs, uint64_t step) {
    const SliceShape shape = sliceShape(own, theirs);
    int wrong = 0;
    for (int safe = 0; safe < 2; ++safe)
        for (uint64_t index = 0; index < shape.size(); index += step) {
            const EndgameValue value = tables.slice(safe, own, theirs)[index];
            if (value == NO_POSITION) continue;
            const Points mine = classSet(own, static_cast<uint32_t>(index / shape.otherSets));
            const Points other =
                nthSubset(~mine & Position::ALL_POINTS, theirs, static_cast<uint32_t>(index % shape.otherSets));
            EndgameValue best = NO_POSITION;
            forEachTurn(tables, mine, other, safe, [&](EndgameValue next, int, int, int) {
                if (best == NO_POSITION || better(next, best)) best = next;
            });
            wrong += best != value;
        }
    return wrong;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(EndgameBuild, SolvesTheNextSlicesOnItsThreadAndSavesThemToBeReadAfterTheBase) {
    const std::string directory = scratch("cache");
    const std::string base = directory + "-base.zdb", larger = directory + "/zelk/larger.zdb";
    ASSERT_TRUE(baseSixes().save(base));
    std::vector<std::string> lines;
    std::unique_ptr<EndgameTables> complete;
    {
        EndgameBuild build;
        build.start(baseSixes(), 7, larger);
        complete = awaitBuild(build, lines);
    }
    ASSERT_TRUE(complete) << "the build did not end";
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find("solved"), std::string::npos) << lines.back();
    EXPECT_EQ(complete->mostTotal(), 7);
    EXPECT_TRUE(complete->covers(4, 3));
    EXPECT_EQ(complete->slice(false, 3, 3), baseSixes().slice(false, 3, 3));
    // The new values stand on their successors, which lie in the base.
    EXPECT_EQ(inconsistent(*complete, 4, 3, 7), 0);
    EXPECT_EQ(inconsistent(*complete, 3, 4, 7), 0);
    EXPECT_EQ(access((larger + ".part").c_str(), F_OK), -1);

    // Read back: the base file, then the larger one, probe as one.
    EndgameTables read;
    ASSERT_TRUE(read.load(base));
    EXPECT_FALSE(read.covers(4, 3));
    ASSERT_TRUE(read.load(larger));
    EXPECT_EQ(read.mostTotal(), 7);
    for (int safe = 0; safe < 2; ++safe)
        for (auto [own, theirs] : {std::pair{3, 3}, {4, 3}, {3, 4}})
            EXPECT_EQ(read.slice(safe, own, theirs), complete->slice(safe, own, theirs)) << own << " v " << theirs;
    // Once more, or alone: it no longer follows what is held.
    EXPECT_FALSE(read.load(larger));
    EXPECT_EQ(read.mostTotal(), 7);
    EndgameTables alone;
    EXPECT_FALSE(alone.load(larger));
    EXPECT_FALSE(alone.covers(3, 3));
    std::remove(base.c_str());
    std::remove(larger.c_str());
}

TEST(EndgameBuild, ACutOrDamagedFileOfLargerSlicesChangesNothing) {
    const std::string path = scratch("larger.zdb");
    EndgameTables tables(4, 7);
    for (auto [own, theirs] : {std::pair{3, 3}, {4, 3}, {3, 4}})
        for (int safe = 0; safe < 2; ++safe)
            tables.slice(safe, own, theirs).assign(sliceShape(own, theirs).size(), EndgameValue(own + safe));
    tables.slice(false, 3, 3) = baseSixes().slice(false, 3, 3);
    tables.slice(true, 3, 3) = baseSixes().slice(true, 3, 3);
    ASSERT_TRUE(tables.save(path, 7));
    const std::string whole = readBytes(path);
    const auto refused = [&](const std::string& bytes, const char* what) {
        writeBytes(path, bytes);
        EndgameTables read(4, 6);
        read.slice(false, 3, 3) = baseSixes().slice(false, 3, 3);
        EXPECT_FALSE(read.load(path)) << what;
        EXPECT_EQ(read.mostTotal(), 6) << what;
        EXPECT_TRUE(read.slice(false, 4, 3).empty()) << what;
    };
    refused(whole.substr(0, whole.size() - 1), "cut by a byte");
    refused(whole.substr(0, whole.size() / 2), "cut in half");
    refused(whole + '\0', "a byte more");
    std::string damaged = whole;
    damaged[damaged.size() / 2] ^= 0x5a;
    refused(damaged, "a byte changed");
    std::string wrongStart = whole;
    wrongStart[9] = 8;  // the first total it holds
    refused(wrongStart, "does not follow the base");
    refused("", "empty");
    writeBytes(path, whole);
    EndgameTables read(4, 6);
    EXPECT_TRUE(read.load(path)) << "the whole file, for comparison";
    EXPECT_EQ(read.slice(true, 3, 4), tables.slice(true, 3, 4));
    std::remove(path.c_str());
}

TEST(EndgameBuild, StoppedHalfWayItWritesNothing) {
    const std::string path = scratch("stopped.zdb");
    {
        EndgameBuild build;
        build.start(baseSixes(), 8, path);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }  // the game ends: the build is stopped and waited for
    EXPECT_EQ(access(path.c_str(), F_OK), -1);
    EXPECT_EQ(access((path + ".part").c_str(), F_OK), -1);
}
