// The Expert converting won endgames against the tables' best defence: by
// the shortest way inside the tables, never back into an earlier position
// while it knows it wins, draws held, losses put off; the search meeting
// the tables at its leaves; the Novice probing them too.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bot/endgames.h"
#include "bot/endgamesolver.h"
#include "bot/evaluate.h"
#include "bot/expert.h"
#include "bot/novice.h"
#include "bot/transposition.h"
#include "support/endgames.h"

using namespace engine;

namespace {

// 24 characters for points 0-23: '1' player one, '2' player two, '.' empty.
Position boardPosition(const std::string& board, int side) {
    Position position = movingPosition(0, 0);
    for (int point = 0; point < 24; ++point) {
        if (board[point] == '1') position.pieces[0] |= 1u << point;
        if (board[point] == '2') position.pieces[1] |= 1u << point;
    }
    position.side = static_cast<uint8_t>(side);
    rehash(position);
    return position;
}

int reportedScore(const std::string& report) {
    const size_t at = report.find("score ");
    return at == std::string::npos ? 0 : std::stoi(report.substr(at + 6));
}

bool winning(int score) {
    return score > WIN_SCORE - 1000;
}

// Every `step`-th normal 3-against-3 position whose value passes `wanted`.
template <typename Wanted>
std::vector<Position> positionsWhere(const EndgameTables& tables, Wanted wanted, int step) {
    std::vector<Position> found;
    const SliceShape shape = sliceShape(3, 3);
    const auto& values = tables.slice(3, 3).values;
    int seen = 0;
    for (uint64_t index = 0; index < values.size(); ++index) {
        if (!wanted(values[index]) || seen++ % step) continue;
        const Points own = classSet(3, static_cast<uint32_t>(index / shape.otherSets));
        found.push_back(movingPosition(own, nthSubset(~own & Position::ALL_POINTS, 3,
                                                      static_cast<uint32_t>(index % shape.otherSets))));
    }
    return found;
}

struct Outcome {
    int winner = -1;
    int expertTurns = 0;
    int repeatsWhileWinning = 0;
};

// The Expert is side 0; side 1 plays the tables' best move.
Outcome playAgainstTables(const EndgameTables& tables, Position position, int turnLimit) {
    ExpertPlayer expert;
    std::vector<uint64_t> seen;
    Outcome outcome;
    while (position.phase != OVER && outcome.expertTurns <= turnLimit) {
        Move move;
        if (position.side == 0) {
            const Decision decision = expert.decide(position, SearchLimits());
            if (!position.mustRemove) {
                ++outcome.expertTurns;
                const uint64_t key = positionKey(position);
                const bool wins = isWon(tables.value(position)) || winning(reportedScore(decision.report));
                if (wins && std::count(seen.begin(), seen.end(), key)) ++outcome.repeatsWhileWinning;
                seen.push_back(key);
            }
            move = decision.move;
        } else {
            EndgameValue value;
            move = bestByTables(tables, position, value);
        }
        play(position, move);
    }
    outcome.winner = position.phase == OVER ? position.winner : -1;
    return outcome;
}

}  // namespace

TEST(Conversion, InsideTheTablesTheExpertWinsByTheShortestWayAndNeverRepeats) {
    const EndgameTables& tables = solvedThrees();
    useEndgameTables(&tables);
    const auto longWins = positionsWhere(tables, [](EndgameValue v) { return isWon(v) && turnsLeft(v) >= 25; }, 40);
    ASSERT_GE(longWins.size(), 10u);
    for (const Position& start : longWins) {
        const int distance = turnsLeft(tables.value(start));
        const Outcome outcome = playAgainstTables(tables, start, distance);
        EXPECT_EQ(outcome.winner, 0) << start.pieces[0] << " v " << start.pieces[1];
        EXPECT_EQ(outcome.expertTurns, (distance + 1) / 2) << "won in " << distance << " turns";
        EXPECT_EQ(outcome.repeatsWhileWinning, 0);
    }
}

TEST(Conversion, InsideTheTablesTheExpertHoldsDrawsAndPutsOffLosses) {
    const EndgameTables& tables = solvedThrees();
    useEndgameTables(&tables);
    for (const Position& start : positionsWhere(tables, [](EndgameValue v) { return v == DRAWN; }, 2000))
        EXPECT_NE(playAgainstTables(tables, start, 60).winner, 1) << start.pieces[0] << " v " << start.pieces[1];
    for (const Position& start :
         positionsWhere(tables, [](EndgameValue v) { return isLost(v) && turnsLeft(v) >= 20; }, 40)) {
        const Outcome outcome = playAgainstTables(tables, start, 100);
        EXPECT_EQ(outcome.winner, 1);
        EXPECT_EQ(outcome.expertTurns, turnsLeft(tables.value(start)) / 2);
    }
}

TEST(Conversion, TheSearchMeetsTheTablesAtItsLeavesAndTheNoviceProbesThem) {
    const EndgameTables& tables = solvedThrees();
    useEndgameTables(&tables);
    // 3 against 4, not in the tables: 9-10 completes 3-10-18, and the
    // best removal leaves a 3-against-3 position the tables call won.
    Position position = boardPosition("...1.....1..2..2..1...22", 0);
    ASSERT_FALSE(tables.covers(position));
    Position afterLine = position;
    play(afterLine, Move{9, 10});
    ASSERT_TRUE(afterLine.mustRemove);
    ASSERT_TRUE(isWon(tables.value(afterLine)));
    const Decision expert = ExpertPlayer().decide(position, SearchLimits());
    const Decision novice = NovicePlayer().decide(position);
    useEndgameTables(nullptr);
    const Decision alone = ExpertPlayer().decide(position, SearchLimits());
    EXPECT_TRUE(winning(reportedScore(expert.report))) << expert.report;
    EXPECT_EQ(describe(expert.move), "9-10") << expert.report;
    EXPECT_EQ(describe(alone.move), "9-10") << alone.report;
    EXPECT_EQ(describe(novice.move), describe(expert.move)) << novice.report << " / " << expert.report;
}

// A win the tables hold counts two plies a turn, the step and its removal,
// though a turn without a line takes one: never shorter than the same win
// searched to its end, and at most two plies longer.
TEST(Conversion, ATablesWinScoresNoSoonerAndLittleLaterThanTheWinSearched) {
    const EndgameTables& tables = solvedThrees();
    SearchLimits toDepthFive;
    toDepthFive.softMilliseconds = toDepthFive.hardMilliseconds = 600000;
    toDepthFive.maxDepth = 5;
    const auto shortWins = positionsWhere(tables, [](EndgameValue v) { return isWon(v) && turnsLeft(v) <= 3; }, 40);
    ASSERT_GE(shortWins.size(), 10u);
    Searcher withTables, alone;
    for (const Position& start : shortWins) {
        useEndgameTables(&tables);
        withTables.clear();
        const int tablesScore = withTables.search(start, toDepthFive, {}).score;
        useEndgameTables(nullptr);
        alone.clear();
        const int searchedScore = alone.search(start, toDepthFive, {}).score;
        EXPECT_LE(tablesScore, searchedScore) << turnsLeft(tables.value(start)) << " turns";
        EXPECT_GE(tablesScore, searchedScore - 2) << turnsLeft(tables.value(start)) << " turns";
    }
}

TEST(Conversion, ExpertAgainstExpertNeverRepeatsWhileItSaysItWins) {
    useEndgameTables(nullptr);
    // Player two to move, won for it with best play.
    Position position = boardPosition("1.1..22..21...221....1..", 1);
    ExpertPlayer players[2];
    SearchLimits limits;
    // To a depth, not a time: the same game whatever the machine's load
    // (at 20 ms, under the sanitizers on a busy machine it ran past 300 plies).
    limits.softMilliseconds = limits.hardMilliseconds = 60000;
    limits.maxDepth = 6;
    std::vector<uint64_t> seen[2];
    int plies = 0;
    for (; plies < 300 && position.phase != OVER; ++plies) {
        const int side = position.side;
        const Decision decision = players[side].decide(position, limits);
        ASSERT_TRUE(decision.found);
        if (!position.mustRemove) {
            const uint64_t key = positionKey(position);
            if (winning(reportedScore(decision.report))) {
                EXPECT_EQ(std::count(seen[side].begin(), seen[side].end(), key), 0)
                    << "ply " << plies << ": " << decision.report;
            }
            seen[side].push_back(key);
        }
        play(position, decision.move);
    }
    EXPECT_EQ(position.phase, OVER) << "no result after " << plies << " plies";
}
