// A compact model of a game for the search: both sides' pieces as bit sets
// of the 24 points, the pieces left to place, the phase, who made the first
// line, the opening removals done, the side to act and whether it must
// remove a piece or moves again on a safe route. Small, flat, cheap to copy.
//
// Sides are 0 (player id 1) and 1 (player id 2). The rules are those of the
// game flow, including who removes and moves first after the placing, which
// depends on whether the deciding player is a person or the computer.
#pragma once

#include <cstdint>

namespace engine {

using Points = uint32_t;  // bit p set: point p

enum Phase : uint8_t { PLACING = 0, OPENING = 1, MOVING = 2, OVER = 3 };

// A placement (from = -1), a removal (to = -1) or a step (both set).
struct Move {
    int8_t from = -1;
    int8_t to = -1;

    bool isPlacement() const { return from < 0 && to >= 0; }
    bool isRemoval() const { return from >= 0 && to < 0; }
    bool isStep() const { return from >= 0 && to >= 0; }
    bool operator==(const Move& other) const { return from == other.from && to == other.to; }
    bool operator!=(const Move& other) const { return !(*this == other); }
};

const int MAX_MOVES = 64;

struct MoveList {
    Move moves[MAX_MOVES];
    int count = 0;
    void add(Move move) { moves[count++] = move; }
};

struct Position {
    Points pieces[2] = {0, 0};
    uint8_t toPlace[2] = {12, 12};
    Phase phase = PLACING;
    uint8_t side = 0;           // the side to act
    int8_t firstLineBy = -1;    // side that made the first line while placing
    uint8_t removalsDone = 0;   // bit s: side s made its opening removal
    bool mustRemove = false;    // the side to act removes an opposing piece
    bool safeRoute = false;     // a line made now removes nothing
    uint8_t computerSides = 0;  // bit s: side s is played by the computer
    int8_t winner = -1;
    uint64_t hash = 0;

    Points occupied() const { return pieces[0] | pieces[1]; }
    Points empty() const { return ~occupied() & ALL_POINTS; }
    int count(int s) const;

    static const Points ALL_POINTS = (1u << 24) - 1;
};

// The neighbours of each point, and the lines, as bit sets.
extern Points neighbourPoints[24];
extern Points linePoints[16];
extern Points linesThrough[24][2];  // the two lines through a point, as bit sets
void initTables();

// A new game, `first` to place.
Position startingPosition(int first, uint8_t computerSides);

// Recomputes `hash` from scratch (after building a position by hand).
void rehash(Position& position);

// The legal moves of the side to act.
void generateMoves(const Position& position, MoveList& list);

// Plays a legal move. Returns true when the side to act changed.
bool play(Position& position, Move move);

// The side to act can step some piece to an empty neighbour.
bool canStep(const Position& position, int side);

// Lines of `side` that a piece of `side` on `point` would complete (the
// other two points of the line hold its pieces).
inline bool completesLine(Points own, int point) {
    const Points bit = 1u << point;
    for (Points line : linesThrough[point]) {
        const Points others = line & ~bit;
        if ((own & others) == others) return true;
    }
    return false;
}

inline int popcount(Points bits) { return __builtin_popcount(bits); }

}  // namespace engine
