// A whole game as one small value: the pieces, both players' turn
// bookkeeping, the phase, the first line, the safe route, whose turn it is,
// the turn clock and the record for the upload. Taken where a player is to
// act; restoring one leaves the flow as a normal turn would have left it.
#pragma once

#include <string>

// Where a piece is: still at home to be placed, on a point, or removed.
enum SnapshotPieceWhere : int { PIECE_AT_HOME = -1, PIECE_REMOVED = -2 };

struct PlayerSnapshot {
    int pawnsOnBoard = 0;
    bool openedTheGame = false;
    int state = 4;  // a PlayerStates value: CHOOSING, HITTING or WAITING
};

struct GameSnapshot {
    int gamePhase = 0;
    int whoseFirstJare = 0;
    bool safemovement = false;
    int toAct = 1;  // id of the player to act
    PlayerSnapshot players[2];
    int pieces[24];  // a point 0-23, PIECE_AT_HOME or PIECE_REMOVED
    unsigned clockMilliseconds = 0;
    std::string record;

    GameSnapshot();
    // Everything but the clock, which runs on while the position stands.
    bool samePosition(const GameSnapshot& other) const;
    bool operator==(const GameSnapshot& other) const;
};

// The live game, `clockMilliseconds` into its turn. A piece on its way is
// taken where it goes; a piece in a person's hand is taken back where it
// came from.
GameSnapshot captureGame(unsigned clockMilliseconds);

// Puts the live game in `snapshot`'s position, with the player to act ready
// to choose (or to remove); the engines forget the game they followed. The
// turn's clock is the caller's to set from the snapshot.
void restoreGame(const GameSnapshot& snapshot);

// What lies between two positions, either way round: the pieces placed,
// moved and removed.
struct ChangeCount {
    int placements = 0, moves = 0, removals = 0;
};
ChangeCount countChange(const GameSnapshot& one, const GameSnapshot& other);
