// Going over a game one action at a time: Left and Right step one action,
// Home and End go to the start and the end, and the position is drawn as
// it was, the pieces still to place at home included. Each action gets the
// engine's verdict (records/verdict.h) with its mark and the best action
// drawn on the board. The verdicts take a search each, so a thread of the
// review's own judges the positions near the one shown, nearest first,
// while the frames go on. Nothing of the game under way changes: leaving the review
// finds it as it was.
#pragma once

#include <SDL/SDL.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "records/gamerecord.h"
#include "records/verdict.h"

struct ReviewedGame {
    std::vector<engine::Position> positions;  // before each action, then the end
    std::vector<engine::Move> actions;
    std::vector<records::Turn> turns;
    std::vector<int> turnOfAction;
    records::GameRecord header;  // the names, kinds, date and result
    std::string inFile;          // "3/7": its place among the games file's, when browsed
};
ReviewedGame reviewedGameOf(const records::GameReplay& replay, const records::GameRecord& header);

class Review {
public:
    explicit Review(ReviewedGame game, size_t cursor = 0, records::ReviewLimits limits = {});
    ~Review();  // stops judging, the search under way ending first
    Review(const Review&) = delete;
    Review& operator=(const Review&) = delete;

    // Left, Right, Home, End; false for any other key.
    bool key(SDLKey key);
    // How many actions the position shown is into the game.
    size_t cursor() const { return at; }
    const engine::Position& shown() const { return reviewed.positions[at]; }
    const ReviewedGame& game() const { return reviewed; }
    // The verdict on action `action`; false while its positions are not
    // judged yet.
    bool verdict(size_t action, records::Verdict& out) const;
    // "?", "??" or "" for every turn whose verdicts are known so far.
    std::vector<std::string> turnMarks() const;
    // Asks the thread to end after the search under way, and whether it
    // has.
    void stopJudging() { stopping = true; }
    bool judgingEnded() const { return finished; }

private:
    void judge();

    ReviewedGame reviewed;
    std::atomic<size_t> at;
    records::ReviewLimits limits;
    mutable std::mutex guard;
    std::vector<records::Judgement> judged;
    std::vector<bool> known;
    std::atomic<bool> stopping{false};
    std::atomic<bool> finished{false};
    std::thread judging;
};

// The review screen until the player leaves it (Escape or o; q leaves and
// quits; closing the window leaves it and asks in the game), starting at
// `cursor` (clamped to the end). `browsing` a list of games, Page Up and
// Page Down leave it for the game before or after.
enum class ReviewExit { LEFT, PREVIOUS, NEXT };
ReviewExit reviewGame(ReviewedGame game, size_t cursor = static_cast<size_t>(-1), bool browsing = false);

// A verdict in the player's words: "won in 12 → lost in 7".
std::string verdictInWords(const records::Verdict& verdict);
