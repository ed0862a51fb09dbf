#include "bot/endgametables.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace engine {

namespace {

const char MAGIC[8] = {'Z', 'E', 'L', 'K', 'E', 'G', '0', '3'};

// A number to order values by: higher is better for the side to act.
int rank(EndgameValue value) {
    if (isWon(value)) return 1000 - value;
    if (isLost(value)) return -1000 + turnsLeft(value);
    return 0;
}

}  // namespace

EndgameTables::EndgameTables(int most, int mostTotal)
    : mostPieces(most), totalPieces(mostTotal > 0 ? mostTotal : 2 * most) {}

bool EndgameTables::covers(const Position& position) const {
    return position.phase == MOVING && covers(position.count(position.side), position.count(1 - position.side));
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

void EndgameTables::widen(int mostTotal) {
    totalPieces = std::max(totalPieces, std::min(mostTotal, 2 * mostPieces));
}

namespace {

// The slices a file holds, in the order it holds them: by total, then by
// the pieces of the side to act, normal before safe route.
template <typename Visit>
void forEachStored(int most, int firstTotal, int lastTotal, Visit visit) {
    for (int total = firstTotal; total <= lastTotal; ++total)
        for (int own = ENDGAME_FEWEST; own <= most; ++own)
            for (int safe = 0; safe < 2; ++safe)
                if (total - own >= ENDGAME_FEWEST && total - own <= most) visit(safe != 0, own, total - own);
}

const size_t CHUNK = 1 << 16;

bool deflateInto(FILE* file, z_stream& stream, int flush) {
    uint8_t out[CHUNK];
    do {
        stream.next_out = out;
        stream.avail_out = CHUNK;
        if (deflate(&stream, flush) == Z_STREAM_ERROR) return false;
        const size_t produced = CHUNK - stream.avail_out;
        if (std::fwrite(out, 1, produced, file) != produced) return false;
    } while (stream.avail_out == 0);
    return true;
}

// Fills `data` from the compressed stream; false when the stream ends first
// or is damaged.
bool inflateFrom(FILE* file, z_stream& stream, uint8_t* in, uint8_t* data, size_t size, bool& ended) {
    stream.next_out = data;
    stream.avail_out = static_cast<uInt>(size);
    while (stream.avail_out > 0) {
        if (ended) return false;
        if (stream.avail_in == 0) {
            stream.avail_in = static_cast<uInt>(std::fread(in, 1, CHUNK, file));
            stream.next_in = in;
            if (stream.avail_in == 0) return false;
        }
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (status == Z_STREAM_END) ended = true;
        else if (status != Z_OK) return false;
    }
    return true;
}

}  // namespace

bool EndgameTables::save(const std::string& path, int fromTotal) const {
    const std::string partial = path + ".part";
    FILE* file = std::fopen(partial.c_str(), "wb");
    if (!file) return false;
    const int firstTotal = std::max(fromTotal, 2 * ENDGAME_FEWEST);
    bool ok = std::fwrite(MAGIC, 1, sizeof MAGIC, file) == sizeof MAGIC;
    const uint8_t limits[3] = {static_cast<uint8_t>(mostPieces), static_cast<uint8_t>(firstTotal),
                               static_cast<uint8_t>(totalPieces)};
    ok = ok && std::fwrite(limits, 1, sizeof limits, file) == sizeof limits;
    z_stream stream{};
    ok = ok && deflateInit(&stream, Z_BEST_COMPRESSION) == Z_OK;
    forEachStored(mostPieces, firstTotal, totalPieces, [&](bool safe, int own, int theirs) {
        const auto& data = values[safe][own][theirs];
        for (size_t done = 0; ok && done < data.size(); done += CHUNK) {
            stream.next_in = const_cast<uint8_t*>(data.data() + done);
            stream.avail_in = static_cast<uInt>(std::min(CHUNK, data.size() - done));
            ok = deflateInto(file, stream, Z_NO_FLUSH);
        }
    });
    ok = ok && deflateInto(file, stream, Z_FINISH);
    deflateEnd(&stream);
    ok = std::fclose(file) == 0 && ok;
    if (ok) ok = std::rename(partial.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(partial.c_str());
    return ok;
}

bool EndgameTables::load(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char magic[sizeof MAGIC];
    uint8_t limits[3] = {0, 0, 0};
    bool ok = std::fread(magic, 1, sizeof magic, file) == sizeof magic && std::memcmp(magic, MAGIC, sizeof MAGIC) == 0 &&
              std::fread(limits, 1, sizeof limits, file) == sizeof limits;
    const int most = limits[0], firstTotal = limits[1], lastTotal = limits[2];
    const bool empty = totalPieces < 2 * ENDGAME_FEWEST;
    ok = ok && most >= ENDGAME_FEWEST && most <= ENDGAME_MOST && lastTotal >= firstTotal && lastTotal <= 2 * most &&
         firstTotal == (empty ? 2 * ENDGAME_FEWEST : totalPieces + 1) && (empty || most == mostPieces);
    // Read aside first: what is held stays as it is unless all of it reads.
    std::vector<std::vector<EndgameValue>> read;
    z_stream stream{};
    ok = ok && inflateInit(&stream) == Z_OK;
    if (ok) {
        std::vector<uint8_t> in(CHUNK);
        bool ended = false;
        forEachStored(most, firstTotal, lastTotal, [&](bool, int own, int theirs) {
            read.emplace_back(ok ? sliceShape(own, theirs).size() : 0);
            ok = ok && inflateFrom(file, stream, in.data(), read.back().data(), read.back().size(), ended);
        });
        // The stream ends with the last slice and the file with the stream.
        if (ok && !ended) {
            uint8_t extra;
            ok = inflateFrom(file, stream, in.data(), &extra, 1, ended) == false && ended;
        }
        ok = ok && stream.avail_in == 0 && std::fgetc(file) == EOF;
        inflateEnd(&stream);
    }
    std::fclose(file);
    if (!ok) return false;
    mostPieces = most;
    totalPieces = lastTotal;
    size_t next = 0;
    forEachStored(most, firstTotal, lastTotal,
                  [&](bool safe, int own, int theirs) { values[safe][own][theirs] = std::move(read[next++]); });
    return true;
}

}  // namespace engine
