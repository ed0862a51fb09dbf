#include "app/gamesummary.h"

#include <SDL/SDL.h>

#include "app/timer.h"
#include "settings/catalogue.h"

namespace {

GameTally tally;

}  // namespace

void tallyNewGame() {
    tally = GameTally();
    tally.startedAt = SDL_GetTicks();
}

void tallyPlacement() {
    ++tally.placements;
}

void tallyMove() {
    ++tally.moves;
}

void tallyRemoval() {
    ++tally.removals;
}

void tallyChange(const ChangeCount& change, int sign) {
    tally.placements += sign * change.placements;
    tally.moves += sign * change.moves;
    tally.removals += sign * change.removals;
}

const GameTally& gameTally() {
    return tally;
}

GameSummary summariseGame(int winner, const bool people[2], const std::string names[2], const int piecesLeft[2],
                          const GameTally& counted, unsigned nowTicks) {
    GameSummary summary;
    const int w = winner == 2 ? 1 : 0;
    summary.winner = names[w];
    summary.fireworks = people[w];
    if (people[0] != people[1]) summary.result = tr(people[w] ? "You won" : "You lost");
    summary.lines.push_back(trf("Pieces left: {1} {2}, {3} {4}", {names[0], std::to_string(piecesLeft[0]), names[1],
                                                                   std::to_string(piecesLeft[1])}));
    summary.lines.push_back(trf("Moves: {1}   Removals: {2}",
                                {std::to_string(counted.moves), std::to_string(counted.removals)}));
    summary.lines.push_back(trf("Time: {1}", {formatClock(nowTicks - counted.startedAt, false)}));
    return summary;
}
