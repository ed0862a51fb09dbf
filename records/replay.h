// A game followed action by action through the rules of the compact
// position: every action checked before it is played (with the reason when
// it is refused), the actions grouped into the turns the notation writes,
// and the position before every action kept, so that a game can be read
// back, written out or gone over one action at a time.
#pragma once

#include <string>
#include <vector>

#include "bot/position.h"
#include "records/notation.h"

namespace records {

// Why `action` is not one the side to act may play; empty when it is.
std::string whyIllegal(const engine::Position& position, engine::Move action);

class GameReplay {
public:
    // Side 0 (player one) or 1 places first. Who removes and moves first
    // after the placing depends on which sides the computer plays
    // (engine::Position::computerSides).
    GameReplay(int firstSide = 0, uint8_t computerSides = 0);

    // Plays one action; on a refusal returns why and changes nothing.
    std::string play(engine::Move action);
    // Plays a turn as it is written: its action, then the removal its line
    // earned. A line's removal may be missing only from the last turn of a
    // game under way. On a refusal returns why and changes nothing.
    std::string play(const Turn& turn);

    // Forgets every action after the first `count` (turns taken back).
    void keepFirst(size_t count);

    const engine::Position& now() const { return seen.back(); }
    // The last step made a line whose removal has not been played yet.
    bool removalPending() const { return now().phase == engine::MOVING && now().mustRemove; }
    int firstSide() const { return startingSide; }
    uint8_t computerSides() const { return seen.front().computerSides; }
    // The actions played; positions()[i] is the one before actions()[i],
    // and the last position is now().
    const std::vector<engine::Move>& actions() const { return played; }
    const std::vector<engine::Position>& positions() const { return seen; }
    const std::vector<Turn>& turns() const { return grouped; }
    // The turn (an index of turns()) that each action belongs to.
    int turnOf(size_t action) const { return turnOfAction[action]; }

private:
    int startingSide;
    std::vector<engine::Position> seen;
    std::vector<engine::Move> played;
    std::vector<Turn> grouped;
    std::vector<int> turnOfAction;
};

}  // namespace records
