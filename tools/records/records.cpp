// zelk-records: the game records of a file (the games file, or any file of
// records) read back as the game reads them.
//
//   zelk-records FILE
//       checks every record, names each refused one with its line and
//       reason, and counts the person's results against each level
//   zelk-records FILE N [--think-ms MS]
//       goes over record N action by action: the engine's verdict on each
//       (the endgame tables' exact value, or a search of MS milliseconds,
//       300 by default), its mark, and the best action where it differs
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bot/endgames.h"
#include "bot/game.h"
#include "records/gamesfile.h"
#include "records/statistics.h"
#include "records/verdict.h"
#include "settings/log.h"

namespace {

void usage() {
    fprintf(stderr,
            "usage: zelk-records FILE             check every record and count the results\n"
            "       zelk-records FILE N [--think-ms MS]\n"
            "                                     the engine's verdict on each action of record N\n");
}

void printTally(const char* label, const records::Tally& tally) {
    printf("%-22s %5d %6d %5d\n", label, tally.wins, tally.losses, tally.draws);
}

int check(const std::string& path) {
    std::vector<records::RecordError> refused;
    const std::vector<records::GameRecord> games = records::readGamesFile(path, &refused);
    for (const records::RecordError& error : refused) printf("refused: line %d: %s\n", error.line, error.reason.c_str());
    printf("records %zu refused %zu\n", games.size(), refused.size());
    const records::ResultsTable table = records::countResults(games);
    printf("%-22s %5s %6s %5s\n", "", "wins", "losses", "draws");
    for (int level = 0; level < 4; ++level)
        printTally((std::string("against ") + gameLevelNames[level]).c_str(), table.againstLevel[level]);
    printTally("two people (One's)", table.betweenPeople);
    return refused.empty() ? 0 : 1;
}

int review(const std::string& path, int number, int thinkMs) {
    records::GameRecord record;
    records::GameReplay replay;
    records::RecordError error;
    if (!records::readRecordFile(path, number, record, replay, error)) {
        fprintf(stderr, "zelk-records: line %d: %s\n", error.line, error.reason.c_str());
        return 1;
    }
    const records::ReviewLimits limits{thinkMs, 2 * thinkMs};
    const auto start = std::chrono::steady_clock::now();
    const std::vector<engine::Position>& positions = replay.positions();
    records::Judgement judged = records::judgePosition(positions[0], limits);
    int exact = 0;
    for (size_t i = 0; i < replay.actions().size(); ++i) {
        const records::Judgement next = records::judgePosition(positions[i + 1], limits);
        const engine::Move action = replay.actions()[i];
        const records::Verdict verdict = records::verdictOn(positions[i], action, judged, next);
        exact += judged.exact;
        printf("%4d. %-8s %-10s -> %-10s %-2s", replay.turnOf(i) + 1, records::actionText(action).c_str(),
               verdict.before.c_str(), verdict.after.c_str(), verdict.mark);
        if (verdict.bestKnown && verdict.best != action) printf("  best %s", records::actionText(verdict.best).c_str());
        printf("\n");
        judged = next;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("result %s; %zu actions, %d judged by the tables, %.1f s\n", records::resultText(record.result),
           replay.actions().size(), exact, seconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage(), 2;
    ILog.Init(-1);  // what goes wrong is printed: no log.txt where the tool runs
    if (argc == 2) return check(argv[1]);
    int thinkMs = 300;
    if (argc == 5 && strcmp(argv[3], "--think-ms") == 0) thinkMs = atoi(argv[4]);
    const int number = atoi(argv[2]);
    if ((argc != 3 && argc != 5) || number < 1 || thinkMs < 1) return usage(), 2;
    return review(argv[1], number, thinkMs);
}
