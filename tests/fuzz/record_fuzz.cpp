// Fuzzes the game record reader: any bytes as a file of records. A record
// that is read must have been played through to its result, and must be
// written back and read again unchanged; one refused must say why.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/gamerecord.h"
#include "records/gamesfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const records::RecordText& part : records::splitRecords(text)) {
        records::GameRecord record, again;
        records::RecordError error;
        records::GameReplay replay;
        if (!records::parseRecord(part.text, record, error, &replay)) {
            if (error.reason.empty()) abort();
            continue;
        }
        if (replay.turns() != record.turns || recordOf(replay).firstSide != record.firstSide) abort();
        const std::string written = records::formatRecord(record);
        if (!records::parseRecord(written, again, error) || records::formatRecord(again) != written) abort();
    }
    return 0;
}
