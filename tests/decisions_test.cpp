// The three decisions by level: which search wins, what the report says,
// and that nothing is written out when nothing is chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bot/endgamefiles.h"
#include "bot/game.h"
#include "rules/queries.h"
#include "settings/log.h"
#include "support/logcount.h"
#include "support/position.h"
#include "support/snapshot.h"
#include "support/testenv.h"

namespace {

const int untouched = 77;

void quietBoard(GameLevels level) {
    startHeadlessGame();
    drawThinkingFrames = false;
    logEverything();
    iGame->setGameLevel(level);
}

int choice() {
    int cell = untouched;
    return iGame->getBestChoice(&cell) ? cell : -cell;
}

// from * 100 + to, or -1 when no move was chosen (and nothing written).
int move() {
    int from = untouched, to = untouched;
    if (iGame->getBestMove(&from, &to)) return from * 100 + to;
    EXPECT_EQ(from, untouched);
    EXPECT_EQ(to, untouched);
    return -1;
}

int removal() {
    int cell = untouched;
    return iGame->getBestToKill(&cell) ? cell : -cell;
}

std::string message() {
    return iGame->getMessage();
}

bool logged(const std::string& text) {
    return logText().find(text) != std::string::npos;
}

// A five-four position for the report's counts.
void fiveAgainstFour() {
    place({0, 1, 2, 3, 4}, 1);
    place({20, 21, 22, 23}, 2);
    snapshotFor(1, PHASE_CONTENDING);
}

}  // namespace

TEST(DummyLevel, PlacesAtRandomWithAnEmptyReport) {
    quietBoard(LEVEL_DUMMY);
    place({0, 1}, 1);
    snapshotFor(1);
    int cell = choice();
    ASSERT_GE(cell, 0);
    EXPECT_TRUE(en_cell[cell]->isEmpty());
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(logged("COMPUTER: looking the best choice: level 0\n\r\n"));
}

TEST(DummyLevel, MovesAndRemovesAtRandom) {
    quietBoard(LEVEL_DUMMY);
    place({0}, 1);
    place({1, 5}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(move(), 9);  // 0 -> 9, the only step
    EXPECT_EQ(message().rfind("COMPUTER: looking the best movement\n"
                              "\tI am random, therefore doing it randomly\n",
                              0),
              0u);
    EXPECT_EQ(valuesOver(removal), (std::set<int>{1, 5}));
    EXPECT_EQ(message(),
              "COMPUTER: looking the best to kill\n"
              "\tI am random, therefore doing it randomly\n"
              "COMPUTER: finished to look the best to kill on a game.");
}

TEST(DummyLevel, NothingToChooseWritesNothing) {
    quietBoard(LEVEL_DUMMY);
    for (int cell = 0; cell < 12; ++cell) place({cell}, 1);
    snapshotFor(1, PHASE_OPENING);
    EXPECT_EQ(removal(), -untouched);  // no opposing piece
    for (int cell = 12; cell < 24; ++cell) place({cell}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(choice(), -untouched);  // no free point
    EXPECT_EQ(move(), -1);            // no step
}

TEST(BeginnerPlacement, CompletingItsOwnLineBeatsBlocking) {
    quietBoard(LEVEL_BEGINNER);
    place({0, 1}, 1);
    place({21, 22}, 2);
    snapshotFor(1);
    EXPECT_EQ(valuesOver(choice, 20), (std::set<int>{2}));
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(logged("COMPUTER: looking the best choice: level 1\n\r\n"));
    EXPECT_TRUE(logged("\tI am beginner, therefore will do in my way\nAvrei detto -1\n\r\n"));
    EXPECT_TRUE(logged("Look for 1st jare\r\n"));
}

TEST(BeginnerPlacement, BlockingBeatsADoubleThreat) {
    quietBoard(LEVEL_BEGINNER);
    place({1, 9}, 1);    // a placement on 0 threatens two lines
    place({16, 19}, 2);  // a placement on 22 completes line 14
    snapshotFor(1);
    EXPECT_EQ(valuesOver(choice, 20), (std::set<int>{22}));
}

TEST(BeginnerPlacement, AfterTheFirstJareNoCompletingSearch) {
    quietBoard(LEVEL_BEGINNER);
    place({0, 1}, 1);
    place({21, 22}, 2);
    snapshotFor(1, PHASE_RESETTLEMENT, 2);
    // Neither 2 (own line) nor 23 (block): the lone threats on line 6.
    EXPECT_EQ(valuesOver(choice), (std::set<int>{4, 7}));
    EXPECT_TRUE(logged("Already done 1st jare\r\n"));
    EXPECT_FALSE(logged("Look for 1st jare"));
}

TEST(BeginnerPlacement, FallsBackToAnyFreePoint) {
    quietBoard(LEVEL_BEGINNER);
    snapshotFor(2);
    EXPECT_GT(valuesOver(choice).size(), 5u);
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
        std::vector<int> mine, theirs;
        bool firstLineMade;
        std::set<int> expected;
    };
    const Case cases[] = {
        {"own double threat, then own single", {1, 9}, {}, false, {0}},
        {"own single threat, then their double", {1}, {19, 21}, false, {0, 2, 4, 7}},
        {"their double threat, then around theirs", {1, 3, 5}, {4, 10, 13, 2}, false, {14}},
        {"around theirs, then any point", {1, 3, 5}, {4, 18, 13, 0}, false, {7}},
        {"around theirs, then theirs around theirs", {1, 3, 5}, {4, 19, 18, 20, 16}, true, {7}},
        {"theirs around theirs, then around a free point", {1, 2, 9}, {19, 18, 20, 16}, true, {22}},
        {"around a free point, then own double", {1, 2, 9, 13}, {}, true, {21}},
        {"own double threat, then own single", {1, 9}, {}, true, {0}},
        {"own single threat, then their double", {1}, {19, 21}, true, {0, 2, 4, 7}},
        {"their double threat, then any point", {}, {19, 21}, true, {22}},
    };
    for (const Case& position : cases) {
        quietBoard(LEVEL_BEGINNER);
        for (int cell : position.mine) place({cell}, 1);
        for (int cell : position.theirs) place({cell}, 2);
        snapshotFor(1, PHASE_RESETTLEMENT, position.firstLineMade ? 2 : 0);
        EXPECT_EQ(valuesOver(choice, 40), position.expected)
            << position.searches << (position.firstLineMade ? ", after the first line" : "");
    }
}

TEST(BeginnerMove, IrmaanFirst) {
    quietBoard(LEVEL_BEGINNER);
    place({0, 9, 21, 3, 18}, 1);  // 9 -> 10 leaves line 1 and completes line 3
    place({12, 14, 5}, 1);        // 5 -> 13 completes line 15
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver(move, 20), (std::set<int>{910}));
    EXPECT_TRUE(logged("\tI am beginner, therefore will do in some way\n\r\n"));
    EXPECT_TRUE(logged("\tnow look movement for sure to kill\n\r\n"));
    EXPECT_FALSE(logged("now look sure move to make tris"));
}

TEST(BeginnerMove, CompletingBeforePreparing) {
    quietBoard(LEVEL_BEGINNER);
    place({12, 14, 5}, 1);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver(move, 20), (std::set<int>{513}));
    EXPECT_TRUE(logged("\tnow look sure move to make tris\n\r\n"));
    EXPECT_FALSE(logged("now look simple to make tris"));
}

TEST(BeginnerMove, PreparingBeforeRandom) {
    quietBoard(LEVEL_BEGINNER);
    place({0, 2, 3}, 1);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver(move, 10), (std::set<int>{304}));
    EXPECT_TRUE(logged("\tnow look sure move to make tris\n\tnow look simple to make tris \n\r\n"));
    EXPECT_FALSE(logged("at this point I am doing it randomly"));
}

TEST(BeginnerMove, RandomLastAndTheSummary) {
    quietBoard(LEVEL_BEGINNER);
    place({0}, 1);
    place({23}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver(move, 30), (std::set<int>{1, 9}));
    EXPECT_TRUE(logged("\tOk, at this point I am doing it randomly\n\r\n"));
    EXPECT_EQ(message(),
              "COMPUTER: finished to look the best movement on a game that had:\n\t"
              "1 cells of mine and\n\t1 cells of yours and\n\t22 free cells.");
}

TEST(BeginnerMove, BoxedInChoosesNothing) {
    quietBoard(LEVEL_BEGINNER);
    place({0}, 1);
    place({1, 9}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(move(), -1);
}

TEST(BeginnerRemoval, BlockingComesFirstOnceTheGameIsOpened) {
    quietBoard(LEVEL_BEGINNER);
    place({16, 19, 0, 9, 21}, 1);  // removing 22 gives an Irmaan
    place({22, 3, 5, 7}, 2);       // 7 -> 4 would complete line 2
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver(removal, 20), (std::set<int>{7}));
    EXPECT_EQ(message(),
              "COMPUTER: looking the best to kill\n"
              "\tI am beginner, therefore will do in my way\n"
              "Get it step 0\nGet it step 1\n"
              "COMPUTER: finished to look the best to kill on a game.");
}

TEST(BeginnerRemoval, BeforeTheMovesItStartsAtStepTwo) {
    quietBoard(LEVEL_BEGINNER);
    place({16, 19, 0, 9, 21}, 1);
    place({22, 3, 5, 7}, 2);
    snapshotFor(1, PHASE_OPENING);
    EXPECT_EQ(valuesOver(removal, 20), (std::set<int>{22}));
    EXPECT_EQ(message(),
              "COMPUTER: looking the best to kill\n"
              "\tI am beginner, therefore will do in my way\n"
              "Get it step 2\n"
              "COMPUTER: finished to look the best to kill on a game.");
    EXPECT_FALSE(logged("Get it step"));  // the report is not logged by the search
}

TEST(BeginnerRemoval, RandomWhenNothingElse) {
    quietBoard(LEVEL_BEGINNER);
    place({0}, 1);
    place({23, 12}, 2);
    snapshotFor(1, PHASE_CONTENDING);
    EXPECT_EQ(valuesOver(removal), (std::set<int>{12, 23}));
    EXPECT_EQ(message(),
              "COMPUTER: looking the best to kill\n"
              "\tI am beginner, therefore will do in my way\n"
              "Get it step 0\nGet it step 1\nGet it step 2\nGet it step 3\nGet it step 4\n"
              "Get it randomly\n"
              "COMPUTER: finished to look the best to kill on a game.");
}

TEST(StrongLevels, NoviceAndExpertDecideAndReportWhatTheySaw) {
    engine::useEndgameTables(nullptr);  // five against four is in the tables: the searches' own reports
    quietBoard(LEVEL_NOVICE);
    for (GameLevels level : {LEVEL_NOVICE, LEVEL_EXPERT}) {
        iGame->setGameLevel(level);
        for (int cell = 0; cell < CELL_COUNT; ++cell) lift(cell);
        const std::string seen = level == LEVEL_NOVICE ? "\tnovice: " : "\texpert: depth ";
        fiveAgainstFour();
        const int step = move();
        ASSERT_GE(step, 0) << level;
        EXPECT_TRUE(doIOwn(step / 100, 1) && en_cell[step % 100]->isEmpty()) << step;
        EXPECT_EQ(message().rfind("COMPUTER: looking the best movement\n" + seen, 0), 0u) << message();
        EXPECT_NE(message().find("\n\t5 cells of mine and\n\t4 cells of yours and\n\t15 free cells."),
                  std::string::npos) << message();
        EXPECT_TRUE(logged(seen)) << "the flow logs no move report, the decision does";
        const int removed = removal();
        EXPECT_TRUE(doIOwn(removed, 2)) << removed;
        EXPECT_EQ(message().rfind("COMPUTER: looking the best to kill\n" + seen, 0), 0u) << message();

        snapshotFor(2);
        const int placed = choice();
        ASSERT_GE(placed, 0);
        EXPECT_TRUE(en_cell[placed]->isEmpty());
        EXPECT_EQ(message().rfind(seen, 0), 0u) << message();
    }
}

TEST(LaterLevels, ALevelOutOfRangeSaysItShouldNeverHappen) {
    quietBoard(static_cast<GameLevels>(7));
    fiveAgainstFour();
    EXPECT_EQ(choice(), -untouched);
    EXPECT_EQ(message(),
              "COMPUTER: looked the best choice: level 7\n"
              "\tOpps! this should never had happen\n");
    EXPECT_EQ(move(), -1);
    EXPECT_NE(message().find("\tOpps! this should never had happen\n"), std::string::npos);
    EXPECT_EQ(removal(), -untouched);
    EXPECT_NE(message().find("\tOpps! this should never had happen\n"), std::string::npos);
}

TEST(Report, MessageIsCutTo255Characters) {
    Game game;
    game.setMessage(std::string(300, 'x').c_str());
    EXPECT_EQ(std::string(game.getMessage()), std::string(255, 'x'));
}

TEST(Report, ThinkingShowsWhileTheBeginnerPlaces) {
    quietBoard(LEVEL_BEGINNER);
    drawThinkingFrames = true;
    snapshotFor(1);
    currentPlayer->setState(WAITING);
    long before = thinkingFramesDrawn();
    ASSERT_GE(choice(), 0);
    // On the empty board three threat searches find nothing, each drawing a
    // frame for every free point.
    EXPECT_EQ(thinkingFramesDrawn() - before, 3 * 24);
    EXPECT_EQ(currentPlayer->getState(), THINKING);
}
