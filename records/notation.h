// The notation of the game's actions. The points are named like the squares
// of a board of seven columns, a-g from left to right, and seven rows, 1-7
// from bottom to top: point 0 is "a7", point 23 "g1". A placement is its
// point ("d6"), a step "from-to" ("d6-d5"), a removal "x" and its point,
// written after the action that earned it ("d6-d5xa1") or alone for an
// opening removal ("xb2"); a step on a safe route ends with "!".
#pragma once

#include <string>

#include "bot/position.h"

namespace records {

// "a7" for 0 up to "g1" for 23; "" for anything else.
const char* pointName(int point);
// The point of a name ("d6" -> 4); -1 for anything but one of the 24.
int pointNamed(const std::string& name);

// One turn as the notation writes it.
struct Turn {
    engine::Move action;     // a placement, a step, or an opening removal
    int removal = -1;        // the point whose piece the line `action` made removed
    bool safeRoute = false;  // a step played again because the other side could not move

    bool operator==(const Turn& other) const {
        return action == other.action && removal == other.removal && safeRoute == other.safeRoute;
    }
};

std::string actionText(engine::Move action);
std::string turnText(const Turn& turn);
// False for anything but one turn in the notation, blanks included. A text
// that the rules would refuse ("d6xa1": no line while placing) still reads.
bool readTurn(const std::string& text, Turn& turn);

}  // namespace records
