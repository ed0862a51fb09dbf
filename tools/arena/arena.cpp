// zelk-arena: whole games between two computer levels, played headless
// through the game's real flow, with the results and the decision times.
//
//   zelk-arena --games N --one LEVEL --two LEVEL --seed S [--max-turns T] [--think-ms MS]
//              [--records FILE]
//
// Player one starts every game; run it twice with the levels swapped to see
// both sides first. The last line is, for scripts:
//   games N one-wins A two-wins B draws C one-worst-ms X two-worst-ms Y
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/render.h"
#include "app/workdir.h"
#include "bot/game.h"
#include "bot/stronglevels.h"
#include "records/gamesfile.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "rules/queries.h"
#include "settings/config.h"
#include "sprites/dialogs.h"
#include "sprites/player.h"

namespace {

struct Options {
    int games = 100;
    int levelOne = LEVEL_BEGINNER;
    int levelTwo = LEVEL_DUMMY;
    unsigned seed = 0;
    bool seedGiven = false;
    int maxTurns = 300;  // moving-phase turns before a game counts as a draw
    int thinkMs = 0;     // the Expert's time to deepen; 0 keeps the game's own
    std::string recordsFile;  // the games file each game's record is added to
};

// The actions of the game under way, as the engines decided them.
std::vector<engine::Move> actionsDecided;

// An engine that measures how long each decision takes and notes it.
class TimedEngine : public Game {
public:
    bool getBestChoice(int* cell) override {
        return timed([&] { return Game::getBestChoice(cell); }) && noted(-1, *cell);
    }
    bool getBestMove(int* from, int* to) override {
        return timed([&] { return Game::getBestMove(from, to); }) && noted(*from, *to);
    }
    bool getBestToKill(int* cell) override {
        return timed([&] { return Game::getBestToKill(cell); }) && noted(*cell, -1);
    }

    long decisions = 0;
    double totalMs = 0, worstMs = 0;

private:
    static bool noted(int from, int to) {
        actionsDecided.push_back(engine::Move{static_cast<int8_t>(from), static_cast<int8_t>(to)});
        return true;
    }
    template <typename Decision>
    bool timed(Decision decide) {
        auto start = std::chrono::steady_clock::now();
        bool found = decide();
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        ++decisions;
        totalMs += ms;
        if (ms > worstMs) worstMs = ms;
        return found;
    }
};

int winnerOfLastGame = 0;

bool answerLikeAPatientUser(DialogKind kind, const char* line1, const char*) {
    if (kind == DIALOG_GAME_OVER) winnerOfLastGame = strcmp(line1, playerOne->name) == 0 ? 1 : 2;
    return true;  // grant the safe route; play on after a game
}

void usage(FILE* out) {
    fprintf(out,
            "usage: zelk-arena --games N --one LEVEL --two LEVEL --seed S [--max-turns T]\n"
            "                  [--think-ms MS] [--records FILE]\n"
            "  Plays N whole games between two computer levels through the game's own flow,\n"
            "  headless. LEVEL is 0 Dummy, 1 Beginner, 2 Novice, 3 Expert. Player one starts\n"
            "  every game. A game with more than T moving-phase turns (default 300) is a draw.\n"
            "  MS is how long Expert goes on deepening its search (default: the game's own).\n"
            "  FILE receives the record of every game, replayed through the rules first.\n"
            "  Prints wins, losses, draws, average and worst decision time per level, the seed,\n"
            "  and last the line:\n"
            "  games N one-wins A two-wins B draws C one-worst-ms X two-worst-ms Y\n");
}

bool parseNumber(const char* text, int low, int high, int& out) {
    char* end = nullptr;
    long value = strtol(text, &end, 10);
    if (!text[0] || *end || value < low || value > high) return false;
    out = static_cast<int>(value);
    return true;
}

// The game runs in a directory of its own: a file named from here must not
// land there.
std::string absolutePath(const char* path) {
    char here[4096];
    if (path[0] == '/' || !getcwd(here, sizeof here)) return path;
    return std::string(here) + "/" + path;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string flag = argv[i];
        if (flag == "--help" || flag == "-h") {
            usage(stdout);
            exit(0);
        }
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        int number;
        if (flag == "--games" && parseNumber(value, 1, 1000000, number)) options.games = number;
        else if (flag == "--one" && parseNumber(value, 0, 3, number)) options.levelOne = number;
        else if (flag == "--two" && parseNumber(value, 0, 3, number)) options.levelTwo = number;
        else if (flag == "--max-turns" && parseNumber(value, 1, 1000000, number)) options.maxTurns = number;
        else if (flag == "--think-ms" && parseNumber(value, 1, 60000, number)) options.thinkMs = number;
        else if (flag == "--records") options.recordsFile = absolutePath(value);
        else if (flag == "--seed" && parseNumber(value, 0, 2147483647, number)) {
            options.seed = static_cast<unsigned>(number);
            options.seedGiven = true;
        } else
            return false;
    }
    return true;
}

// The board and whose turn it is, to notice a turn that changed nothing.
std::string position() {
    std::string text;
    for (int c = 0; c < CELL_COUNT; ++c) text += static_cast<char>('0' + (doIOwn(c, 1) ? 1 : doIOwn(c, 2) ? 2 : 0));
    return text + static_cast<char>('0' + (currentPlayer ? currentPlayer->id : 0)) +
           static_cast<char>('0' + gamePhase);
}

// The game just played, followed through the rules again, added to the
// games file; false when the rules refuse one of its actions.
bool keepRecord(const Options& options, int winner) {
    records::GameReplay replay(0, 3);
    for (size_t i = 0; i < actionsDecided.size(); ++i) {
        const std::string why = replay.play(actionsDecided[i]);
        if (why.empty()) continue;
        fprintf(stderr, "zelk-arena: action %zu (%s) refused: %s\n", i + 1,
                records::actionText(actionsDecided[i]).c_str(), why.c_str());
        return false;
    }
    records::GameRecord record = records::recordOf(replay);
    const records::Result said = winner == 0 ? records::Result::DRAWN
                                 : winner == 1 ? records::Result::ONE_WON
                                               : records::Result::TWO_WON;
    if (record.result != said && !(said == records::Result::DRAWN && record.result == records::Result::UNFINISHED)) {
        fprintf(stderr, "zelk-arena: the rules end the game in %s, the flow in %s\n",
                records::resultText(record.result), records::resultText(said));
        return false;
    }
    record.result = said;
    record.date = records::todaysDate();
    record.players[0] = records::RecordPlayer{playerOne->name, true, options.levelOne};
    record.players[1] = records::RecordPlayer{playerTwo->name, true, options.levelTwo};
    return records::appendToGamesFile(options.recordsFile, record);
}

// One game; the winner's id, or 0 for a draw.
int playOneGame(int maxTurns) {
    winnerOfLastGame = 0;
    actionsDecided.clear();
    startGame(playerOne);
    int movingTurns = 0, idleTurns = 0;
    while (state == STATE_PLAYING && winnerOfLastGame == 0) {
        if (!computerHoldsTheTurn()) break;
        const std::string before = position();
        playHeldComputerTurn();
        if (gamePhase == PHASE_CONTENDING) ++movingTurns;
        idleTurns = position() == before ? idleTurns + 1 : 0;
        if (movingTurns > maxTurns || idleTurns > 3) break;
    }
    if (state == STATE_PLAYING) resetall();
    return winnerOfLastGame;
}

long roundedMs(double ms) {
    return static_cast<long>(ms + 0.5);
}

// How deep the Expert got in each phase and how fast it searched.
void printSearchStatistics(const char* label, Game& engine) {
    static const char* const phases[3] = {"placing", "opening", "moving"};
    const StrongLevels& levels = engine.strongLevels();
    for (int phase = 0; phase < 3; ++phase) {
        const StrongLevels::Statistics& s = levels.statistics(phase);
        if (s.searches == 0) continue;
        printf("search %s %-8s searches %6ld avg-depth %5.1f max-depth %3d nodes-per-s %9.0f slowest-ms %4d\n",
               label, phases[phase], s.searches, static_cast<double>(s.depths) / s.searches, s.deepest,
               s.milliseconds ? 1000.0 * static_cast<double>(s.nodes) / s.milliseconds : 0.0, s.slowest);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        usage(stderr);
        return 2;
    }
    if (!options.seedGiven) options.seed = static_cast<unsigned>(time(nullptr));
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string workDir = enterPrivateWorkingDirectory(ZELK_DATA_DIR, false);
    if (workDir.empty() || startUp() != 0) {
        fprintf(stderr, "zelk-arena: the game could not start\n");
        return 1;
    }
    drawFrames = false;
    paceFrames = false;
    drawThinkingFrames = false;
    IConfig.gameFeedback = 0;
    IConfig.gameLevel = options.levelOne;
    setDialogAnswerHook(answerLikeAPatientUser);
    TimedEngine engineOne, engineTwo;
    engineOne.setGameLevel(static_cast<GameLevels>(options.levelOne));
    engineTwo.setGameLevel(static_cast<GameLevels>(options.levelTwo));
    if (options.thinkMs > 0) {
        engineOne.strongLevels().setThinkMilliseconds(options.thinkMs);
        engineTwo.strongLevels().setThinkMilliseconds(options.thinkMs);
    }
    Game* sharedEngine = iGame;
    setPlayerEngines(&engineOne, &engineTwo);
    playerOne->type = COMPUTER;
    playerTwo->type = COMPUTER;
    playerOne->setName("one");
    playerTwo->setName("two");
    srand(options.seed);

    int wins[3] = {0, 0, 0}, refused = 0;
    for (int game = 0; game < options.games; ++game) {
        const int winner = playOneGame(options.maxTurns);
        ++wins[winner];
        if (!options.recordsFile.empty() && !keepRecord(options, winner)) ++refused;
    }

    printf("seed %u\n", options.seed);
    printf("%-16s %6s %6s %6s %10s %9s %9s\n", "side (level)", "wins", "losses", "draws",
           "decisions", "avg-ms", "worst-ms");
    const TimedEngine* engines[2] = {&engineOne, &engineTwo};
    for (int side = 0; side < 2; ++side) {
        const TimedEngine& engine = *engines[side];
        std::string label = std::string(side == 0 ? "one" : "two") + " (" +
                            gameLevelNames[side == 0 ? options.levelOne : options.levelTwo] + ")";
        printf("%-16s %6d %6d %6d %10ld %9.3f %9.3f\n", label.c_str(), wins[side + 1],
               wins[2 - side], wins[0], engine.decisions,
               engine.decisions ? engine.totalMs / engine.decisions : 0.0, engine.worstMs);
    }
    if (options.levelOne == LEVEL_EXPERT) printSearchStatistics("one", engineOne);
    if (options.levelTwo == LEVEL_EXPERT) printSearchStatistics("two", engineTwo);
    printf("think-ms %d\n", engineOne.strongLevels().thinkMilliseconds());
    if (!options.recordsFile.empty()) printf("records-refused %d\n", refused);
    printf("games %d one-wins %d two-wins %d draws %d one-worst-ms %ld two-worst-ms %ld\n",
           options.games, wins[1], wins[2], wins[0], roundedMs(engineOne.worstMs),
           roundedMs(engineTwo.worstMs));
    fflush(stdout);

    setPlayerEngines(nullptr, nullptr);
    iGame = sharedEngine;
    setDialogAnswerHook(nullptr);
    IConfig.modified = false;
    shutDown();
    removePrivateWorkingDirectory(workDir);
    return 0;
}
