// The solved endgames: every moving-phase position with 3 up to `most`
// pieces a side (and at most `mostTotal` in all), won, lost or drawn for the side to act, with the number of
// turns to the end (a step and the removal it earns are one turn, and so is
// each step of a safe route). Built by the solver, saved to and read from a
// file of its own; probed by the Expert and the Novice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bot/endgameindex.h"
#include "bot/position.h"

namespace engine {

// One stored value: 0 drawn, 1-127 won in that many turns, 128-254 lost in
// (value - 127) turns, 255 a position the game never reaches (the side to
// act cannot step, or a safe route while the other side could step).
using EndgameValue = uint8_t;
const EndgameValue DRAWN = 0;
const EndgameValue NO_POSITION = 255;
const int LONGEST = 127;

inline bool isWon(EndgameValue value) { return value >= 1 && value <= LONGEST; }
inline bool isLost(EndgameValue value) { return value > LONGEST && value != NO_POSITION; }
inline int turnsLeft(EndgameValue value) { return isLost(value) ? value - LONGEST : value; }
inline EndgameValue won(int turns) { return static_cast<EndgameValue>(turns); }
inline EndgameValue lost(int turns) { return static_cast<EndgameValue>(turns + LONGEST); }

class EndgameTables {
public:
    // `mostTotal` 0: every slice up to `most` a side.
    explicit EndgameTables(int most = 0, int mostTotal = 0);
    int most() const { return mostPieces; }
    int mostTotal() const { return totalPieces; }
    bool covers(int own, int theirs) const {
        return own >= ENDGAME_FEWEST && theirs >= ENDGAME_FEWEST && own <= mostPieces && theirs <= mostPieces &&
               own + theirs <= totalPieces;
    }
    bool covers(const Position& position) const;
    // For the side to act with `own` against `theirs`.
    EndgameValue value(Points own, Points theirs, bool safeRoute) const {
        return slice(safeRoute, popcount(own), popcount(theirs))[sliceIndex(own, theirs)];
    }
    // The position's value for its side to act; a pending removal takes the
    // best one. Only for positions it covers.
    EndgameValue value(const Position& position) const;

    std::vector<EndgameValue>& slice(bool safeRoute, int own, int theirs) { return values[safeRoute][own][theirs]; }
    const std::vector<EndgameValue>& slice(bool safeRoute, int own, int theirs) const {
        return values[safeRoute][own][theirs];
    }

    // Covers up to `mostTotal` pieces in all; the slices added stay empty
    // until the solver fills them.
    void widen(int mostTotal);

    // The slices with `fromTotal` pieces in all or more, compressed, written
    // whole to a new file and renamed into place: a file that exists is
    // complete.
    bool save(const std::string& path, int fromTotal = 2 * ENDGAME_FEWEST) const;
    // Adds the slices of a file that begins where these end (every slice
    // from the fewest pieces when these hold none): a base file, then the
    // file of the larger slices, read as one. A file that does not follow,
    // is cut or damaged changes nothing.
    bool load(const std::string& path);

private:
    int mostPieces;
    int totalPieces;
    std::vector<EndgameValue> values[2][ENDGAME_MOST + 1][ENDGAME_MOST + 1];
};

// Won beats drawn beats lost; the nearer win, the farther loss.
bool better(EndgameValue a, EndgameValue b);

// The value for the side to act of a turn's result seen from whoever acts next.
EndgameValue afterTurn(EndgameValue next, bool sameSide);

}  // namespace engine
