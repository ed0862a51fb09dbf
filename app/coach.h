// The coach line: one line over the board that tells the person to act what
// to do now, in plain words ("Place a piece on any empty point", "Opening:
// remove one of Vumero's pieces"), and says while the computer plays that
// it is thinking. Between two people it names the player to act. A jare
// made on a safe route removes nothing; the line says so until the next
// person's action. Shown while the player's `coachLine` choice is on.
#pragma once

#include <SDL/SDL.h>

#include <string>

// What the line is said from: the game as it stands when it is drawn.
struct CoachSituation {
    bool playing = false;
    int phase = 0;                 // GamePhases
    bool computerToAct = false;
    bool againstComputer = false;  // one of the two players is the computer
    bool removing = false;         // the player to act takes an opposing piece
    bool carrying = false;         // a piece is in the person's hand
    bool blockedOpponent = false;  // moves again: the other side cannot move
    int firstLineBy = 0;           // who made the first jare while placing: 0 nobody, 1 the player to act, 2 the other
    bool safeRouteLine = false;    // the last jare came on a safe route and removed nothing
    std::string toAct, opponent;   // the players' names
};

// The line in the language in use; "" when there is nothing to say.
std::string coachText(const CoachSituation& situation);

// The game as it stands now.
CoachSituation currentSituation();

// The events the line follows, from the game flow's hooks: a step (on a
// safe route or not), any action by a person, a new board.
void coachSawStep(int player, int to, bool safeRoute);
void coachSawPersonAct();
void coachForget();

// The line in its box under the board's centre, when the choice is on.
void drawCoachLine(SDL_Surface* target);
