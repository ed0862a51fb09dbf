#include "rules/savefile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "rules/playable.h"
#include "settings/log.h"
#include "settings/userfiles.h"
#include "settings/wholefile.h"

namespace {

// Version 1 had no actions line; it is still read, its game without them.
const char* const firstLine = "zelk save 2";
const char* const firstLineBefore = "zelk save 1";
// The game's record for the upload: a handful of numbers, but every `r`
// (a report asked for in mid-game) adds a board's worth to it.
const size_t recordLimit = 64;
const int playerStatesKept[] = {0, 3, 4};         // CHOOSING, HITTING, WAITING

void writeSnapshot(std::ostream& out, const GameSnapshot& s) {
    out << s.gamePhase << ' ' << s.whoseFirstJare << ' ' << (s.safemovement ? 1 : 0) << ' ' << s.toAct;
    for (const PlayerSnapshot& player : s.players)
        out << ' ' << player.pawnsOnBoard << ' ' << (player.openedTheGame ? 1 : 0) << ' ' << player.state;
    out << ' ' << std::min(s.clockMilliseconds, SAVE_CLOCK_LIMIT) << " r" << s.record.substr(0, recordLimit);
    for (int piece : s.pieces) out << ' ' << piece;
    out << '\n';
}

// The words of one line, each checked as it is taken.
class Words {
public:
    explicit Words(const std::string& line) : in(line) {}

    bool number(long low, long high, long& value) {
        std::string word;
        if (!(in >> word) || word.size() > 12) return false;
        char* end = nullptr;
        errno = 0;
        value = strtol(word.c_str(), &end, 10);
        return errno == 0 && end && *end == '\0' && end != word.c_str() && value >= low && value <= high;
    }
    bool number(long low, long high, int& value) {
        long wide;
        if (!number(low, high, wide)) return false;
        value = static_cast<int>(wide);
        return true;
    }
    bool word(std::string& value) { return static_cast<bool>(in >> value); }
    bool literal(const char* expected) {
        std::string value;
        return word(value) && value == expected;
    }
    bool finished() {
        std::string rest;
        return !(in >> rest);
    }

private:
    std::istringstream in;
};

bool readPlayer(Words& words, PlayerSnapshot& player) {
    int opened;
    if (!words.number(0, 12, player.pawnsOnBoard) || !words.number(0, 1, opened) ||
        !words.number(0, 5, player.state))
        return false;
    player.openedTheGame = opened == 1;
    for (int kept : playerStatesKept)
        if (player.state == kept) return true;
    return false;
}

bool readRecord(Words& words, std::string& record) {
    std::string word;
    if (!words.word(word) || word.empty() || word[0] != 'r' || word.size() > recordLimit + 1) return false;
    record = word.substr(1);
    for (char c : record)
        if (!(c >= '0' && c <= '9') && c != '-') return false;
    return true;
}

bool everyPieceOnItsOwnPoint(const GameSnapshot& s) {
    bool taken[24] = {};
    for (int where : s.pieces) {
        if (where < 0) continue;
        if (taken[where]) return false;
        taken[where] = true;
    }
    return true;
}

bool readSnapshot(const std::string& line, GameSnapshot& s) {
    Words words(line);
    int safe;
    long clock;
    if (!words.number(0, 2, s.gamePhase) || !words.number(0, 2, s.whoseFirstJare) ||
        !words.number(0, 1, safe) || !words.number(1, 2, s.toAct) || !readPlayer(words, s.players[0]) ||
        !readPlayer(words, s.players[1]) || !words.number(0, SAVE_CLOCK_LIMIT, clock) ||
        !readRecord(words, s.record))
        return false;
    s.safemovement = safe == 1;
    s.clockMilliseconds = static_cast<unsigned>(clock);
    for (int& piece : s.pieces)
        if (!words.number(PIECE_REMOVED, 23, piece)) return false;
    return words.finished() && everyPieceOnItsOwnPoint(s);
}

// The game's actions as the record of the game under way writes them: the
// notation's letters, digits and signs only, within the limit.
bool plausibleActions(const std::string& actions) {
    if (actions.size() > SAVE_ACTIONS_LIMIT) return false;
    for (char c : actions)
        if (!std::strchr("abcdefg01234567x-: ", c)) return false;
    return true;
}

// The lines of a text, without their line ends; false past `limit` lines.
bool splitLines(const std::string& text, std::vector<std::string>& lines, size_t limit) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lines.size() >= limit) return false;
        lines.push_back(line);
    }
    return true;
}

// "key n" with n in [low, high].
bool keyedNumber(const std::string& line, const char* key, long low, long high, int& value) {
    Words words(line);
    return words.literal(key) && words.number(low, high, value) && words.finished();
}

}  // namespace

std::string formatSavedGame(const SavedGame& game) {
    const size_t size = game.history.size();
    const size_t kept = std::min(size, SAVE_HISTORY_LIMIT);
    const size_t first = std::min(size - kept, static_cast<size_t>(std::max(game.cursor, 0)));
    std::ostringstream out;
    out << firstLine << '\n';
    out << "kinds " << game.kinds[0] << ' ' << game.kinds[1] << '\n';
    out << "level " << game.level << '\n';
    out << "history " << kept << ' ' << (kept ? game.cursor - static_cast<int>(first) : -1) << '\n';
    for (size_t i = first; i < first + kept; ++i) writeSnapshot(out, game.history[i]);
    out << "now ";
    writeSnapshot(out, game.now);
    out << "actions" << (plausibleActions(game.actions) && !game.actions.empty() ? " " + game.actions : "") << '\n';
    out << "end\n";
    return out.str();
}

bool parseSavedGame(const std::string& text, SavedGame& game, std::string& why) {
    std::vector<std::string> lines;
    if (!splitLines(text, lines, SAVE_HISTORY_LIMIT + 7)) return why = "too many lines", false;
    if (lines.empty() || (lines[0] != firstLine && lines[0] != firstLineBefore))
        return why = "not a save of this version", false;
    const size_t actionLines = lines[0] == firstLine ? 1 : 0;
    if (lines.size() < 6 + actionLines) return why = "wrong number of lines", false;
    SavedGame read;
    Words kinds(lines[1]);
    if (!kinds.literal("kinds") || !kinds.number(0, 1, read.kinds[0]) || !kinds.number(0, 1, read.kinds[1]) ||
        !kinds.finished() || (read.kinds[0] == 1 && read.kinds[1] == 1))
        return why = "bad kinds line", false;
    if (!keyedNumber(lines[2], "level", 0, 3, read.level)) return why = "bad level line", false;
    Words history(lines[3]);
    int count;
    if (!history.literal("history") || !history.number(0, SAVE_HISTORY_LIMIT, count) ||
        !history.number(count > 0 ? 0 : -1, count - 1, read.cursor) || !history.finished())
        return why = "bad history line", false;
    if (lines.size() != static_cast<size_t>(count) + 6 + actionLines) return why = "wrong number of lines", false;
    read.history.resize(count);
    for (int i = 0; i < count; ++i)
        if (!readSnapshot(lines[4 + i], read.history[i]))
            return why = "bad position on line " + std::to_string(5 + i), false;
    const std::string& now = lines[4 + count];
    if (now.compare(0, 4, "now ") != 0 || !readSnapshot(now.substr(4), read.now))
        return why = "bad current position", false;
    if (actionLines) {
        const std::string& actions = lines[5 + count];
        if (actions != "actions" && (actions.compare(0, 8, "actions ") != 0 || actions.size() == 8))
            return why = "bad actions line", false;
        read.actions = actions.size() > 8 ? actions.substr(8) : "";
        if (!plausibleActions(read.actions)) return why = "bad actions line", false;
    }
    if (lines[5 + count + actionLines] != "end") return why = "no end line", false;
    for (int i = 0; i < count; ++i)
        if (const char* reason = whyNotPlayable(read.history[i], read.kinds))
            return why = "position on line " + std::to_string(5 + i) + ": " + reason, false;
    if (const char* reason = whyNotPlayable(read.now, read.kinds)) return why = std::string("current position: ") + reason, false;
    game = std::move(read);
    return true;
}

std::string savedGamePath() {
    return userConfigFile("zelk.save");
}

bool writeSavedGame(const std::string& path, const SavedGame& game) {
    const std::string text = formatSavedGame(game);
    std::string why;
    const bool ok = replaceFileWhole(path, [&text](FILE* file) {
        return fwrite(text.data(), 1, text.size(), file) == text.size();
    }, why);
    if (!ok) ILog.log(0, "ERROR writing file %s: %s; the game was not saved", path.c_str(), why.c_str());
    return ok;
}

SaveReading readSavedGame(const std::string& path, SavedGame& game) {
    std::string text, why;
    const WholeRead reading = readFileWhole(path, SAVE_FILE_LIMIT, text, why);
    if (reading == WholeRead::Missing) return SaveReading::None;
    if (reading == WholeRead::Read && parseSavedGame(text, game, why)) return SaveReading::Read;
    ILog.log(0, "Saved game %s refused: %s", path.c_str(), why.c_str());
    return SaveReading::Unreadable;
}

void putSaveAside(const std::string& path) {
    for (int attempt = 1; attempt <= 99; ++attempt) {
        const std::string aside = path + ".unreadable" + (attempt > 1 ? "." + std::to_string(attempt) : "");
        // Another copy could take the name between the look and the rename;
        // both would have to be putting a bad save aside at that moment.
        struct stat info;
        if (lstat(aside.c_str(), &info) == 0 || errno != ENOENT) continue;
        if (rename(path.c_str(), aside.c_str()) == 0) {
            ILog.log(0, "Saved game %s put aside as %s, out of the next save's way", path.c_str(), aside.c_str());
        } else {
            ILog.log(0, "ERROR renaming file %s: %s; it is left as it is", path.c_str(), strerror(errno));
        }
        return;
    }
    ILog.log(0, "ERROR renaming file %s: every name for it is taken; it is left as it is", path.c_str());
}

void removeSavedGameHolding(const std::string& path, const std::string& formattedGame) {
    std::string text, why;
    SavedGame there;
    if (readFileWhole(path, SAVE_FILE_LIMIT, text, why) != WholeRead::Read ||
        !parseSavedGame(text, there, why) || formatSavedGame(there) != formattedGame)
        return;
    if (remove(path.c_str()) != 0 && errno != ENOENT)
        ILog.log(0, "ERROR removing file %s: %s", path.c_str(), strerror(errno));
}
