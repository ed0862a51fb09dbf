// The states the rules keep and every part of the program reads: the screen
// state, the phase of a game, a point's, a piece's and a player's state, and
// a player's kind.
#pragma once

// Screen states; 1 and 3 are never used.
enum States { STATE_STARTING = 0, STATE_PLAYING = 2, STATE_KEYBOARD = 4 };

enum GamePhases { PHASE_RESETTLEMENT = 0, PHASE_OPENING = 1, PHASE_CONTENDING = 2 };

enum CellStates { CELL_EMPTY = 0, CELL_OCCUPIED = 1, CELL_SHADOWED = 2, CELL_SHOWING = 3 };

enum PawnStates {
    PAWN_IDLE = 0,
    PAWN_TRAVELLING = 1,
    PAWN_PLACED = 2,
    PAWN_PICKED = 3,
    PAWN_RETURNING = 4,
    PAWN_RETURNED = 5,
};

// Both hold any int: a value outside the table is a state the code must cope
// with (it shows no status text), not undefined behaviour.
enum PlayerTypes : int { HUMAN = 0, COMPUTER = 1 };

enum PlayerStates : int {
    CHOOSING = 0,
    MOVING_FROM = 1,
    MOVING_TO = 2,
    HITTING = 3,
    WAITING = 4,
    THINKING = 5,
};
