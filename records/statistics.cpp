#include "records/statistics.h"

namespace records {

namespace {

// Counts `result` for `side`.
void count(Tally& tally, Result result, int side) {
    if (result == Result::DRAWN)
        ++tally.draws;
    else if ((result == Result::ONE_WON) == (side == 0))
        ++tally.wins;
    else
        ++tally.losses;
}

}  // namespace

ResultsTable countResults(const std::vector<GameRecord>& games) {
    ResultsTable table;
    for (const GameRecord& game : games) {
        if (game.result == Result::UNFINISHED) continue;
        const bool computer[2] = {game.players[0].computer, game.players[1].computer};
        if (computer[0] == computer[1]) {
            if (!computer[0]) count(table.betweenPeople, game.result, 0);
            continue;
        }
        const int person = computer[0] ? 1 : 0;
        const int level = game.players[1 - person].level;
        if (level >= 0 && level < 4) count(table.againstLevel[level], game.result, person);
    }
    return table;
}

}  // namespace records
