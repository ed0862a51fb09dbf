// The compact position of the strong levels against the game's own rules:
// the same blocked players and lines, whole games played through the real
// flow that the model follows step by step, and the same move sequences
// counted on the live board.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "app/globals.h"
#include "app/pacing.h"
#include "bot/livegame.h"
#include "bot/position.h"
#include "sprites/glide.h"
#include "support/endgames.h"
#include "support/events.h"
#include "support/play.h"
#include "support/position.h"

using engine::Move;
using engine::MoveList;
using engine::Position;

namespace {

std::vector<int> pointsOf(engine::Points pieces) {
    std::vector<int> points;
    for (int point = 0; point < CELL_COUNT; ++point)
        if (pieces & (1u << point)) points.push_back(point);
    return points;
}

void showOnBoard(const Position& position) {
    setBoard(pointsOf(position.pieces[0]), pointsOf(position.pieces[1]));
}

auto fields(const Position& p) {
    return std::make_tuple(p.pieces[0], p.pieces[1], p.toPlace[0], p.toPlace[1], p.phase, p.side, p.firstLineBy,
                           p.removalsDone, p.mustRemove, p.safeRoute);
}

std::string show(const Position& p) {
    return testing::PrintToString(fields(p));
}

// Counts move sequences of the moving phase on the live board, with the
// board's own queries: empty points, neighbours, lines, blocked players.
struct LivePerft {
    int side;  // 0 or 1
    bool mustRemove = false;
    bool safeRoute = false;

    long count(int depth) {
        if (depth == 0) return 1;
        const int id = side + 1, otherId = 2 - side;
        long total = 0;
        if (mustRemove) {
            for (int cell = 0; cell < CELL_COUNT; ++cell) {
                if (!doIOwn(cell, otherId)) continue;
                const int pawn = en_cell[cell]->getCurrentPawn();
                en_cell[cell]->setState(CELL_EMPTY);
                LivePerft next = *this;
                next.mustRemove = false;
                int left = 0;
                for (int c = 0; c < CELL_COUNT; ++c) left += doIOwn(c, otherId);
                total += left <= 2 ? 1 : next.passTurn().count(depth - 1);
                move_pawn_to_cell(pawn, cell, otherId);
            }
            return total;
        }
        for (int from = 0; from < CELL_COUNT; ++from) {
            if (!doIOwn(from, id)) continue;
            for (int to : cellAdjents[from]) {
                if (to < 0 || !en_cell[to]->isEmpty()) continue;
                const int pawn = en_cell[from]->getCurrentPawn();
                en_cell[from]->setState(CELL_EMPTY);
                move_pawn_to_cell(pawn, to, id);
                LivePerft next = *this;
                if (!safeRoute && didIMakeJare(to, id) >= 0) {
                    next.mustRemove = true;
                    total += next.count(depth - 1);
                } else {
                    total += next.passTurn().count(depth - 1);
                }
                en_cell[to]->setState(CELL_EMPTY);
                move_pawn_to_cell(pawn, from, id);
            }
        }
        return total;
    }

    LivePerft passTurn() const {
        LivePerft next = *this;
        next.safeRoute = !playerCanMove(2 - side);
        if (!next.safeRoute) next.side = 1 - side;
        return next;
    }
};

long modelPerft(const Position& position, int depth) {
    if (depth == 0 || position.phase == engine::OVER) return 1;
    MoveList list;
    engine::generateMoves(position, list);
    long total = 0;
    for (int i = 0; i < list.count; ++i) {
        Position child = position;
        engine::play(child, list.moves[i]);
        total += modelPerft(child, depth - 1);
    }
    return total;
}

}  // namespace

// Blocked players and the lines each point would complete, on boards of
// every density the games and the perft do not all reach.
TEST(PositionModel, AgreesWithTheLiveBoardOnBlockedPlayersAndLines) {
    startHeadlessGame();
    std::mt19937 random(2024);
    for (int round = 0; round < 3000; ++round) {
        engine::Points one = random() & random() & Position::ALL_POINTS;
        engine::Points two = random() & ~one & Position::ALL_POINTS;
        while (engine::popcount(one) > 12) one &= one - 1;
        while (engine::popcount(two) > 12) two &= two - 1;
        const Position position = movingPosition(one, two);
        showOnBoard(position);
        for (int side = 0; side < 2; ++side)
            ASSERT_EQ(engine::canStep(position, side), playerCanMove(side + 1)) << show(position);
        for (int point : pointsOf(position.empty()))
            ASSERT_EQ(engine::completesLine(one, point), didIMakeJare(point, 1) >= 0) << point << show(position);
    }
}

TEST(PositionModel, FollowsWholeGamesOfTwoPeopleThroughTheRealFlow) {
    startHeadlessGame();
    paceFrames = false;
    setGlideSpeed(0);  // the positions matter, not the frames of each glide
    playerOne->type = playerTwo->type = HUMAN;
    DialogScript::install({}, true);
    for (int game = 0; game < 6; ++game) {
        std::mt19937 random(100 + game);
        resetall();
        startGame(game % 2 ? playerTwo : playerOne);
        Position model = engine::positionFromLiveGame();
        for (int actions = 0; state == STATE_PLAYING && DialogScript::gameOversShown() == game && actions < 3000;
             ++actions) {
            // One action of the automatic person; the model must have a move
            // that leads to the same position.
            const Position before = engine::positionFromLiveGame();
            ASSERT_EQ(fields(before), fields(model)) << "game " << game << " action " << actions;
            playAutomatically(random, 1);
            const bool over = DialogScript::gameOversShown() > game;
            const Position after = engine::positionFromLiveGame();
            bool matched = false;
            MoveList list;
            engine::generateMoves(model, list);
            for (int i = 0; i < list.count && !matched; ++i) {
                Position child = model;
                engine::play(child, list.moves[i]);
                matched = over ? child.phase == engine::OVER : fields(child) == fields(after);
                if (matched) model = child;
            }
            ASSERT_TRUE(matched) << "no move of the model leads from\n " << show(before) << "\nto\n "
                                 << (over ? "the end" : show(after));
        }
        EXPECT_EQ(DialogScript::gameOversShown(), game + 1) << "game " << game;
    }
    DialogScript::remove();
}

TEST(PositionModel, CountsTheSameMoveSequencesAsTheLiveBoard) {
    startHeadlessGame();
    Position positions[] = {
        // Right after the opening removals: two empty points.
        movingPosition(pointSet({0, 1, 3, 6, 8, 9, 10, 12, 16, 19, 20}),
                       pointSet({4, 5, 7, 11, 13, 14, 15, 17, 18, 21, 22})),
        // Lines to be made and pieces to be removed, down to the end of a game.
        movingPosition(pointSet({0, 1, 9, 4, 7}), pointSet({21, 22, 14, 12})),
        movingPosition(pointSet({0, 2, 4, 10}), pointSet({9, 21, 13, 23, 19})),
        movingPosition(pointSet(boxedInOne), pointSet(boxedInTwo)),  // then a safe route
    };
    positions[2].side = 1;
    engine::rehash(positions[2]);
    for (const Position& position : positions) {
        showOnBoard(position);
        for (int depth = 1; depth <= 4; ++depth) {
            LivePerft live{position.side};
            EXPECT_EQ(modelPerft(position, depth), live.count(depth)) << show(position) << " depth " << depth;
        }
    }
    // Counted by hand: in the first position the empty points are 2 and 23;
    // player one reaches only 2 (from 1), then player two steps 4-1, 14-23
    // or 22-23.
    EXPECT_EQ(modelPerft(positions[0], 1), 1);
    EXPECT_EQ(modelPerft(positions[0], 2), 3);
}
