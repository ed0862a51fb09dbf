// The engine's verdicts on actions: exact inside the endgame tables, the
// search's judgement outside them.
#include <gtest/gtest.h>

#include "bot/endgames.h"
#include "records/verdict.h"
#include "support/endgames.h"

using engine::Move;

// Three pieces a side. The side to act closes a7-d7-g7 with g4-g7 and
// wins; the other side closes b6-d6-f6 with d5-d6 at its next turn (the
// review shows the verdict on that mistake).
TEST(Verdict, TheTablesGiveExactValuesBeforeAndAfter) {
    engine::useEndgameTables(&solvedThrees());
    const engine::Position start = movingPosition(pointSet({0, 1, 14}), pointSet({3, 5, 7}));
    engine::Position lineMade = start;
    engine::play(lineMade, Move{14, 2});
    const struct {
        engine::Position before;
        Move action;
        const char *was, *is, *mark;
    } cases[] = {
        {start, {14, 2}, "won in 1", "won in 1", ""},
        {lineMade, {5, -1}, "won in 1", "won", ""},
    };
    for (const auto& c : cases) {
        const records::Verdict verdict = records::verdictOn(c.before, c.action);
        EXPECT_EQ(verdict.before, c.was);
        EXPECT_EQ(verdict.after, c.is);
        EXPECT_STREQ(verdict.mark, c.mark);
        EXPECT_TRUE(verdict.bestKnown);
    }
    engine::useEndgameTables(nullptr);
}

// The same two lines in waiting with six pieces a side, past the tables.
TEST(Verdict, OutsideTheTablesTheSearchJudgesAndMarksAPieceLost) {
    engine::useEndgameTables(nullptr);
    const engine::Position start = movingPosition(pointSet({0, 1, 14, 9, 15, 19}), pointSet({3, 5, 7, 16, 17, 22}));
    const records::Verdict best = records::verdictOn(start, Move{14, 2});
    const records::Verdict mistake = records::verdictOn(start, Move{14, 13});
    EXPECT_EQ(mistake.before, "winning");
    EXPECT_STRNE(mistake.mark, "");
    EXPECT_STREQ(best.mark, "");
    EXPECT_EQ(mistake.best, (Move{14, 2}));
}
