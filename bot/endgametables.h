// The solved endgames: every moving-phase position of the slices held
// (3 and more pieces a side), won, lost or drawn for the side to act, with
// the number of turns to the end (a step and the removal it earns are one
// turn, and so is each step of a safe route). Built by the solver, saved to
// and read from compressed files; probed by the Expert and the Novice.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "bot/endgameindex.h"
#include "bot/position.h"

namespace engine {

// One stored value: 0 drawn, 1-127 won in that many turns, 128-254 lost in
// (value - 127) turns, 255 a position the game never reaches (the side to
// act cannot step, or a safe route while the other side could step) or a
// place that stands for no position.
using EndgameValue = uint8_t;
const EndgameValue DRAWN = 0;
const EndgameValue NO_POSITION = 255;
const int LONGEST = 127;

inline bool isWon(EndgameValue value) { return value >= 1 && value <= LONGEST; }
inline bool isLost(EndgameValue value) { return value > LONGEST && value != NO_POSITION; }
inline int turnsLeft(EndgameValue value) { return isLost(value) ? value - LONGEST : value; }
inline EndgameValue won(int turns) { return static_cast<EndgameValue>(turns); }
inline EndgameValue lost(int turns) { return static_cast<EndgameValue>(turns + LONGEST); }

// The positions of one slice: the normal ones by place; those of a safe
// route (the other side blocked, rare) as a sorted list of places.
struct EndgameSlice {
    std::vector<EndgameValue> values;
    std::vector<uint32_t> safePlaces;
    std::vector<EndgameValue> safeValues;

    bool held() const { return !values.empty(); }
    // The safe-route position's value at `place`; null when there is none.
    const EndgameValue* safeValue(uint64_t place) const;
    EndgameValue* safeValue(uint64_t place) {
        return const_cast<EndgameValue*>(static_cast<const EndgameSlice*>(this)->safeValue(place));
    }
};

using SliceName = std::pair<int, int>;  // pieces of the side to act, of the other

class EndgameTables {
public:
    bool covers(int own, int theirs) const {
        return own >= ENDGAME_FEWEST && theirs >= ENDGAME_FEWEST && own <= ENDGAME_MOST && theirs <= ENDGAME_MOST &&
               slices[own][theirs].held();
    }
    bool covers(const Position& position) const;
    // The most pieces of a side, and in all, of the slices held (0: none).
    int most() const;
    int mostTotal() const;
    std::vector<SliceName> held() const;

    // For the side to act with `own` against `theirs`.
    EndgameValue value(Points own, Points theirs, bool safeRoute) const {
        const SlicePlace place = slicePlace(own, theirs);
        const EndgameSlice& held = slices[place.mover][place.other];
        if (!safeRoute) return held.values[place.index];
        const EndgameValue* safe = held.safeValue(place.index);
        return safe ? *safe : NO_POSITION;
    }
    // The position's value for its side to act; a pending removal takes the
    // best one. Only for positions it covers.
    EndgameValue value(const Position& position) const;

    EndgameSlice& slice(int own, int theirs) { return slices[own][theirs]; }
    const EndgameSlice& slice(int own, int theirs) const { return slices[own][theirs]; }

    // The slices named (all held when none are), compressed, written whole
    // to a new file of the directory and renamed into place: a file that
    // exists is complete.
    bool save(const std::string& path, std::vector<SliceName> names = {}) const;
    // Adds the slices of a file to those held, which then still hold every
    // slice a removal leads to. A file that overlaps them, leaves such a
    // gap, is cut or damaged, or cannot be held in memory changes nothing
    // and says why in `why`.
    bool load(const std::string& path, std::string* why = nullptr);

private:
    EndgameSlice slices[ENDGAME_MOST + 1][ENDGAME_MOST + 1];
};

// Won beats drawn beats lost; the nearer win, the farther loss.
bool better(EndgameValue a, EndgameValue b);

// The value for the side to act of a turn's result seen from whoever acts next.
EndgameValue afterTurn(EndgameValue next, bool sameSide);

}  // namespace engine
