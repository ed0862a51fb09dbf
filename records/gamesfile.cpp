#include "records/gamesfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "settings/log.h"
#include "settings/scan.h"
#include "settings/userfiles.h"

namespace records {

namespace {

bool writeWhole(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

// Under the lock: a blank line, the record, then synced. After a record
// torn by a crash the new one still begins a line, at its [Event tag. A
// failed write is cut off again.
bool appendLocked(int fd, const std::string& text) {
    struct stat info;
    if (fstat(fd, &info) != 0) return false;
    if (!S_ISREG(info.st_mode)) return errno = EINVAL, false;
    if (writeWhole(fd, (info.st_size > 0 ? "\n" : "") + text) && fsync(fd) == 0) return true;
    const int failure = errno;
    if (ftruncate(fd, info.st_size) == 0) fsync(fd);
    errno = failure;
    return false;
}

// The whole file, or false (with the reason) when it cannot be read or is
// past the limit.
bool readWhole(const std::string& path, std::string& text, std::string& why) {
    const char* refusal = nullptr;
    FILE* file = openPlainFile(path.c_str(), &refusal);
    if (!file) return why = refusal ? refusal : strerror(errno), false;
    text.clear();
    char block[65536];
    size_t got;
    while (text.size() <= RECORDS_FILE_LIMIT && (got = fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
    const bool failed = ferror(file);
    fclose(file);
    if (failed) return why = "unreadable", false;
    if (text.size() > RECORDS_FILE_LIMIT)
        return why = "larger than " + std::to_string(RECORDS_FILE_LIMIT) + " bytes", false;
    return true;
}

bool isHeaderLine(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

}  // namespace

std::string gamesFilePath() {
    return userDataFile(GAMES_FILE);
}

bool appendToGamesFile(const std::string& path, const GameRecord& record) {
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    bool added = fd >= 0 && flock(fd, LOCK_EX) == 0 && appendLocked(fd, formatRecord(record));
    const int failure = errno;
    if (fd >= 0 && close(fd) != 0) added = false;
    if (!added) ILog.log(0, "ERROR adding the game to %s: %s", path.c_str(), strerror(failure));
    return added;
}

std::vector<RecordText> splitRecords(const std::string& text) {
    std::vector<RecordText> records;
    size_t start = 0;
    int lineNumber = 1;
    bool afterHeader = false;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string line = text.substr(start, end - start);
        const bool header = isHeaderLine(line);
        const bool blank = line.find_first_not_of(" \t\r\n") == std::string::npos;
        if (records.empty() && blank) {
            start = end;
            ++lineNumber;
            continue;
        }
        if (records.empty() || (header && (!afterHeader || line.compare(0, 7, "[Event ") == 0)))
            records.push_back(RecordText{"", lineNumber});
        records.back().text += line;
        afterHeader = header;
        start = end;
        ++lineNumber;
    }
    return records;
}

std::vector<GameRecord> readGamesFile(const std::string& path, std::vector<RecordError>* refused) {
    std::vector<GameRecord> games;
    std::string text, why;
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return games;
    if (!readWhole(path, text, why)) {
        ILog.log(0, "The games file %s is not read: %s", path.c_str(), why.c_str());
        return games;
    }
    for (const RecordText& part : splitRecords(text)) {
        GameRecord record;
        RecordError error;
        if (parseRecord(part.text, record, error)) {
            games.push_back(std::move(record));
            continue;
        }
        error.line += part.firstLine - 1;
        ILog.log(1, "A record of %s is passed over: line %d: %s", path.c_str(), error.line, error.reason.c_str());
        if (refused) refused->push_back(error);
    }
    return games;
}

bool readRecordFile(const std::string& path, int number, GameRecord& record, GameReplay& replay,
                    RecordError& error) {
    std::string text;
    error = RecordError{};
    if (!readWhole(path, text, error.reason)) return false;
    const std::vector<RecordText> parts = splitRecords(text);
    if (number < 1 || static_cast<size_t>(number) > parts.size()) {
        error.reason = "there is no record " + std::to_string(number) + " in the file (it holds " +
                       std::to_string(parts.size()) + ")";
        return false;
    }
    const RecordText& part = parts[number - 1];
    if (parseRecord(part.text, record, error, &replay)) return true;
    error.line += part.firstLine - 1;
    return false;
}

}  // namespace records
