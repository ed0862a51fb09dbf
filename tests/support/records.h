// Test support for game records: games of random legal actions played
// through the replay, the records made of them, and a short game written
// by hand whose every turn is known.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "records/gamerecord.h"

// Random legal actions until the game is over or `maxActions` are played.
inline records::GameReplay randomGame(unsigned seed, uint8_t computerSides, int maxActions = 4000) {
    std::mt19937 random(seed);
    records::GameReplay replay(static_cast<int>(random() % 2), computerSides);
    for (int i = 0; i < maxActions && replay.now().phase != engine::OVER; ++i) {
        engine::MoveList list;
        engine::generateMoves(replay.now(), list);
        if (list.count == 0) break;
        EXPECT_EQ(replay.play(list.moves[random() % list.count]), "");
    }
    return replay;
}

// The record of a random game won by `winner` (side 0 or 1), the first
// seed from `seed` on that gives one; players named after their side.
inline records::GameRecord finishedRecord(int winner, uint8_t computerSides, int level = 0, unsigned seed = 1) {
    for (;; ++seed) {
        const records::GameReplay replay = randomGame(seed, computerSides);
        if (replay.now().phase != engine::OVER || replay.now().winner != winner) continue;
        records::GameRecord record = recordOf(replay);
        record.players[0].name = "Asha";
        for (records::RecordPlayer& player : record.players) player.level = level;
        return record;
    }
}

// Two people, One first: One's line a7-d7-g7 while placing gives it the
// first removal and the first step; then a line of each side in the
// moving phase (turns 28 and 29). Lines 10-12 hold the turns.
const char* const handWrittenRecord =
    "[Event \"Zelk\"]\n"
    "[Date \"2025.01.02\"]\n"
    "[One \"Asha\"]\n"
    "[Two \"Bile\"]\n"
    "[OneKind \"Human\"]\n"
    "[TwoKind \"Human\"]\n"
    "[FirstMover \"One\"]\n"
    "[Result \"*\"]\n"
    "\n"
    "1. a7 2. b6 3. d7 4. d6 5. g7 6. c5 7. a4 8. d5 9. b4 10. e5 11. c4 12. f6\n"
    "13. e4 14. f4 15. g4 16. c3 17. d3 18. e3 19. b2 20. d2 21. f2 22. a1 23. d1\n"
    "24. g1 25. xd6 26. xd7 27. a7-d7 28. d5-d6xb4 29. a4-a7xc5 30. e5-d5 *\n";
