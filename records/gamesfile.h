// The games file: the record of every finished game, one after another, in
// a file of the game's own (beside zelk.conf when the game runs from its
// source tree, under $XDG_DATA_HOME/zelk when installed). A record is added
// by one write at the end of the file under a lock, synced before the
// game goes on: earlier records are never rewritten, so neither a crash
// nor a second copy of the game writing at the same time can lose them. A
// record torn by a crash is passed over when the file is read; the records
// added after it still begin on lines of their own.
#pragma once

#include <string>
#include <vector>

#include "records/gamerecord.h"

namespace records {

const char* const GAMES_FILE = "zelk.games";
// A games file or a record file larger than this is not read.
const size_t RECORDS_FILE_LIMIT = 64 * 1024 * 1024;

// userDataFile(GAMES_FILE).
std::string gamesFilePath();

// Logs and returns false when the record could not be added whole; the
// file then holds what it held before.
bool appendToGamesFile(const std::string& path, const GameRecord& record);

// The records of a file's text, each with the line it begins on: a record
// begins at an [Event tag, or at a header line after a line that is none.
struct RecordText {
    std::string text;
    int firstLine = 1;
};
std::vector<RecordText> splitRecords(const std::string& text);

// Every record of the file that reads back (none when the file is
// missing); those refused are logged and, when asked for, kept in
// `refused` with their lines counted in the file.
std::vector<GameRecord> readGamesFile(const std::string& path, std::vector<RecordError>* refused = nullptr);

// The `number`-th record of a file (from 1) for going over it: false with
// the line in the file and the reason when the file cannot be read, holds
// fewer records, or that record is refused.
bool readRecordFile(const std::string& path, int number, GameRecord& record, GameReplay& replay,
                    RecordError& error);

}  // namespace records
