// The endgame tables: the solver against a plain search of the real
// position model on the small slices, every value against its successors,
// symmetric positions sharing one value, the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>

#include <sys/resource.h>
#include <unistd.h>

#include "bot/endgamefiles.h"
#include "bot/endgamesolver.h"
#include "bot/symmetry.h"
#include "support/endgames.h"
#include "support/testenv.h"

using namespace engine;

namespace {

// 3 against 3, 3 against 4 and 4 against 3: a removal leads from the
// larger slices into the smaller one, and safe routes occur in both.
const EndgameTables& solvedSevens() {
    static EndgameTables tables;
    static const bool solved = solveEndgames(tables, 4, 7);
    EXPECT_TRUE(solved);
    return tables;
}

Points randomSet(std::mt19937& random, int count, Points taken) {
    Points set = 0;
    while (popcount(set) < count) {
        const Points bit = 1u << (random() % 24);
        if (!(taken & bit)) set |= bit;
    }
    return set;
}

const int WIN = 1000;

// Negamax over the game's own position model, in turns (a step and its
// removal are one): WIN - t for a win in t turns, -(WIN - t) for a loss,
// 0 when `turns` do not decide it.
int plainSearch(const Position& position, int turns) {
    if (turns == 0) return 0;
    MoveList steps;
    generateMoves(position, steps);
    int best = -WIN;
    for (int i = 0; i < steps.count; ++i) {
        Position afterStep = position;
        play(afterStep, steps.moves[i]);
        MoveList removals;
        if (afterStep.mustRemove) generateMoves(afterStep, removals);
        else removals.add(Move{});
        for (int k = 0; k < removals.count; ++k) {
            Position child = afterStep;
            if (removals.moves[k].isRemoval()) play(child, removals.moves[k]);
            int score;
            if (child.phase == OVER) score = WIN - 1;
            else {
                const int next = plainSearch(child, turns - 1);
                const int sign = child.side == position.side ? 1 : -1;
                score = next == 0 ? 0 : sign * next + (sign * next > 0 ? -1 : 1);
            }
            best = std::max(best, score);
            if (best == WIN - 1) return best;
        }
    }
    return best;
}

int asScore(EndgameValue value) {
    return isWon(value) ? WIN - turnsLeft(value) : isLost(value) ? -(WIN - turnsLeft(value)) : 0;
}

}  // namespace

TEST(EndgameSolver, AgreesWithAPlainSearchOfTheGamesOwnRules) {
    const EndgameTables& tables = solvedSevens();
    std::mt19937 random(15);
    for (auto [own, theirs, turns] : {std::tuple{3, 3, 5}, {3, 4, 4}, {4, 3, 4}}) {
        int decided = 0, checked = 0;
        while (checked < 60) {
            const Points mine = randomSet(random, own, 0), other = randomSet(random, theirs, mine);
            const bool safeRoute = random() % 4 == 0;
            const EndgameValue value = tables.value(mine, other, safeRoute);
            if (value == NO_POSITION) continue;
            ++checked;
            const int expected = turnsLeft(value) <= turns ? asScore(value) : 0;
            EXPECT_EQ(plainSearch(movingPosition(mine, other, safeRoute), turns), expected)
                << mine << " v " << other << (safeRoute ? " safe" : "") << ", stored " << int(value);
            decided += expected != 0;
        }
        EXPECT_GT(decided, 10) << own << " v " << theirs << ": the sample holds decided positions";
    }
}

TEST(EndgameSolver, EveryValueFollowsFromItsSuccessorsAndSymmetricPositionsShareIt) {
    const EndgameTables& tables = solvedSevens();
    int values[3] = {0, 0, 0}, safeRoutes = 0;
    for (auto [own, theirs] : {std::pair{3, 3}, {3, 4}, {4, 3}}) {
        const SliceShape shape = sliceShape(own, theirs);
        for (uint32_t cls = 0; cls < shape.classes; ++cls) {
            const Points mine = classSet(own, cls);
            for (uint32_t rank = 0; rank < shape.otherSets; ++rank) {
                const Points other = nthSubset(~mine & Position::ALL_POINTS, theirs, rank);
                for (int safe = 0; safe < 2; ++safe) {
                    const EndgameValue value = tables.value(mine, other, safe);
                    if (value == NO_POSITION) continue;
                    EndgameValue best = NO_POSITION;
                    forEachTurn(tables, mine, other, safe, [&](EndgameValue next, int, int, int) {
                        ASSERT_NE(next, NO_POSITION);
                        if (best == NO_POSITION || better(next, best)) best = next;
                    });
                    ASSERT_EQ(value, best) << mine << " v " << other << (safe ? " safe" : "");
                    values[isWon(value) ? 0 : isLost(value) ? 1 : 2]++;
                    safeRoutes += safe;
                    for (int g = 1; g < SYMMETRY_COUNT; ++g)
                        ASSERT_EQ(tables.value(mapPoints(g, mine), mapPoints(g, other), safe), value)
                            << mine << " v " << other << " under symmetry " << g;
                }
            }
        }
    }
    EXPECT_GT(values[0], 0);
    EXPECT_GT(values[1], 0);
    EXPECT_GT(values[2], 0);
    EXPECT_GT(safeRoutes, 0);
}

// The best removal decides, not the first tried: taking the piece on 0
// loses, another wins in five turns.
TEST(EndgameTables, APendingRemovalIsWorthTheBestRemoval) {
    enterScratchDirectory();
    const EndgameTables* shipped = endgameTables();
    ASSERT_NE(shipped, nullptr);
    Position position = movingPosition(pointSet({7, 18, 19, 20}), pointSet({0, 4, 5, 9}));
    position.mustRemove = true;
    EXPECT_EQ(shipped->value(position), won(5));
    play(position, Move{0, -1});
    EXPECT_TRUE(isWon(shipped->value(position))) << "for the other side, once 0 is gone";
}

TEST(EndgameTables, AFileIsReadWholeOrNotAtAll) {
    const EndgameTables& tables = solvedSevens();
    const std::string path = testing::TempDir() + "endgames-" + std::to_string(getpid()) + ".zdb";
    ASSERT_TRUE(tables.save(path));
    const std::string whole = readFile(path);
    EndgameTables read;
    ASSERT_TRUE(read.load(path));
    EXPECT_EQ(read.most(), 4);
    EXPECT_EQ(read.mostTotal(), 7);
    for (auto [own, theirs] : {std::pair{3, 3}, {3, 4}, {4, 3}}) {
        EXPECT_EQ(read.slice(own, theirs).values, tables.slice(own, theirs).values);
        EXPECT_EQ(read.slice(own, theirs).safePlaces, tables.slice(own, theirs).safePlaces);
        EXPECT_EQ(read.slice(own, theirs).safeValues, tables.slice(own, theirs).safeValues);
    }
    EXPECT_FALSE(read.load(path)) << "the same slices twice";

    // The larger slices alone do not stand without the one they lead to.
    ASSERT_TRUE(tables.save(path, {{3, 4}, {4, 3}}));
    EndgameTables larger;
    std::string why;
    EXPECT_FALSE(larger.load(path, &why));
    EXPECT_EQ(why, "lacks the slices its removals lead to");
    ASSERT_TRUE(tables.save(path, {{3, 3}}));
    ASSERT_TRUE(larger.load(path));
    ASSERT_TRUE(tables.save(path, {{3, 4}, {4, 3}}));
    EXPECT_TRUE(larger.load(path)) << "after the smaller slice";

    std::string damaged = whole;
    damaged[damaged.size() / 2] ^= 0x5a;
    for (auto [bytes, what] : {std::pair{whole.substr(0, whole.size() - 1), "cut by a byte"},
                               {whole.substr(0, whole.size() / 2), "cut in half"},
                               {whole + '\0', "a byte more"},
                               {damaged, "a byte changed"},
                               {std::string(), "empty"}}) {
        writeFile(path, bytes);
        EndgameTables refused;
        EXPECT_FALSE(refused.load(path)) << what;
        EXPECT_FALSE(refused.covers(3, 3)) << what;
    }
    // A write that fails half-way (a disk as full as a file size limit
    // makes it) leaves the old file as it was.
    writeFile(path, whole);
    rlimit old, cramped;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    cramped = old;
    cramped.rlim_cur = whole.size() / 2;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &cramped), 0);
    const bool saved = tables.save(path);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(path), whole);
    std::remove(path.c_str());
}
