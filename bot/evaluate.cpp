#include "bot/evaluate.h"

namespace engine {

namespace {

const int STEP_THREAT = 140;
const int PLACING_THREAT = 45;
const int REOPENABLE_LINE = 110;
const int MOBILITY = 9;
const int BLOCKED_PIECE = 6;
const int PENDING_REMOVAL = 800;

// A full line one of whose pieces can step off and back: each pair of moves
// makes the line again.
int reopenableLines(const Position& position, int side) {
    const Points own = position.pieces[side], empty = position.empty();
    int lines = 0;
    for (Points line : linePoints) {
        if ((own & line) != line) continue;
        for (Points pieces = line; pieces; pieces &= pieces - 1)
            if (neighbourPoints[__builtin_ctz(pieces)] & empty & ~line) {
                ++lines;
                break;
            }
    }
    return lines;
}

int placingThreats(const Position& position, int side) {
    const Points own = position.pieces[side], empty = position.empty();
    int threats = 0;
    for (Points line : linePoints)
        if (popcount(own & line) == 2 && popcount(empty & line) == 1) ++threats;
    return threats;
}

int mobilityOf(const Position& position, int side, int& blocked) {
    const Points empty = position.empty();
    int steps = 0;
    blocked = 0;
    for (Points own = position.pieces[side]; own; own &= own - 1) {
        int reachable = popcount(neighbourPoints[__builtin_ctz(own)] & empty);
        steps += reachable;
        blocked += reachable == 0;
    }
    return steps;
}

int sideScore(const Position& position, int side) {
    int score = (position.count(side) + position.toPlace[side]) * PIECE_VALUE;
    if (position.phase == PLACING) {
        score += placingThreats(position, side) * PLACING_THREAT;
        return score;
    }
    score += stepThreats(position, side) * STEP_THREAT;
    score += reopenableLines(position, side) * REOPENABLE_LINE;
    int blocked;
    score += mobilityOf(position, side, blocked) * MOBILITY;
    score -= blocked * BLOCKED_PIECE;
    return score;
}

}  // namespace

int stepThreats(const Position& position, int side) {
    const Points own = position.pieces[side], empty = position.empty();
    int threats = 0;
    for (Points line : linePoints) {
        if (popcount(own & line) != 2) continue;
        const Points gap = empty & line;
        if (!gap) continue;
        if (neighbourPoints[__builtin_ctz(gap)] & own & ~line) ++threats;
    }
    return threats;
}

int evaluate(const Position& position) {
    const int side = position.side;
    int score = sideScore(position, side) - sideScore(position, 1 - side);
    if (position.mustRemove && position.phase == MOVING) score += PENDING_REMOVAL;
    return score;
}

}  // namespace engine
