// The flow with no window at all: two people's whole games played through
// its actions alone, with every hook recorded. What the hooks report is
// enough to follow the game: a board kept from them alone matches the real
// one at every step, each action comes from the player the turn went to,
// and the game ends once, with its winner.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/hooks.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/play.h"
#include "support/position.h"
#include "support/testenv.h"

namespace {

// The game as the hooks tell it.
struct Follower {
    int board[CELL_COUNT] = {};
    int toAct = 0, placed = 0, openingRemovals = 0, winner = 0, linesShown = 0;
    bool lineOwed = false;  // a line was made in the moving phase: a removal follows
    std::vector<std::string> faults;

    void fault(const std::string& what) { faults.push_back(what); }
    void byTheMover(int player, const char* action) {
        if (player != toAct) fault(std::string(action) + " by player " + std::to_string(player) + " out of turn");
    }
};

Follower follower;

FlowHooks recordingHooks() {
    FlowHooks hooks;
    hooks.handChanged = [](int player) { follower.toAct = player; };
    hooks.placed = [](int player, int cell, bool) {
        follower.byTheMover(player, "a placement");
        if (follower.board[cell] != 0) follower.fault("a placement on a taken point");
        follower.board[cell] = player;
        ++follower.placed;
    };
    hooks.stepped = [](int player, int from, int to, bool, bool) {
        follower.byTheMover(player, "a step");
        if (follower.board[from] != player || follower.board[to] != 0 || !areNeighbours(from, to))
            follower.fault("a step that is no step");
        follower.board[from] = 0;
        follower.board[to] = player;
        follower.lineOwed = didIMakeJare(to, player) >= 0 && !safemovement;
    };
    hooks.removed = [](int player, int cell, bool opening) {
        follower.byTheMover(player, "a removal");
        if (follower.board[cell] != 3 - player) follower.fault("a removal of no opposing piece");
        if (!opening && !follower.lineOwed) follower.fault("a removal without a line");
        follower.board[cell] = 0;
        follower.openingRemovals += opening;
        follower.lineOwed = false;
    };
    hooks.lineShown = [](int) { ++follower.linesShown; };
    hooks.glideFrame = [] {
        for (Pawn* pawn : en_pawn)
            if (pawn->glides()) pawn->state = pawn->state == PAWN_RETURNING ? PAWN_RETURNED : PAWN_PLACED;
    };
    hooks.gameOver = [](int winner) {
        follower.winner = winner;
        return false;
    };
    return hooks;
}

// The live board, 0 for a free point.
std::vector<int> liveBoard() {
    std::vector<int> board;
    for (int c = 0; c < CELL_COUNT; ++c) board.push_back(doIOwn(c, 1) ? 1 : doIOwn(c, 2) ? 2 : 0);
    return board;
}

// One action of a person who plays at random, lines first; false when none.
bool act(std::mt19937& random) {
    const auto [from, to] = randomAction(random);
    if (to < 0) return false;
    if (from >= 0)
        pickUpPawn(en_cell[from]->getCurrentPawn());
    else if (!currentPlayer->isHitting())
        pickUpPawn(nextPieceAtHome(currentPlayer->id));
    clickCell(to);
    return true;
}

}  // namespace

TEST(FlowWithoutAWindow, ReportsEveryActionOfWholeGamesInOrder) {
    enterScratchDirectory();
    for (int c = 0; c < CELL_COUNT; ++c) en_cell[c] = new Cell(cellPlaces[c][0], cellPlaces[c][1], 50, 50, nullptr, nullptr, nullptr);
    for (int p = 0; p < PAWN_COUNT; ++p) en_pawn[p] = new Pawn(0, 0, 50, 50, nullptr, nullptr, nullptr, p < 12 ? 1 : 2);
    playerOne = new iPlayer();
    playerTwo = new iPlayer();
    playerOne->id = 1;
    playerTwo->id = 2;
    iGame = new Game();
    setFlowHooks(recordingHooks());
    for (unsigned seed = 1; seed <= 3; ++seed) {
        follower = Follower();
        quit = false;
        std::mt19937 random(seed);
        resetall();
        startGame(seed % 2 ? playerOne : playerTwo);
        int actions = 0;
        while (follower.winner == 0 && actions < 3000 && act(random)) {
            ++actions;
            ASSERT_EQ(std::vector<int>(follower.board, follower.board + CELL_COUNT), liveBoard()) << "action " << actions;
            if (state == STATE_PLAYING) {
                ASSERT_EQ(follower.toAct, currentPlayer->id) << "action " << actions;
            }
        }
        EXPECT_EQ(follower.faults, std::vector<std::string>{}) << "seed " << seed;
        EXPECT_EQ(follower.placed, 24);
        EXPECT_EQ(follower.openingRemovals, 2);
        ASSERT_NE(follower.winner, 0) << "no end after " << actions << " actions";
        int left[3] = {0, 0, 0};
        for (int owner : follower.board) ++left[owner];
        EXPECT_EQ(left[3 - follower.winner], 2) << "the loser has two pieces";
        EXPECT_GT(left[follower.winner], 2);
        EXPECT_GE(follower.linesShown, 1);
    }
    setFlowHooks(FlowHooks());
}
