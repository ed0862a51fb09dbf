// The game under way recorded from the flow's hooks, kept in the games file
// and gone over in review.
#include <gtest/gtest.h>

#include "app/liverecord.h"
#include "app/mainloop.h"
#include "app/recordpanels.h"
#include "app/review.h"
#include "app/session.h"
#include "bot/endgames.h"
#include "records/gamesfile.h"
#include "rules/flow.h"
#include "rules/history.h"
#include "support/endgames.h"
#include "support/events.h"
#include "support/play.h"
#include "support/records.h"
#include "support/testenv.h"

namespace {

std::vector<std::string> liveTurns() {
    std::vector<std::string> texts;
    if (liveReplay())
        for (const records::Turn& turn : liveReplay()->turns()) texts.push_back(records::turnText(turn));
    return texts;
}

class Recording : public GameFlowTest {};

}  // namespace

TEST_F(Recording, TheMoveListFollowsTakeBackAndPlayAgain) {
    startGameShell(HUMAN, HUMAN);
    start();
    for (int point : {0, 1, 3}) places(point);
    using Texts = std::vector<std::string>;
    EXPECT_EQ(liveTurns(), (Texts{"a7", "d7", "b6"}));
    releaseKeyNow(SDLK_u);
    releaseKeyNow(SDLK_u);
    EXPECT_EQ(liveTurns(), (Texts{"a7"}));
    releaseKeyNow(SDLK_y);
    EXPECT_EQ(liveTurns(), (Texts{"a7", "d7"}));
    places(4);  // a new turn: what was taken back is gone
    releaseKeyNow(SDLK_y);
    EXPECT_EQ(liveTurns(), (Texts{"a7", "d7", "d6"}));
    EXPECT_TRUE(liveReplay()->now().pieces[0] == pointSet({0, 4}));
}

// The finished game lands in the games file; after a restart the results
// panel counts it against the computer's level.
TEST_F(Recording, AFinishedGameIsKeptAndCountedAfterARestart) {
    startGameShell(HUMAN, COMPUTER);
    playToTheEnd(7);
    const std::vector<records::GameRecord> kept = records::readGamesFile(records::gamesFilePath());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(kept[0].result, records::Result::UNFINISHED);
    EXPECT_TRUE(kept[0].players[1].computer);
    ASSERT_NE(lastFinishedRecord(), nullptr);
    EXPECT_EQ(lastFinishedRecord()->turns, kept[0].turns);

    stopHeadlessGame();
    startHeadlessGameHere();
    releaseKeyNow(SDLK_t);
    ASSERT_NE(shownResults(), nullptr);
    const records::Tally& tally = shownResults()->againstLevel[kept[0].players[1].level];
    EXPECT_EQ(tally.games(), 1);
    EXPECT_EQ(tally.wins, kept[0].result == records::Result::ONE_WON ? 1 : 0);
}

TEST_F(Recording, LeavingTheReviewFindsTheGameAsItWas) {
    startGameShell(HUMAN, HUMAN);
    start();
    for (int point : {0, 1, 3, 5}) places(point);
    const GameSnapshot before = captureGame(0);
    const std::vector<GameSnapshot> history = gameHistory.entries();
    for (SDLKey key : {SDLK_HOME, SDLK_RIGHT, SDLK_LEFT, SDLK_END, SDLK_ESCAPE}) queueKey(key);
    releaseKeyNow(SDLK_o);
    EXPECT_NE(logText().find("review: at action 1"), std::string::npos) << "the review took the keys";
    EXPECT_FALSE(quit) << "Escape left the review, not the game";
    EXPECT_TRUE(captureGame(0).samePosition(before));
    EXPECT_EQ(gameHistory.entries(), history);
    EXPECT_EQ(liveTurns().size(), 4u);
}

// The save keeps the actions; a save of the version before has none, and
// its game goes on unrecorded.
TEST_F(Recording, AResumedGameKeepsItsRecord) {
    startGameShell(HUMAN, HUMAN);
    start();
    for (int point : {0, 1, 3}) places(point);
    const std::string saved = formatSavedGame(saveOfLiveGame());
    std::string before = saved;
    before.replace(0, 11, "zelk save 1");
    before.erase(before.find("actions"), before.find("end") - before.find("actions"));
    for (const std::string& text : {saved, before}) {
        resetall();
        SavedGame game;
        std::string why;
        ASSERT_TRUE(parseSavedGame(text, game, why)) << why;
        resumeSavedGame(game);
        EXPECT_EQ(liveTurns(), text == saved ? (std::vector<std::string>{"a7", "d7", "b6"}) : std::vector<std::string>{});
    }
}

TEST(Review, StepsThroughTheGamesPositions) {
    const records::GameReplay replay = randomGame(3, 0, 60);
    const size_t end = replay.actions().size();
    Review review(reviewedGameOf(replay, records::recordOf(replay)), 0, {1, 2});
    const struct {
        SDLKey key;
        size_t at;
    } steps[] = {{SDLK_LEFT, 0}, {SDLK_RIGHT, 1}, {SDLK_RIGHT, 2}, {SDLK_END, end}, {SDLK_RIGHT, end},
                 {SDLK_LEFT, end - 1}, {SDLK_HOME, 0}};
    for (const auto& step : steps) {
        EXPECT_TRUE(review.key(step.key));
        ASSERT_EQ(review.cursor(), step.at);
        EXPECT_EQ(review.shown().hash, replay.positions()[step.at].hash) << "at " << step.at;
        EXPECT_EQ(review.shown().side, replay.positions()[step.at].side);
    }
    EXPECT_FALSE(review.key(SDLK_a));
}

// A step that hands the other side its line in a won 3 v 3 ending.
TEST(Review, ShowsTheVerdictAndMarkOfAKnownMistake) {
    engine::useEndgameTables(&solvedThrees());
    ReviewedGame game;
    game.positions.push_back(movingPosition(pointSet({0, 1, 14}), pointSet({3, 5, 7})));
    game.actions.push_back(engine::Move{14, 13});
    game.positions.push_back(game.positions[0]);
    engine::play(game.positions[1], game.actions[0]);
    game.turns.push_back(records::Turn{game.actions[0]});
    game.turnOfAction.push_back(0);
    {
        Review review(game, 1);
        records::Verdict verdict;
        for (int wait = 0; wait < 500 && !review.verdict(0, verdict); ++wait) SDL_Delay(10);
        ASSERT_TRUE(review.verdict(0, verdict));
        EXPECT_EQ(verdictInWords(verdict), "won in 1 → lost in 2");
        EXPECT_EQ(review.turnMarks(), std::vector<std::string>{"??"});
        EXPECT_EQ(verdict.best, (engine::Move{14, 2}));
    }
    engine::useEndgameTables(nullptr);
}
