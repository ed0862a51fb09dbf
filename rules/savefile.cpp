#include "rules/savefile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "settings/log.h"
#include "settings/userfiles.h"

namespace {

const char* const firstLine = "zelk save 1";
const size_t recordLimit = 64;
const long clockLimit = 1000L * 60 * 60 * 24 * 7;  // a week of one turn
const int playerStatesKept[] = {0, 3, 4};         // CHOOSING, HITTING, WAITING

void writeSnapshot(std::ostream& out, const GameSnapshot& s) {
    out << s.gamePhase << ' ' << s.whoseFirstJare << ' ' << (s.safemovement ? 1 : 0) << ' ' << s.toAct;
    for (const PlayerSnapshot& player : s.players)
        out << ' ' << player.pawnsOnBoard << ' ' << (player.openedTheGame ? 1 : 0) << ' ' << player.state;
    out << ' ' << s.clockMilliseconds << " r" << s.record;
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

// Every piece on its own point and each side's count what its pieces say.
bool possible(const GameSnapshot& s) {
    bool taken[24] = {};
    int onBoard[2] = {0, 0};
    for (int index = 0; index < 24; ++index) {
        const int where = s.pieces[index];
        if (where < 0) continue;
        if (taken[where]) return false;
        taken[where] = true;
        ++onBoard[index < 12 ? 0 : 1];
    }
    return onBoard[0] == s.players[0].pawnsOnBoard && onBoard[1] == s.players[1].pawnsOnBoard;
}

bool readSnapshot(const std::string& line, GameSnapshot& s) {
    Words words(line);
    int safe;
    long clock;
    if (!words.number(0, 2, s.gamePhase) || !words.number(0, 2, s.whoseFirstJare) ||
        !words.number(0, 1, safe) || !words.number(1, 2, s.toAct) || !readPlayer(words, s.players[0]) ||
        !readPlayer(words, s.players[1]) || !words.number(0, clockLimit, clock) ||
        !readRecord(words, s.record))
        return false;
    s.safemovement = safe == 1;
    s.clockMilliseconds = static_cast<unsigned>(clock);
    for (int& piece : s.pieces)
        if (!words.number(PIECE_REMOVED, 23, piece)) return false;
    return words.finished() && possible(s);
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
    std::ostringstream out;
    out << firstLine << '\n';
    out << "kinds " << game.kinds[0] << ' ' << game.kinds[1] << '\n';
    out << "level " << game.level << '\n';
    out << "history " << game.history.size() << ' ' << game.cursor << '\n';
    for (const GameSnapshot& entry : game.history) writeSnapshot(out, entry);
    out << "now ";
    writeSnapshot(out, game.now);
    out << "end\n";
    return out.str();
}

bool parseSavedGame(const std::string& text, SavedGame& game, std::string& why) {
    std::vector<std::string> lines;
    if (!splitLines(text, lines, SAVE_HISTORY_LIMIT + 6)) return why = "too many lines", false;
    if (lines.size() < 6 || lines[0] != firstLine) return why = "not a save of this version", false;
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
    if (lines.size() != static_cast<size_t>(count) + 6) return why = "wrong number of lines", false;
    read.history.resize(count);
    for (int i = 0; i < count; ++i)
        if (!readSnapshot(lines[4 + i], read.history[i]))
            return why = "bad position on line " + std::to_string(5 + i), false;
    const std::string& now = lines[4 + count];
    if (now.compare(0, 4, "now ") != 0 || !readSnapshot(now.substr(4), read.now))
        return why = "bad current position", false;
    if (lines[5 + count] != "end") return why = "no end line", false;
    game = std::move(read);
    return true;
}

std::string savedGamePath() {
    return userConfigFile("zelk.save");
}

bool writeSavedGame(const std::string& path, const SavedGame& game) {
    const std::string temp = path + "." + std::to_string(getpid()) + ".tmp";
    const std::string text = formatSavedGame(game);
    FILE* file = fopen(temp.c_str(), "wb");
    bool ok = file && fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file && fclose(file) != 0) ok = false;
    if (ok && rename(temp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) {
        ILog.log(0, "ERROR writing file %s: %s; the game was not saved", path.c_str(), strerror(errno));
        remove(temp.c_str());
    }
    return ok;
}

bool readSavedGame(const std::string& path, SavedGame& game) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return false;
    std::string why;
    if (!S_ISREG(info.st_mode)) {
        why = "not a plain file";
    } else if (static_cast<size_t>(info.st_size) > SAVE_FILE_LIMIT) {
        why = "larger than " + std::to_string(SAVE_FILE_LIMIT) + " bytes";
    } else {
        std::ifstream in(path, std::ios::binary);
        std::string text(SAVE_FILE_LIMIT + 1, '\0');
        in.read(&text[0], static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<size_t>(in.gcount()));
        if (!in.bad() && text.size() <= SAVE_FILE_LIMIT && parseSavedGame(text, game, why)) return true;
        if (why.empty()) why = "unreadable";
    }
    ILog.log(0, "Saved game %s refused: %s", path.c_str(), why.c_str());
    return false;
}

bool savedGameExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

void removeSavedGame(const std::string& path) {
    if (remove(path.c_str()) != 0 && errno != ENOENT)
        ILog.log(0, "ERROR removing file %s: %s", path.c_str(), strerror(errno));
}
