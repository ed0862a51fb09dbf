#include "app/liverecord.h"

#include <memory>
#include <sstream>
#include <vector>

#include "bot/game.h"
#include "bot/livegame.h"
#include "records/gamesfile.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "settings/log.h"
#include "sprites/player.h"

namespace {

struct LiveRecord {
    std::unique_ptr<records::GameReplay> replay;  // null: not recorded
    bool boardFromPlay = true;  // the board holds only what was played since it was cleared
    std::vector<engine::Move> takenBack;  // oldest first, for playing again
    std::unique_ptr<records::GameReplay> finished;
    records::GameRecord finishedRecord;
};
LiveRecord live;

uint8_t liveComputerSides() {
    return static_cast<uint8_t>((playerOne && playerOne->IsComputer() ? 1 : 0) |
                                (playerTwo && playerTwo->IsComputer() ? 2 : 0));
}

void stopRecording(const std::string& why) {
    if (live.replay) ILog.log(1, "the game under way is no longer recorded: %s", why.c_str());
    live.replay.reset();
    live.takenBack.clear();
}

// Played again with other kinds (the settings changed them mid-game): who
// removes and moves first may then differ, so the game is checked anew.
bool replayedWithKinds(uint8_t computerSides) {
    auto again = std::make_unique<records::GameReplay>(live.replay->firstSide(), computerSides);
    for (engine::Move action : live.replay->actions())
        if (!again->play(action).empty()) return false;
    live.replay = std::move(again);
    return true;
}

bool samePlace(const engine::Position& one, const engine::Position& other) {
    return one.pieces[0] == other.pieces[0] && one.pieces[1] == other.pieces[1] &&
           one.toPlace[0] == other.toPlace[0] && one.toPlace[1] == other.toPlace[1] &&
           one.side == other.side && one.mustRemove == other.mustRemove &&
           one.removalsDone == other.removalsDone;
}

void followTakeBack(const engine::Position& board) {
    const auto& seen = live.replay->positions();
    for (size_t count = seen.size(); count-- > 0;) {
        if (!samePlace(seen[count], board)) continue;
        const auto& actions = live.replay->actions();
        live.takenBack.insert(live.takenBack.begin(), actions.begin() + static_cast<long>(count), actions.end());
        live.replay->keepFirst(count);
        return;
    }
    stopRecording("the position taken back is not one of the game's");
}

void followPlayAgain(const engine::Position& board) {
    size_t played = 0;
    while (!samePlace(live.replay->now(), board)) {
        if (played == live.takenBack.size() || !live.replay->play(live.takenBack[played]).empty())
            return stopRecording("the position played again is not one of the game's");
        ++played;
    }
    live.takenBack.erase(live.takenBack.begin(), live.takenBack.begin() + static_cast<long>(played));
}

}  // namespace

void recordNewBoard() {
    live.replay.reset();
    live.takenBack.clear();
    live.boardFromPlay = true;
}

void recordAction(int player, engine::Move action) {
    if (!live.boardFromPlay) return;
    const uint8_t kinds = liveComputerSides();
    if (!live.replay) {
        // A board the flow filled itself (the `2` key) starts past the placing.
        if (!action.isPlacement()) {
            live.boardFromPlay = false;
            return;
        }
        live.replay = std::make_unique<records::GameReplay>(engine::sideOf(player), kinds);
    }
    if (kinds != live.replay->computerSides() && !replayedWithKinds(kinds))
        return stopRecording("the players' kinds changed and the rules now read the game differently");
    live.takenBack.clear();
    const std::string why = live.replay->play(action);
    if (!why.empty()) stopRecording(records::actionText(action) + ": " + why);
}

void recordReplacement(Replacement why) {
    if (!live.replay) return;
    if (why == Replacement::RESUME) return stopRecording("a saved game was put back");
    const engine::Position board = engine::positionFromLiveGame();
    if (why == Replacement::TAKE_BACK)
        followTakeBack(board);
    else
        followPlayAgain(board);
}

void recordGameOver(int winner) {
    if (!live.replay) return;
    records::GameRecord record = liveRecord();
    const bool agrees = record.result == (engine::sideOf(winner) == 0 ? records::Result::ONE_WON
                                                                      : records::Result::TWO_WON);
    if (!agrees) return stopRecording("the record's game does not end with the flow's winner");
    records::appendToGamesFile(records::gamesFilePath(), record);
    live.finished = std::move(live.replay);
    live.finishedRecord = record;
    live.takenBack.clear();
}

const records::GameReplay* liveReplay() {
    return live.replay.get();
}

records::GameRecord liveRecord() {
    if (!live.replay) return records::GameRecord();
    records::GameRecord record = records::recordOf(*live.replay);
    record.date = records::todaysDate();
    iPlayer* players[2] = {playerOne, playerTwo};
    for (int side = 0; side < 2; ++side) {
        if (!players[side]) continue;
        record.players[side].name = players[side]->name;
        record.players[side].computer = players[side]->IsComputer();
        record.players[side].level = iGame ? iGame->getGameLevel() : 0;
    }
    return record;
}

bool keepGameUnderWay() {
    if (!live.replay || live.replay->actions().empty()) return false;
    records::GameRecord record = liveRecord();
    record.result = records::Result::UNFINISHED;
    return records::appendToGamesFile(records::gamesFilePath(), record);
}

const records::GameReplay* lastFinishedReplay() {
    return live.finished.get();
}

const records::GameRecord* lastFinishedRecord() {
    return live.finished ? &live.finishedRecord : nullptr;
}

std::string actionsOfLiveGame() {
    if (!live.replay) return "";
    std::string text = std::to_string(live.replay->firstSide()) + ":";
    for (engine::Move action : live.replay->actions()) text += " " + records::actionText(action);
    return text;
}

bool adoptActions(const std::string& actionsText) {
    std::istringstream in(actionsText);
    int firstSide = -1;
    char colon = 0;
    in >> firstSide >> colon;
    if ((firstSide != 0 && firstSide != 1) || colon != ':') return false;
    auto replay = std::make_unique<records::GameReplay>(firstSide, liveComputerSides());
    std::string word;
    records::Turn turn;
    while (in >> word)
        if (!records::readTurn(word, turn) || turn.removal >= 0 || !replay->play(turn.action).empty()) return false;
    if (!samePlace(replay->now(), engine::positionFromLiveGame())) return false;
    live.replay = std::move(replay);
    live.takenBack.clear();
    live.boardFromPlay = true;
    return true;
}
