#include "records/gamerecord.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <sstream>

#include "bot/game.h"

namespace records {

namespace {

const char* const resultTexts[] = {"1-0", "0-1", "1/2-1/2", "*"};
const char* const sideNames[2] = {"One", "Two"};
const char* const tagNames[8] = {"Event", "Date", "One", "Two", "OneKind", "TwoKind", "FirstMover", "Result"};
const size_t valueLimit = 200;
const size_t movetextWidth = 79;

// Where each turn and the result stand in the text.
struct Movetext {
    std::vector<int> turnLines;
    int resultLine = 0;
};

std::string kindText(const RecordPlayer& player) {
    if (!player.computer) return "Human";
    return std::string("Computer ") + gameLevelNames[player.level];
}

bool readKind(const std::string& text, RecordPlayer& player) {
    player.computer = text != "Human";
    if (!player.computer) return true;
    for (int level = 0; level < 4; ++level) {
        if (text == std::string("Computer ") + gameLevelNames[level]) {
            player.level = level;
            return true;
        }
    }
    return false;
}

bool readResult(const std::string& text, Result& result) {
    for (int r = 0; r < 4; ++r) {
        if (text == resultTexts[r]) {
            result = static_cast<Result>(r);
            return true;
        }
    }
    return false;
}

// "YYYY.MM.DD", a digit or '?' in each place.
bool isDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '.' || text[7] != '.') return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i != 4 && i != 7 && !isdigit(static_cast<unsigned char>(text[i])) && text[i] != '?') return false;
    return true;
}

// The value as the reader takes it: control characters become blanks, and
// a value past the limit is cut at the start of a character.
std::string quoted(const std::string& value) {
    size_t length = std::min(value.size(), valueLimit);
    while (length < value.size() && length > 0 && (static_cast<unsigned char>(value[length]) & 0xC0) == 0x80) --length;
    std::string text = "\"";
    for (char c : value.substr(0, length)) {
        if (c == '"' || c == '\\') text += '\\';
        text += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    return text + "\"";
}

// `[Name "value"]`, the value with \" and \\ for a quote and a backslash.
bool readTag(const std::string& line, std::string& name, std::string& value) {
    size_t at = 1;
    while (at < line.size() && isalpha(static_cast<unsigned char>(line[at]))) ++at;
    name = line.substr(1, at - 1);
    if (name.empty() || line.compare(at, 2, " \"") != 0) return false;
    value.clear();
    for (at += 2; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] == '\\' && ++at == line.size()) return false;
        if (static_cast<unsigned char>(line[at]) < 0x20 || value.size() >= valueLimit) return false;
        value += line[at];
    }
    return line.compare(at, std::string::npos, "\"]") == 0;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool fail(RecordError& error, int line, const std::string& reason) {
    error.line = line;
    error.reason = reason;
    return false;
}

// Sets the field a tag names; tags the record does not know are passed over.
bool takeTag(const std::string& name, const std::string& value, GameRecord& record, unsigned& seen,
             std::string& why) {
    int tag = 0;
    while (tag < 8 && name != tagNames[tag]) ++tag;
    if (tag == 8) return true;
    if (seen & (1u << tag)) return why = "a second " + name + " tag", false;
    seen |= 1u << tag;
    bool good = true;
    switch (tag) {
        case 0: record.event = value; break;
        case 1: good = isDate(value); record.date = value; break;
        case 2: record.players[0].name = value; break;
        case 3: record.players[1].name = value; break;
        case 4: good = readKind(value, record.players[0]); break;
        case 5: good = readKind(value, record.players[1]); break;
        case 6:
            good = value == sideNames[0] || value == sideNames[1];
            record.firstSide = value == sideNames[1] ? 1 : 0;
            break;
        default: good = readResult(value, record.result); break;
    }
    if (!good) why = "not a " + name + ": \"" + value + "\"";
    return good;
}

// The header's lines from `at`, up to the blank line after them.
bool readHeader(const std::vector<std::string>& lines, size_t& at, GameRecord& record, RecordError& error) {
    while (at < lines.size() && lines[at].empty()) ++at;
    if (at == lines.size()) return fail(error, 1, "no record");
    unsigned seen = 0;
    for (; at < lines.size() && !lines[at].empty(); ++at) {
        const int lineNumber = static_cast<int>(at) + 1;
        std::string name, value, why;
        if (lines[at][0] != '[') {
            if (seen == 0) return fail(error, lineNumber, "not a record: no header");
            return fail(error, lineNumber, "a blank line ends the header");
        }
        if (!readTag(lines[at], name, value)) return fail(error, lineNumber, "not a header line");
        if (!takeTag(name, value, record, seen, why)) return fail(error, lineNumber, why);
    }
    for (int tag = 0; tag < 8; ++tag)
        if (!(seen & (1u << tag))) return fail(error, static_cast<int>(at), std::string("no ") + tagNames[tag] + " tag in the header");
    return true;
}

// The numbered turns and the result, checked against the header's.
bool readMovetext(const std::vector<std::string>& lines, size_t at, GameRecord& record, Movetext& where,
                  RecordError& error) {
    bool ended = false;
    for (; at < lines.size(); ++at) {
        const int lineNumber = static_cast<int>(at) + 1;
        std::istringstream words(lines[at]);
        std::string word;
        while (words >> word) {
            if (ended) return fail(error, lineNumber, "text after the result: " + word);
            Result result;
            if (readResult(word, result)) {
                if (result != record.result) return fail(error, lineNumber, "the result differs from the header's");
                where.resultLine = lineNumber;
                ended = true;
                continue;
            }
            const std::string number = std::to_string(record.turns.size() + 1) + ".";
            if (word.compare(0, number.size(), number) != 0)
                return fail(error, lineNumber, "turn " + number + " expected, not " + word);
            word.erase(0, number.size());
            if (word.empty() && !(words >> word)) return fail(error, lineNumber, "turn " + number + " is empty");
            Turn turn;
            if (!readTurn(word, turn)) return fail(error, lineNumber, "not a turn: " + word);
            record.turns.push_back(turn);
            where.turnLines.push_back(lineNumber);
        }
    }
    if (!ended) return fail(error, static_cast<int>(lines.size()), "the record ends before its result: cut short?");
    return true;
}

uint8_t computerSidesOf(const GameRecord& record) {
    return static_cast<uint8_t>((record.players[0].computer ? 1 : 0) | (record.players[1].computer ? 2 : 0));
}

std::string turnLabel(size_t index, const Turn& turn) {
    return "turn " + std::to_string(index + 1) + " (" + turnText(turn) + "): ";
}

// The turns played through; `where` gives the lines to report (none: 0).
bool replayTurns(const GameRecord& record, GameReplay& replay, const Movetext& where, RecordError& error) {
    for (size_t i = 0; i < record.turns.size(); ++i) {
        const int line = where.turnLines.empty() ? 0 : where.turnLines[i];
        const std::string why = replay.play(record.turns[i]);
        if (!why.empty()) return fail(error, line, turnLabel(i, record.turns[i]) + why);
        if (replay.removalPending() && i + 1 < record.turns.size())
            return fail(error, line, turnLabel(i, record.turns[i]) + "the line made removes a piece: x and its point are missing");
    }
    const Result reached = recordOf(replay).result;
    if (reached != Result::UNFINISHED && reached != record.result)
        return fail(error, where.resultLine, std::string("the game ends in ") + resultText(reached) + ", not " + resultText(record.result));
    if (reached == Result::UNFINISHED && (record.result == Result::ONE_WON || record.result == Result::TWO_WON))
        return fail(error, where.resultLine, std::string("the game is not over at its last turn: not ") + resultText(record.result));
    return true;
}

}  // namespace

const char* resultText(Result result) {
    return resultTexts[static_cast<int>(result)];
}

std::string formatRecord(const GameRecord& record) {
    std::ostringstream out;
    out << "[Event " << quoted(record.event) << "]\n"
        << "[Date " << quoted(record.date) << "]\n"
        << "[One " << quoted(record.players[0].name) << "]\n"
        << "[Two " << quoted(record.players[1].name) << "]\n"
        << "[OneKind " << quoted(kindText(record.players[0])) << "]\n"
        << "[TwoKind " << quoted(kindText(record.players[1])) << "]\n"
        << "[FirstMover " << quoted(sideNames[record.firstSide]) << "]\n"
        << "[Result " << quoted(resultText(record.result)) << "]\n\n";
    std::string line;
    auto add = [&](const std::string& word) {
        if (!line.empty() && line.size() + 1 + word.size() > movetextWidth) {
            out << line << '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    };
    for (size_t i = 0; i < record.turns.size(); ++i)
        add(std::to_string(i + 1) + ". " + turnText(record.turns[i]));
    add(resultText(record.result));
    out << line << '\n';
    return out.str();
}

bool parseRecord(const std::string& text, GameRecord& record, RecordError& error, GameReplay* replay) {
    if (text.size() > RECORD_TEXT_LIMIT)
        return fail(error, 1, "longer than " + std::to_string(RECORD_TEXT_LIMIT) + " bytes");
    const std::vector<std::string> lines = linesOf(text);
    GameRecord read;
    Movetext where;
    size_t at = 0;
    if (!readHeader(lines, at, read, error) || !readMovetext(lines, at, read, where, error)) return false;
    GameReplay played(read.firstSide, computerSidesOf(read));
    if (!replayTurns(read, played, where, error)) return false;
    record = std::move(read);
    if (replay) *replay = std::move(played);
    return true;
}

GameRecord recordOf(const GameReplay& replay) {
    GameRecord record;
    record.firstSide = replay.firstSide();
    for (int side = 0; side < 2; ++side) record.players[side].computer = (replay.computerSides() >> side) & 1;
    record.turns = replay.turns();
    const engine::Position& end = replay.now();
    if (end.phase == engine::OVER) record.result = end.winner == 0 ? Result::ONE_WON : Result::TWO_WON;
    return record;
}

bool replayRecord(const GameRecord& record, GameReplay& replay, RecordError& error) {
    GameReplay played(record.firstSide, computerSidesOf(record));
    if (!replayTurns(record, played, Movetext{}, error)) return false;
    replay = std::move(played);
    return true;
}

std::string todaysDate() {
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    char text[32];
    if (strftime(text, sizeof text, "%Y.%m.%d", &local) != 10) return "????.??.??";
    return text;
}

}  // namespace records
