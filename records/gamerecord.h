// The text record of a game, kept and shared: header lines in the manner of
// chess records ([Event "Zelk"], [Date "YYYY.MM.DD"], [One "name"],
// [Two "name"], [OneKind "Human"], [TwoKind "Computer Expert"],
// [FirstMover "One"], [Result "1-0"]), a blank line, then the turns in the
// notation, numbered, and the result once more.
//
//   1. d6 2. a7 3. g1 ... 31. d6-d5xa1 32. xb2 ... 1-0
//
// A record read back is played through the rules: one that does not parse,
// or holds an action the rules refuse, or whose turns do not end in its
// result, is refused with the line and the reason.
#pragma once

#include <string>
#include <vector>

#include "records/notation.h"
#include "records/replay.h"

namespace records {

// "1-0", "0-1", "1/2-1/2", "*" (a game under way, or left unfinished).
enum class Result { ONE_WON, TWO_WON, DRAWN, UNFINISHED };
const char* resultText(Result result);

struct RecordPlayer {
    std::string name;
    bool computer = false;
    int level = 0;  // a GameLevels value, for a computer
};

struct GameRecord {
    std::string event = "Zelk";
    std::string date = "????.??.??";
    RecordPlayer players[2];  // One, Two
    int firstSide = 0;        // the side that placed first: 0 One, 1 Two
    Result result = Result::UNFINISHED;
    std::vector<Turn> turns;
};

// A record longer than this is refused unread.
const size_t RECORD_TEXT_LIMIT = 256 * 1024;

struct RecordError {
    int line = 0;  // 1 for the first line of the text
    std::string reason;
};

std::string formatRecord(const GameRecord& record);
// On success `record` holds it and `replay`, when given, its game played
// through; on a refusal only `error` changes.
bool parseRecord(const std::string& text, GameRecord& record, RecordError& error, GameReplay* replay = nullptr);

// The replay of a game as a record: its turns, who placed first, and the
// result where the game is over (UNFINISHED otherwise). The caller sets the
// names, the kinds and the date.
GameRecord recordOf(const GameReplay& replay);
// The record's game played through; false when the rules refuse it.
bool replayRecord(const GameRecord& record, GameReplay& replay, RecordError& error);

// Today's date as a record writes it: "YYYY.MM.DD".
std::string todaysDate();

}  // namespace records
