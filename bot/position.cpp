#include "bot/position.h"

#include "rules/board.h"

namespace engine {

Points neighbourPoints[24];
Points linePoints[16];
Points linesThrough[24][2];

namespace {

uint64_t pieceKeys[2][24];

uint64_t splitmix(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

struct TablesInit {
    TablesInit() { initTables(); }
} tablesInit;

bool isComputer(const Position& position, int side) {
    return (position.computerSides >> side) & 1;
}

void addPiece(Position& position, int side, int point) {
    position.pieces[side] |= 1u << point;
    position.hash ^= pieceKeys[side][point];
}

void removePiece(Position& position, int side, int point) {
    position.pieces[side] &= ~(1u << point);
    position.hash ^= pieceKeys[side][point];
}

// The turn passes, unless the other side cannot step: then the mover goes
// again on a safe route (the user is taken to grant it).
bool passTurn(Position& position) {
    position.safeRoute = false;
    int other = 1 - position.side;
    if (position.phase == MOVING && !canStep(position, other)) {
        position.safeRoute = true;
        return false;
    }
    position.side = static_cast<uint8_t>(other);
    return true;
}

}  // namespace

void initTables() {
    for (int point = 0; point < 24; ++point) {
        neighbourPoints[point] = 0;
        for (int neighbour : cellAdjents[point])
            if (neighbour >= 0) neighbourPoints[point] |= 1u << neighbour;
    }
    for (int line = 0; line < 16; ++line) {
        linePoints[line] = 0;
        for (int point : jare[line]) linePoints[line] |= 1u << point;
    }
    for (int point = 0; point < 24; ++point)
        for (int k = 0; k < 2; ++k) linesThrough[point][k] = linePoints[cellJare[point][k]];
    uint64_t seed = 0x5A454C4B;  // fixed, so hashes repeat from run to run
    for (auto& side : pieceKeys)
        for (uint64_t& key : side) key = splitmix(seed);
}

int Position::count(int s) const {
    return popcount(pieces[s]);
}

Position startingPosition(int first, uint8_t computerSides) {
    Position position;
    position.side = static_cast<uint8_t>(first);
    position.computerSides = computerSides;
    rehash(position);
    return position;
}

void rehash(Position& position) {
    position.hash = 0;
    for (int side = 0; side < 2; ++side)
        for (int point = 0; point < 24; ++point)
            if (position.pieces[side] & (1u << point)) position.hash ^= pieceKeys[side][point];
}

bool canStep(const Position& position, int side) {
    const Points empty = position.empty();
    for (Points own = position.pieces[side]; own; own &= own - 1)
        if (neighbourPoints[__builtin_ctz(own)] & empty) return true;
    return false;
}

void generateMoves(const Position& position, MoveList& list) {
    list.count = 0;
    const int side = position.side, other = 1 - side;
    if (position.phase == OVER) return;
    if (position.phase == PLACING) {
        if (position.toPlace[side] == 0) return;
        for (Points free = position.empty(); free; free &= free - 1)
            list.add(Move{-1, static_cast<int8_t>(__builtin_ctz(free))});
        return;
    }
    if (position.mustRemove || position.phase == OPENING) {
        for (Points theirs = position.pieces[other]; theirs; theirs &= theirs - 1)
            list.add(Move{static_cast<int8_t>(__builtin_ctz(theirs)), -1});
        return;
    }
    const Points empty = position.empty();
    for (Points own = position.pieces[side]; own; own &= own - 1) {
        int from = __builtin_ctz(own);
        for (Points to = neighbourPoints[from] & empty; to; to &= to - 1)
            list.add(Move{static_cast<int8_t>(from), static_cast<int8_t>(__builtin_ctz(to))});
    }
}

bool play(Position& position, Move move) {
    const int side = position.side, other = 1 - side;
    switch (position.phase) {
        case PLACING: {
            const bool line = completesLine(position.pieces[side], move.to);
            addPiece(position, side, move.to);
            position.toPlace[side]--;
            if (line && position.firstLineBy < 0) position.firstLineBy = static_cast<int8_t>(side);
            if (position.toPlace[0] > 0 || position.toPlace[1] > 0) {
                position.side = static_cast<uint8_t>(other);
                return true;
            }
            // The board is full: the first line's maker removes first; when
            // nobody made one, a person who placed last removes first, and
            // after the computer's last placement the other player does.
            position.phase = OPENING;
            position.mustRemove = true;
            int first = position.firstLineBy >= 0 ? position.firstLineBy
                        : isComputer(position, side) ? other
                                                     : side;
            position.side = static_cast<uint8_t>(first);
            return first != side;
        }
        case OPENING: {
            removePiece(position, other, move.from);
            position.removalsDone |= static_cast<uint8_t>(1u << side);
            if (position.removalsDone != 3) {
                position.side = static_cast<uint8_t>(other);
                return true;
            }
            // Both removed: the first line's maker moves first; otherwise a
            // person who removed second moves first, and after the
            // computer's removal the player who removed first does.
            position.phase = MOVING;
            position.mustRemove = false;
            int first = position.firstLineBy >= 0 ? position.firstLineBy
                        : isComputer(position, side) ? other
                                                     : side;
            position.side = static_cast<uint8_t>(1 - first);
            passTurn(position);
            return position.side != side;
        }
        case MOVING: {
            if (position.mustRemove) {
                removePiece(position, other, move.from);
                position.mustRemove = false;
                if (position.count(other) <= 2) {
                    position.phase = OVER;
                    position.winner = static_cast<int8_t>(side);
                    return false;
                }
                return passTurn(position);
            }
            removePiece(position, side, move.from);
            addPiece(position, side, move.to);
            if (!position.safeRoute && completesLine(position.pieces[side], move.to)) {
                position.mustRemove = true;
                position.safeRoute = false;
                return false;
            }
            return passTurn(position);
        }
        case OVER:
            break;
    }
    return false;
}

}  // namespace engine
