// Test support for the endgame tables: the 3-against-3 slice solved once per
// process, and moving-phase positions built from two sets of points.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "bot/endgamesolver.h"
#include "bot/endgametables.h"
#include "bot/position.h"

inline const engine::EndgameTables& solvedThrees() {
    static engine::EndgameTables tables;
    static const bool solved = engine::solveEndgames(tables, 3);
    EXPECT_TRUE(solved);
    return tables;
}

inline engine::Points pointSet(const std::vector<int>& list) {
    engine::Points bits = 0;
    for (int point : list) bits |= 1u << point;
    return bits;
}

// The side to act owns `own`; the other side `theirs`.
inline engine::Position movingPosition(engine::Points own, engine::Points theirs, bool safeRoute = false) {
    engine::Position position;
    position.pieces[0] = own;
    position.pieces[1] = theirs;
    position.toPlace[0] = position.toPlace[1] = 0;
    position.phase = engine::MOVING;
    position.side = 0;
    position.removalsDone = 3;
    position.safeRoute = safeRoute;
    engine::rehash(position);
    return position;
}
