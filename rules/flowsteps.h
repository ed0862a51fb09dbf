// The steps a person's turn and the computer's share, for rules/flow.cpp and
// rules/computerturn.cpp alone: a piece put on the board, a step, a removal,
// and the bookkeeping that goes with each.
#pragma once

class iPlayer;

namespace flowsteps {

bool bothOpened();
// The player to act chooses a piece again: nothing in hand.
void chooseAgain();
// `player`'s piece `pawn` goes onto `cell` while placing; the line it makes
// when it is the game's first line, else -1 (the first line is noted).
int place(iPlayer* player, int pawn, int cell, bool byComputer);
// `player`'s piece steps from `from` to `to`; the line it completes, -1 when
// none or on a safe route.
int step(iPlayer* player, int pawn, int from, int to, bool byComputer);
// `player` removes `pawn` from the board: it goes home, its owner has one
// piece fewer on the board, the remover waits.
void removeFromBoard(iPlayer* player, int pawn);

}  // namespace flowsteps
