#include "bot/endgametables.h"

#include <cstdio>
#include <cstring>

namespace engine {

namespace {

const char MAGIC[8] = {'Z', 'E', 'L', 'K', 'E', 'G', '0', '2'};

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

bool EndgameTables::save(const std::string& path) const {
    const std::string partial = path + ".part";
    FILE* file = std::fopen(partial.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(MAGIC, 1, sizeof MAGIC, file) == sizeof MAGIC;
    const uint8_t limits[2] = {static_cast<uint8_t>(mostPieces), static_cast<uint8_t>(totalPieces)};
    ok = ok && std::fwrite(limits, 1, 2, file) == 2;
    for (int own = ENDGAME_FEWEST; own <= mostPieces; ++own)
        for (int theirs = ENDGAME_FEWEST; theirs <= mostPieces; ++theirs)
            for (int safe = 0; safe < 2 && covers(own, theirs); ++safe) {
                const auto& data = values[safe][own][theirs];
                ok = ok && std::fwrite(data.data(), 1, data.size(), file) == data.size();
            }
    ok = std::fclose(file) == 0 && ok;
    if (ok) ok = std::rename(partial.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(partial.c_str());
    return ok;
}

bool EndgameTables::load(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char magic[sizeof MAGIC];
    uint8_t limits[2] = {0, 0};
    bool ok = std::fread(magic, 1, sizeof magic, file) == sizeof magic && std::memcmp(magic, MAGIC, sizeof MAGIC) == 0 &&
              std::fread(limits, 1, 2, file) == 2 && limits[0] >= ENDGAME_FEWEST && limits[0] <= ENDGAME_MOST &&
              limits[1] >= 2 * ENDGAME_FEWEST && limits[1] <= 2 * limits[0];
    mostPieces = ok ? limits[0] : 0;
    totalPieces = ok ? limits[1] : 0;
    for (int own = ENDGAME_FEWEST; ok && own <= mostPieces; ++own)
        for (int theirs = ENDGAME_FEWEST; ok && theirs <= mostPieces; ++theirs)
            for (int safe = 0; ok && safe < 2 && covers(own, theirs); ++safe) {
                auto& data = values[safe][own][theirs];
                data.resize(sliceShape(own, theirs).size());
                ok = std::fread(data.data(), 1, data.size(), file) == data.size();
            }
    ok = ok && std::fgetc(file) == EOF;
    std::fclose(file);
    if (!ok) mostPieces = totalPieces = 0;
    if (!ok)
        for (auto& bySafe : values)
            for (auto& byOwn : bySafe)
                for (auto& data : byOwn) data.clear();
    return ok;
}

}  // namespace engine
