// The take-back history of the game under way: the position at the start
// of every turn a person is to play, in order, and where in that list the
// game stands. Against the computer its turns fall between two entries, so
// one step back gives the person the turn again.
#pragma once

#include <vector>

#include "rules/snapshot.h"

class GameHistory {
public:
    // Remembers `now` when it is not the position the game stands at; what
    // was taken back and not played again is forgotten.
    void note(const GameSnapshot& now);
    // The position to go back to from `now`: the start of the turn under way
    // when `now` is half-way through it (a line made, a piece in hand), else
    // the start of the turn before. Null when there is none.
    const GameSnapshot* takeBack(const GameSnapshot& now);
    // The position taken back last, to play it again; null when none is left.
    const GameSnapshot* redo();
    void clear();

    const std::vector<GameSnapshot>& entries() const { return positions; }
    // Index of the entry the game stands at; -1 when empty.
    int cursor() const { return at; }
    // Replaces the whole history (a resumed game); false, with nothing
    // changed, when `cursor` is not an index of `entries`.
    bool replace(std::vector<GameSnapshot> entries, int cursor);

private:
    std::vector<GameSnapshot> positions;
    int at = -1;
};

extern GameHistory gameHistory;

// The game goes back to the start of the last turn (or forward to the one
// taken back last), reported as replaced; false, with nothing changed, when
// there is none. `change` counts what lay between.
bool takeBackTurn(ChangeCount& change);
bool playTurnAgain(ChangeCount& change);
// A saved game put back, reported as resumed, with its history; false when
// the history does not fit (it is then left as it was).
bool resumeGame(std::vector<GameSnapshot> history, int cursor, const GameSnapshot& now);

// The live game is at the start of a person's turn: nothing glides, and the
// player to act is a person choosing a piece (or holding it), or removing
// one in the opening. Half-way through a turn and during the computer's it
// is not.
bool atTurnStart();
