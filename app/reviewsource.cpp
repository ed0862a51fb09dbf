#include "app/reviewsource.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "app/liverecord.h"
#include "records/gamesfile.h"
#include "rules/flow.h"

ReviewRequest reviewRequestOf(int argc, char** argv) {
    ReviewRequest request;
    if (argc < 2 || std::strcmp(argv[1], "--review") != 0) return request;
    request.wanted = true;
    if (argc < 3 || argc > 4) {
        request.refusal = "usage: zelk --review FILE [N]";
        return request;
    }
    char resolved[PATH_MAX];
    request.path = realpath(argv[2], resolved) ? resolved : argv[2];
    if (argc == 4) {
        char* end = nullptr;
        const long number = std::strtol(argv[3], &end, 10);
        if (*end || number < 1 || number > INT_MAX) request.refusal = std::string("not a record's number: ") + argv[3];
        request.number = static_cast<int>(number);
    }
    return request;
}

bool readRequestedGame(const ReviewRequest& request, ReviewedGame& game, std::string& refusal) {
    if (!request.refusal.empty()) {
        refusal = request.refusal;
        return false;
    }
    records::GameRecord record;
    records::GameReplay replay;
    records::RecordError error;
    if (!records::readRecordFile(request.path, request.number, record, replay, error)) {
        refusal = request.path + ": line " + std::to_string(error.line) + ": " + error.reason;
        return false;
    }
    game = reviewedGameOf(replay, record);
    return true;
}

bool reviewFinishedGame() {
    const records::GameReplay* replay = lastFinishedReplay();
    const records::GameRecord* record = lastFinishedRecord();
    if (!replay || !record) return false;
    reviewGame(reviewedGameOf(*replay, *record));
    return true;
}

bool goOverAGame() {
    if (state == STATE_PLAYING && liveReplay()) {
        reviewGame(reviewedGameOf(*liveReplay(), liveRecord()));
        return true;
    }
    const std::vector<records::GameRecord> kept = records::readGamesFile(records::gamesFilePath());
    if (kept.empty()) {
        return reviewFinishedGame();
    }
    // The games file's records were read back through the rules: each replays.
    size_t shown = kept.size() - 1;
    for (;;) {
        records::GameReplay replay;
        records::RecordError error;
        records::replayRecord(kept[shown], replay, error);
        ReviewedGame game = reviewedGameOf(replay, kept[shown]);
        game.inFile = std::to_string(shown + 1) + "/" + std::to_string(kept.size());
        const ReviewExit exit = reviewGame(std::move(game), static_cast<size_t>(-1), true);
        if (exit == ReviewExit::LEFT) return true;
        if (exit == ReviewExit::PREVIOUS && shown > 0) --shown;
        if (exit == ReviewExit::NEXT && shown + 1 < kept.size()) ++shown;
    }
}
