// The compact position of the strong levels against the game's own rules:
// the same legal moves, the same lines, the same blocked players, and whole
// games played through the real flow that the model follows step by step.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

#include "app/globals.h"
#include "app/pacing.h"
#include "bot/livegame.h"
#include "bot/position.h"
#include "sprites/glide.h"
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

Position randomPosition(std::mt19937& random) {
    Position position;
    std::vector<int> points(24);
    for (int i = 0; i < 24; ++i) points[i] = i;
    std::shuffle(points.begin(), points.end(), random);
    int ones = random() % 13, twos = random() % 13;
    for (int i = 0; i < ones; ++i) position.pieces[0] |= 1u << points[i];
    for (int i = 0; i < twos; ++i) position.pieces[1] |= 1u << points[ones + i];
    position.phase = random() % 2 ? engine::PLACING : engine::MOVING;
    position.toPlace[0] = static_cast<uint8_t>(12 - ones);
    position.toPlace[1] = static_cast<uint8_t>(12 - twos);
    position.side = static_cast<uint8_t>(random() % 2);
    engine::rehash(position);
    return position;
}

std::set<std::pair<int, int>> modelMoves(const Position& position) {
    MoveList list;
    engine::generateMoves(position, list);
    std::set<std::pair<int, int>> moves;
    for (int i = 0; i < list.count; ++i) moves.insert({list.moves[i].from, list.moves[i].to});
    return moves;
}

// What the click handlers accept on the live board for the player `id`.
std::set<std::pair<int, int>> liveMoves(const Position& position, int id) {
    std::set<std::pair<int, int>> moves;
    for (int to = 0; to < CELL_COUNT; ++to) {
        if (!en_cell[to]->isEmpty()) continue;
        if (position.phase == engine::PLACING) {
            if (nextPieceAtHome(id) >= 0) moves.insert({-1, to});
            continue;
        }
        for (int from = 0; from < CELL_COUNT; ++from)
            if (doIOwn(from, id) && canIMoveFromTo(from, to)) moves.insert({from, to});
    }
    return moves;
}

// The live board's answer: does this placement or step complete a line?
bool liveLine(int from, int to, int id) {
    const int pawn = from >= 0 ? en_cell[from]->getCurrentPawn() : -1;
    if (from >= 0) en_cell[from]->setState(CELL_EMPTY);
    const int line = didIMakeJare(to, id);
    if (from >= 0) move_pawn_to_cell(pawn, from, id);
    return line >= 0 && (from < 0 || !lineHasCell(line, from));
}

auto fields(const Position& p) {
    return std::make_tuple(p.pieces[0], p.pieces[1], p.toPlace[0], p.toPlace[1], p.phase, p.side, p.firstLineBy,
                           p.removalsDone, p.mustRemove, p.safeRoute);
}

std::string show(const Position& p) {
    char text[160];
    snprintf(text, sizeof text, "pieces %06x/%06x place %d/%d phase %d side %d first %d removed %d remove %d safe %d",
             p.pieces[0], p.pieces[1], p.toPlace[0], p.toPlace[1], p.phase, p.side, p.firstLineBy, p.removalsDone,
             p.mustRemove, p.safeRoute);
    return text;
}

}  // namespace

TEST(PositionModel, AgreesWithTheLiveBoardOnMovesLinesAndBlockedPlayers) {
    startHeadlessGame();
    std::mt19937 random(2024);
    for (int round = 0; round < 3000; ++round) {
        Position position = randomPosition(random);
        showOnBoard(position);
        const int id = position.side + 1;
        ASSERT_EQ(modelMoves(position), liveMoves(position, id)) << show(position);
        for (auto [from, to] : modelMoves(position)) {
            const engine::Points own = position.pieces[position.side];
            const bool modelLine = engine::completesLine(from >= 0 ? own & ~(1u << from) : own, to);
            ASSERT_EQ(modelLine, liveLine(from, to, id)) << show(position) << " " << from << "-" << to;
        }
        for (int side = 0; side < 2; ++side)
            ASSERT_EQ(engine::canStep(position, side), playerCanMove(side + 1)) << show(position);
        bool liveFullLine = false;
        for (int line = 0; line < LINE_COUNT; ++line)
            liveFullLine |= doIOwn(jare[line][0], 1) && doIOwn(jare[line][1], 1) && doIOwn(jare[line][2], 1);
        ASSERT_EQ(engine::fullLines(position.pieces[0]) > 0, liveFullLine) << show(position);
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
            ASSERT_EQ(fields(before), fields(model)) << "game " << game << " action " << actions << "\n live  "
                                                     << show(before) << "\n model " << show(model);
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

namespace {

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

Position movingPosition(const std::vector<int>& one, const std::vector<int>& two, int side) {
    Position position;
    position.phase = engine::MOVING;
    position.toPlace[0] = position.toPlace[1] = 0;
    position.removalsDone = 3;
    for (int p : one) position.pieces[0] |= 1u << p;
    for (int p : two) position.pieces[1] |= 1u << p;
    position.side = static_cast<uint8_t>(side);
    engine::rehash(position);
    return position;
}

}  // namespace

TEST(PositionModel, CountsTheSameMoveSequencesAsTheLiveBoard) {
    startHeadlessGame();
    const Position positions[] = {
        // Right after the opening removals: two empty points.
        movingPosition({0, 1, 3, 6, 8, 9, 10, 12, 16, 19, 20}, {4, 5, 7, 11, 13, 14, 15, 17, 18, 21, 22}, 0),
        // Lines to be made and pieces to be removed, down to the end of a game.
        movingPosition({0, 1, 9, 4, 7}, {21, 22, 14, 12}, 0),
        movingPosition({0, 2, 4, 10}, {9, 21, 13, 23, 19}, 1),
        movingPosition(boxedInOne, boxedInTwo, 0),  // then a safe route
    };
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
