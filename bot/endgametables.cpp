#include "bot/endgametables.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace engine {

namespace {

const char MAGIC[8] = {'Z', 'E', 'L', 'K', 'E', 'G', '0', '4'};

// A number to order values by: higher is better for the side to act.
int rank(EndgameValue value) {
    if (isWon(value)) return 1000 - value;
    if (isLost(value)) return -1000 + turnsLeft(value);
    return 0;
}

}  // namespace

const EndgameValue* EndgameSlice::safeValue(uint64_t place) const {
    const auto at = std::lower_bound(safePlaces.begin(), safePlaces.end(), place);
    if (at == safePlaces.end() || *at != place) return nullptr;
    return &safeValues[static_cast<size_t>(at - safePlaces.begin())];
}

bool EndgameTables::covers(const Position& position) const {
    return position.phase == MOVING && covers(position.count(position.side), position.count(1 - position.side));
}

int EndgameTables::most() const {
    int most = 0;
    for (const SliceName& name : held()) most = std::max({most, name.first, name.second});
    return most;
}

int EndgameTables::mostTotal() const {
    int total = 0;
    for (const SliceName& name : held()) total = std::max(total, name.first + name.second);
    return total;
}

std::vector<SliceName> EndgameTables::held() const {
    std::vector<SliceName> names;
    for (int own = ENDGAME_FEWEST; own <= ENDGAME_MOST; ++own)
        for (int theirs = ENDGAME_FEWEST; theirs <= ENDGAME_MOST; ++theirs)
            if (covers(own, theirs)) names.push_back({own, theirs});
    return names;
}

// After a line the removal finishes the turn the step began: the turns left
// count that turn as one, as they do before the step.
EndgameValue EndgameTables::value(const Position& position) const {
    const int side = position.side;
    if (!position.mustRemove) return value(position.pieces[side], position.pieces[1 - side], position.safeRoute);
    EndgameValue best = NO_POSITION;
    for (Points theirs = position.pieces[1 - side]; theirs; theirs &= theirs - 1) {
        Position child = position;
        const bool handedOver = play(child, Move{static_cast<int8_t>(__builtin_ctz(theirs)), -1});
        EndgameValue result;
        if (child.phase == OVER)
            result = won(1);
        else
            result = afterTurn(value(child.pieces[child.side], child.pieces[1 - child.side], child.safeRoute),
                               !handedOver);
        if (best == NO_POSITION || better(result, best)) best = result;
    }
    return best;
}

bool better(EndgameValue a, EndgameValue b) {
    return rank(a) > rank(b);
}

EndgameValue afterTurn(EndgameValue next, bool sameSide) {
    if (next == DRAWN || next == NO_POSITION) return next;
    const int turns = turnsLeft(next) + 1;
    if (turns > LONGEST) return DRAWN;  // never: the solver checks the longest
    return isWon(next) == sameSide ? won(turns) : lost(turns);
}

namespace {

const size_t CHUNK = 1 << 16;

// Compresses what it is given into a file.
class Deflater {
public:
    explicit Deflater(FILE* file) : file(file) { ok = deflateInit(&stream, Z_DEFAULT_COMPRESSION) == Z_OK; }
    ~Deflater() { deflateEnd(&stream); }
    bool good() const { return ok; }
    void write(const void* data, size_t size) {
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        for (size_t done = 0; ok && done < size; done += CHUNK) {
            stream.next_in = const_cast<uint8_t*>(bytes + done);
            stream.avail_in = static_cast<uInt>(std::min(CHUNK, size - done));
            pump(Z_NO_FLUSH);
        }
    }
    bool finish() {
        if (ok) pump(Z_FINISH);
        return ok;
    }

private:
    void pump(int flush) {
        uint8_t out[CHUNK];
        do {
            stream.next_out = out;
            stream.avail_out = CHUNK;
            if (deflate(&stream, flush) == Z_STREAM_ERROR) ok = false;
            const size_t produced = CHUNK - stream.avail_out;
            if (ok && std::fwrite(out, 1, produced, file) != produced) ok = false;
        } while (ok && stream.avail_out == 0);
    }

    FILE* file;
    z_stream stream{};
    bool ok = false;
};

// Reads a compressed stream that must end exactly where the file does.
class Inflater {
public:
    explicit Inflater(FILE* file) : file(file), in(CHUNK) { ok = inflateInit(&stream) == Z_OK; }
    ~Inflater() { inflateEnd(&stream); }
    bool read(void* data, size_t size) {
        stream.next_out = static_cast<uint8_t*>(data);
        stream.avail_out = static_cast<uInt>(size);
        while (ok && stream.avail_out > 0) {
            if (ended) return ok = false;
            if (stream.avail_in == 0) {
                stream.avail_in = static_cast<uInt>(std::fread(in.data(), 1, CHUNK, file));
                stream.next_in = in.data();
                if (stream.avail_in == 0) return ok = false;
            }
            const int status = inflate(&stream, Z_NO_FLUSH);
            if (status == Z_STREAM_END) ended = true;
            else if (status != Z_OK) ok = false;
        }
        return ok;
    }
    bool readLarge(uint8_t* data, size_t size) {
        for (size_t done = 0; done < size; done += CHUNK)
            if (!read(data + done, std::min(CHUNK, size - done))) return false;
        return true;
    }
    // Nothing past the stream, and nothing past its end in the file.
    bool atEnd() {
        if (ok && !ended) {
            uint8_t extra;
            read(&extra, 1);
            if (!ended || stream.avail_out == 0) return false;
        }
        return ended && stream.avail_in == 0 && std::fgetc(file) == EOF;
    }

private:
    FILE* file;
    std::vector<uint8_t> in;
    z_stream stream{};
    bool ok = false, ended = false;
};

void putWord(std::vector<uint8_t>& out, uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(word >> shift));
}

uint32_t getWord(const uint8_t* in) {
    return uint32_t{in[0]} | uint32_t{in[1]} << 8 | uint32_t{in[2]} << 16 | uint32_t{in[3]} << 24;
}

// The safe-route places as gaps from the one before, which compress well.
std::vector<uint8_t> safeRecord(const EndgameSlice& slice) {
    std::vector<uint8_t> record;
    putWord(record, static_cast<uint32_t>(slice.safePlaces.size()));
    uint32_t previous = 0;
    for (uint32_t place : slice.safePlaces) {
        putWord(record, place - previous);
        previous = place;
    }
    record.insert(record.end(), slice.safeValues.begin(), slice.safeValues.end());
    return record;
}

bool readSlice(Inflater& in, int own, int theirs, EndgameSlice& slice) {
    const uint64_t size = sliceShape(own, theirs).size();
    slice.values.resize(size);
    uint8_t word[4];
    if (!in.readLarge(slice.values.data(), size) || !in.read(word, 4)) return false;
    const uint32_t safeCount = getWord(word);
    if (safeCount > size) return false;
    std::vector<uint8_t> gaps(size_t{safeCount} * 4);
    if (!in.readLarge(gaps.data(), gaps.size())) return false;
    slice.safePlaces.resize(safeCount);
    uint64_t place = 0;
    for (uint32_t i = 0; i < safeCount; ++i) {
        const uint32_t gap = getWord(&gaps[4 * i]);
        place += gap;
        if ((i > 0 && gap == 0) || place >= size) return false;
        slice.safePlaces[i] = static_cast<uint32_t>(place);
    }
    slice.safeValues.resize(safeCount);
    return in.readLarge(slice.safeValues.data(), safeCount);
}

// Every slice a removal leads to from one of `names` is among them.
bool closed(const std::vector<SliceName>& names) {
    auto has = [&](int own, int theirs) { return std::count(names.begin(), names.end(), SliceName{own, theirs}) > 0; };
    for (const SliceName& name : names) {
        const int own = name.first, theirs = name.second;
        if (theirs > ENDGAME_FEWEST && !(has(theirs - 1, own) && has(own, theirs - 1))) return false;
    }
    return true;
}

}  // namespace

bool EndgameTables::save(const std::string& path, std::vector<SliceName> names) const {
    if (names.empty()) names = held();
    std::string partial = path + ".XXXXXX";
    const int descriptor = mkstemp(&partial[0]);
    if (descriptor < 0) return false;
    fchmod(descriptor, 0644);  // a file of the resource tree, for every user to read
    FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        close(descriptor);
        std::remove(partial.c_str());
        return false;
    }
    std::vector<uint8_t> header(MAGIC, MAGIC + sizeof MAGIC);
    header.push_back(static_cast<uint8_t>(names.size()));
    for (const SliceName& name : names) {
        header.push_back(static_cast<uint8_t>(name.first));
        header.push_back(static_cast<uint8_t>(name.second));
    }
    bool ok = std::fwrite(header.data(), 1, header.size(), file) == header.size();
    {
        Deflater out(file);
        ok = ok && out.good();
        for (const SliceName& name : names) {
            const EndgameSlice& held = slice(name.first, name.second);
            ok = ok && held.held();
            if (!ok) break;
            out.write(held.values.data(), held.values.size());
            const std::vector<uint8_t> safe = safeRecord(held);
            out.write(safe.data(), safe.size());
        }
        ok = out.finish() && ok;
    }
    ok = std::fflush(file) == 0 && fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok) ok = std::rename(partial.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(partial.c_str());
    return ok;
}

bool EndgameTables::load(const std::string& path, std::string* why) {
    auto refuse = [&](const char* reason) {
        if (why) *why = reason;
        return false;
    };
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return refuse("cannot be opened");
    std::unique_ptr<FILE, int (*)(FILE*)> closing(file, std::fclose);
    char magic[sizeof MAGIC];
    uint8_t count = 0;
    if (std::fread(magic, 1, sizeof magic, file) != sizeof magic || std::memcmp(magic, MAGIC, sizeof MAGIC) != 0 ||
        std::fread(&count, 1, 1, file) != 1)
        return refuse("is no file of endgame tables");
    std::vector<SliceName> names;
    for (int i = 0; i < count; ++i) {
        uint8_t name[2];
        if (std::fread(name, 1, 2, file) != 2) return refuse("is cut short");
        const SliceName slice{name[0], name[1]};
        const bool known = slice.first >= ENDGAME_FEWEST && slice.first <= ENDGAME_MOST &&
                           slice.second >= ENDGAME_FEWEST && slice.second <= ENDGAME_MOST;
        if (!known || covers(slice.first, slice.second) || std::count(names.begin(), names.end(), slice))
            return refuse("holds slices it should not");
        names.push_back(slice);
    }
    std::vector<SliceName> all = held();
    all.insert(all.end(), names.begin(), names.end());
    if (!closed(all)) return refuse("lacks the slices its removals lead to");
    // Read aside first: what is held stays as it is unless all of it reads.
    EndgameTables read;
    try {
        Inflater in(file);
        for (const SliceName& name : names)
            if (!readSlice(in, name.first, name.second, read.slices[name.first][name.second]))
                return refuse("is cut short or damaged");
        if (!in.atEnd()) return refuse("is damaged");
    } catch (const std::bad_alloc&) {
        return refuse("does not fit in memory");
    }
    for (const SliceName& name : names) slices[name.first][name.second] = std::move(read.slices[name.first][name.second]);
    return true;
}

}  // namespace engine
