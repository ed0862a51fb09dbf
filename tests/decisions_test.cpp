// The three decisions by level: which search wins, what the report says,
// and that nothing is written out when nothing is chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bot/endgamefiles.h"
#include "bot/game.h"
#include "settings/log.h"
#include "support/logcount.h"
#include "support/position.h"
#include "support/snapshot.h"

namespace {

const int untouched = 77;

void quietBoard(GameLevels level) {
    ::quietBoard();
    logEverything();
    iGame->setGameLevel(level);
}

// The point chosen; minus what was left in the out-parameter when nothing was.
int choice() {
    int cell = untouched;
    return iGame->getBestChoice(&cell) ? cell : -cell;
}

int removal() {
    int cell = untouched;
    return iGame->getBestToKill(&cell) ? cell : -cell;
}

// from * 100 + to, or -1 when no move was chosen (and nothing written).
int move() {
    int from = untouched, to = untouched;
    if (iGame->getBestMove(&from, &to)) return from * 100 + to;
    EXPECT_EQ(from * 100 + to, untouched * 101);
    return -1;
}

std::string message() {
    return iGame->getMessage();
}

bool logged(const std::string& text) {
    return logText().find(text) != std::string::npos;
}

const std::string killing = "COMPUTER: looking the best to kill\n";
const std::string killed = "COMPUTER: finished to look the best to kill on a game.";

}  // namespace

TEST(DummyLevel, DecidesAtRandomWithAnEmptyReportAndWritesNothingWhenNothingIsLegal) {
    quietBoard(LEVEL_DUMMY);
    setBoard({0, 1}, {});
    snapshotFor(1);
    const int cell = choice();
    ASSERT_GE(cell, 0);
    EXPECT_LT(en_cell[cell]->getCurrentPawn(), 0);
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(logged("COMPUTER: looking the best choice: level 0\n\r\n"));

    setBoard({0}, {1, 5});
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(move(), 9) << "0 -> 9, the only step";
    EXPECT_EQ(message().rfind("COMPUTER: looking the best movement\n\tI am random, therefore doing it randomly\n", 0), 0u);
    EXPECT_EQ(valuesOver(removal), (std::set<int>{1, 5}));
    EXPECT_EQ(message(), killing + "\tI am random, therefore doing it randomly\n" + killed);

    setBoard({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {});
    snapshotFor(1, PHASE_OPENING);
    EXPECT_EQ(removal(), -untouched) << "no opposing piece";
    place({12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(choice(), -untouched) << "no free point";
    EXPECT_EQ(move(), -1) << "no step";
}

// Beginner's placement is a chain of searches tried in a fixed order. For
// each two neighbouring searches, a position where both find points but
// different ones, and every search before them finds none: only the right
// order answers the expected points. Player 1 places.
//   Before the first line: own line, blocking, own double threat, own single
//   threat, the other side's double threat, three own pieces around an
//   opposing piece, any free point. (Three opposing pieces around an opposing
//   one always leave a point that completes an opposing line, which blocking
//   takes first, so that search never answers here.)
//   After it: three own around an opposing piece, three opposing around an
//   opposing piece, three own around a free point, own double threat, own
//   single threat, the other side's double threat, any free point.
TEST(BeginnerPlacement, EverySearchComesBeforeTheNextOne) {
    struct Case {
        const char* searches;
        std::initializer_list<int> mine, theirs;
        bool firstLineMade;
        std::set<int> expected;
    };
    const Case cases[] = {
        {"own line, then blocking", {0, 1}, {21, 22}, false, {2}},
        {"blocking, then own double threat", {1, 9}, {16, 19}, false, {22}},
        {"own double threat, then own single", {1, 9}, {}, false, {0}},
        {"own single threat, then their double", {1}, {19, 21}, false, {0, 2, 4, 7}},
        {"their double threat, then around theirs", {1, 3, 5}, {4, 10, 13, 2}, false, {14}},
        {"around theirs, then any point", {1, 3, 5}, {4, 18, 13, 0}, false, {7}},
        {"no line searches once a line is made", {0, 1}, {21, 22}, true, {4, 7}},
        {"around theirs, then theirs around theirs", {1, 3, 5}, {4, 19, 18, 20, 16}, true, {7}},
        {"theirs around theirs, then around a free point", {1, 2, 9}, {19, 18, 20, 16}, true, {22}},
        {"around a free point, then own double", {1, 2, 9, 13}, {}, true, {21}},
        {"own double threat, then own single", {1, 9}, {}, true, {0}},
        {"own single threat, then their double", {1}, {19, 21}, true, {0, 2, 4, 7}},
        {"their double threat, then any point", {}, {19, 21}, true, {22}},
    };
    quietBoard(LEVEL_BEGINNER);
    for (const Case& position : cases) {
        setBoard(position.mine, position.theirs);
        snapshotFor(1, PHASE_RESETTLEMENT, position.firstLineMade ? 2 : 0);
        EXPECT_EQ(valuesOver(choice, 40), position.expected)
            << position.searches << (position.firstLineMade ? ", after the first line" : "");
    }
    setBoard({}, {});
    snapshotFor(2);
    EXPECT_GT(valuesOver(choice).size(), 5u) << "any free point on an empty board";
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(logged("\tI am beginner, therefore will do in my way\nAvrei detto -1\n\r\n"));
    EXPECT_TRUE(logged("Look for 1st jare\r\n"));
    EXPECT_TRUE(logged("Already done 1st jare\r\n"));
}

TEST(BeginnerMove, IrmaanThenCompletingThenPreparingThenRandom) {
    const struct {
        std::initializer_list<int> mine, theirs;
        std::set<int> expected;
        const char* lastSearch;
        const char* notTried;
    } cases[] = {
        // 9 -> 10 leaves line 1 and completes line 3; 5 -> 13 completes line 15.
        {{0, 9, 21, 3, 18, 12, 14, 5}, {}, {910}, "\tnow look movement for sure to kill\n\r\n",
         "now look sure move to make tris"},
        {{12, 14, 5}, {}, {513}, "\tnow look sure move to make tris\n\r\n", "now look simple to make tris"},
        {{0, 2, 3}, {}, {304}, "\tnow look sure move to make tris\n\tnow look simple to make tris \n\r\n",
         "at this point I am doing it randomly"},
        {{0}, {23}, {1, 9}, "\tOk, at this point I am doing it randomly\n\r\n", nullptr},
    };
    for (const auto& c : cases) {
        quietBoard(LEVEL_BEGINNER);
        setBoard(c.mine, c.theirs);
        snapshotFor(1, PHASE_CONTENDING);
        EXPECT_EQ(valuesOver(move, 30), c.expected) << c.lastSearch;
        EXPECT_TRUE(logged("\tI am beginner, therefore will do in some way\n\r\n"));
        EXPECT_TRUE(logged(c.lastSearch));
        if (c.notTried) {
            EXPECT_FALSE(logged(c.notTried)) << c.notTried;
        }
    }
    EXPECT_EQ(message(),
              "COMPUTER: finished to look the best movement on a game that had:\n\t"
              "1 cells of mine and\n\t1 cells of yours and\n\t22 free cells.");
    setBoard({0}, {1, 9});
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(move(), -1) << "boxed in";
}

TEST(BeginnerRemoval, BlocksFirstOnceTheGameIsOpenedAndSaysWhichStepFound) {
    const struct {
        std::initializer_list<int> mine, theirs;
        int phase;
        std::set<int> expected;
        const char* steps;
    } cases[] = {
        // Removing 22 gives an Irmaan; 7 -> 4 would complete line 2.
        {{16, 19, 0, 9, 21}, {22, 3, 5, 7}, PHASE_CONTENDING, {7}, "Get it step 0\nGet it step 1\n"},
        {{16, 19, 0, 9, 21}, {22, 3, 5, 7}, PHASE_OPENING, {22}, "Get it step 2\n"},
        {{0}, {23, 12}, PHASE_CONTENDING, {12, 23},
         "Get it step 0\nGet it step 1\nGet it step 2\nGet it step 3\nGet it step 4\nGet it randomly\n"},
    };
    quietBoard(LEVEL_BEGINNER);
    for (const auto& c : cases) {
        setBoard(c.mine, c.theirs);
        snapshotFor(1, c.phase);
        EXPECT_EQ(valuesOver(removal, 20), c.expected) << c.steps;
        EXPECT_EQ(message(), killing + "\tI am beginner, therefore will do in my way\n" + c.steps + killed);
    }
    EXPECT_FALSE(logged("Get it step")) << "the report is not logged by the search";
}

TEST(StrongLevels, NoviceAndExpertDecideAndReportWhatTheySaw) {
    engine::useEndgameTables(nullptr);  // five against four is in the tables: the searches' own reports
    quietBoard(LEVEL_NOVICE);
    for (GameLevels level : {LEVEL_NOVICE, LEVEL_EXPERT}) {
        iGame->setGameLevel(level);
        const std::string seen = level == LEVEL_NOVICE ? "\tnovice: " : "\texpert: depth ";
        setBoard({0, 1, 2, 3, 4}, {20, 21, 22, 23});
        snapshotFor(1, PHASE_CONTENDING);
        ASSERT_GE(move(), 0) << level;
        EXPECT_EQ(message().rfind("COMPUTER: looking the best movement\n" + seen, 0), 0u) << message();
        EXPECT_NE(message().find("\n\t5 cells of mine and\n\t4 cells of yours and\n\t15 free cells."),
                  std::string::npos) << message();
        EXPECT_TRUE(logged(seen)) << "the flow logs no move report, the decision does";
        EXPECT_TRUE(doIOwn(removal(), 2));
        EXPECT_EQ(message().rfind(killing + seen, 0), 0u) << message();
        snapshotFor(2);
        ASSERT_GE(choice(), 0);
        EXPECT_EQ(message().rfind(seen, 0), 0u) << message();
    }
}

TEST(Report, ALevelOutOfRangeDecidesNothingAndLongMessagesAreCut) {
    quietBoard(static_cast<GameLevels>(7));
    setBoard({0, 1, 2, 3, 4}, {20, 21, 22, 23});
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(choice(), -untouched);
    EXPECT_EQ(message(), "COMPUTER: looked the best choice: level 7\n\tOpps! this should never had happen\n");
    EXPECT_EQ(move(), -1);
    EXPECT_NE(message().find("\tOpps! this should never had happen\n"), std::string::npos);
    EXPECT_EQ(removal(), -untouched);
    EXPECT_NE(message().find("\tOpps! this should never had happen\n"), std::string::npos);

    Game game;
    game.setMessage(std::string(300, 'x').c_str());
    EXPECT_EQ(std::string(game.getMessage()), std::string(255, 'x'));
}
