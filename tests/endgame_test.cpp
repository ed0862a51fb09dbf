// The endgame tables: the board's symmetries, the solver against a plain
// search of the real position model on the 3-against-3 slice, every value
// against its successors, symmetric positions sharing one value, the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>

#include <unistd.h>

#include "bot/endgamesolver.h"
#include "bot/symmetry.h"
#include "support/endgames.h"

using namespace engine;

namespace {

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

TEST(Symmetry, SixteenDistinctMapsThatKeepNeighboursAndLines) {
    std::set<std::vector<int>> distinct;
    for (int g = 0; g < SYMMETRY_COUNT; ++g) {
        std::vector<int> image(24);
        for (int point = 0; point < 24; ++point) image[point] = mapPoint(g, point);
        EXPECT_EQ(std::set<int>(image.begin(), image.end()).size(), 24u) << "symmetry " << g;
        distinct.insert(image);
        for (int point = 0; point < 24; ++point)
            EXPECT_EQ(mapPoints(g, neighbourPoints[point]), neighbourPoints[image[point]]) << g << " " << point;
        std::set<Points> lines(std::begin(linePoints), std::end(linePoints));
        for (Points line : linePoints) EXPECT_TRUE(lines.count(mapPoints(g, line))) << "symmetry " << g;
    }
    EXPECT_EQ(distinct.size(), 16u);
    EXPECT_EQ(mapPoint(8, 0), 6);  // the exchange of the squares: corner to corner
    EXPECT_EQ(mapPoint(8, 4), 4);
}

TEST(EndgameSolver, AgreesWithAPlainSearchOfTheGamesOwnRules) {
    const EndgameTables& tables = solvedThrees();
    std::mt19937 random(15);
    const int turns = 5;
    int decided = 0, checked = 0;
    std::vector<int> farther;
    while (checked < 150) {
        const Points own = randomSet(random, 3, 0), theirs = randomSet(random, 3, own);
        const bool safeRoute = random() % 4 == 0;
        const EndgameValue value = tables.value(own, theirs, safeRoute);
        if (value == NO_POSITION) continue;
        ++checked;
        const int expected = turnsLeft(value) <= turns ? asScore(value) : 0;
        EXPECT_EQ(plainSearch(movingPosition(own, theirs, safeRoute), turns), expected)
            << own << " v " << theirs << (safeRoute ? " safe" : "") << ", stored " << int(value);
        decided += expected != 0;
    }
    EXPECT_GT(decided, 30);  // the sample holds decided positions, not only open ones
}

TEST(EndgameSolver, EveryValueFollowsFromItsSuccessorsAndSymmetricPositionsShareIt) {
    const EndgameTables& tables = solvedThrees();
    int values[3] = {0, 0, 0};
    for (int safe = 0; safe < 2; ++safe) {
        const SliceShape shape = sliceShape(3, 3);
        for (uint32_t cls = 0; cls < shape.classes; ++cls) {
            const Points own = classSet(3, cls);
            for (uint32_t rank = 0; rank < shape.otherSets; ++rank) {
                const Points theirs = nthSubset(~own & Position::ALL_POINTS, 3, rank);
                ASSERT_EQ(sliceIndex(own, theirs), uint64_t{cls} * shape.otherSets + rank);
                const EndgameValue value = tables.value(own, theirs, safe);
                if (value == NO_POSITION) continue;
                EndgameValue best = NO_POSITION;
                forEachTurn(tables, own, theirs, safe, [&](EndgameValue next, int, int, int) {
                    ASSERT_NE(next, NO_POSITION);
                    if (best == NO_POSITION || better(next, best)) best = next;
                });
                ASSERT_EQ(value, best) << own << " v " << theirs << (safe ? " safe" : "");
                values[isWon(value) ? 0 : isLost(value) ? 1 : 2]++;
                for (int g = 1; g < SYMMETRY_COUNT; ++g)
                    ASSERT_EQ(tables.value(mapPoints(g, own), mapPoints(g, theirs), safe), value)
                        << own << " v " << theirs << " under symmetry " << g;
            }
        }
    }
    EXPECT_GT(values[0], 0);
    EXPECT_GT(values[1], 0);
    EXPECT_GT(values[2], 0);
}

TEST(EndgameTables, ThePositionsValueIncludesAPendingRemoval) {
    const EndgameTables& tables = solvedThrees();
    // The line 3-4-5 was just made; any removal leaves the other side two pieces.
    Position position = movingPosition(1u << 3 | 1u << 4 | 1u << 5, 1u << 1 | 1u << 16 | 1u << 23, false);
    position.mustRemove = true;
    EXPECT_EQ(tables.value(position), won(1));
    EXPECT_TRUE(tables.covers(position));
    position.pieces[1] |= 1u << 22;
    EXPECT_FALSE(tables.covers(position));
}

TEST(EndgameTables, WrittenAndReadBackWholeOrNotAtAll) {
    const EndgameTables& tables = solvedThrees();
    const std::string path = testing::TempDir() + "endgames-test.zdb";
    ASSERT_TRUE(tables.save(path));
    EndgameTables read;
    ASSERT_TRUE(read.load(path));
    EXPECT_EQ(read.most(), 3);
    EXPECT_EQ(read.mostTotal(), 6);
    EXPECT_EQ(read.slice(false, 3, 3), tables.slice(false, 3, 3));
    EXPECT_EQ(read.slice(true, 3, 3), tables.slice(true, 3, 3));
    // A file cut short is refused and leaves nothing covered.
    FILE* file = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(file, nullptr);
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fclose(file);
    ASSERT_EQ(truncate(path.c_str(), size - 1), 0);
    EndgameTables cut;
    EXPECT_FALSE(cut.load(path));
    EXPECT_FALSE(cut.covers(3, 3));
    std::remove(path.c_str());
}

TEST(EndgameTables, ALimitOnAllPiecesLeavesOutTheLargerSlices) {
    const EndgameTables tables(5, 8);
    EXPECT_TRUE(tables.covers(3, 5));
    EXPECT_TRUE(tables.covers(5, 3));
    EXPECT_TRUE(tables.covers(4, 4));
    EXPECT_FALSE(tables.covers(4, 5));
    EXPECT_FALSE(tables.covers(5, 5));
    EXPECT_FALSE(tables.covers(2, 5));
    EXPECT_EQ(EndgameTables(4).mostTotal(), 8);
}
