// The person's results, counted from the games file: wins, losses and
// draws against each computer level, and the games between two people.
// Games between two computers and games left unfinished do not count.
#pragma once

#include <vector>

#include "records/gamerecord.h"

namespace records {

struct Tally {
    int wins = 0;
    int losses = 0;
    int draws = 0;

    int games() const { return wins + losses + draws; }
};

struct ResultsTable {
    Tally againstLevel[4];  // by GameLevels: Dummy, Beginner, Novice, Expert
    Tally betweenPeople;    // as player One saw them
};

ResultsTable countResults(const std::vector<GameRecord>& games);

}  // namespace records
