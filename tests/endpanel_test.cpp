// The end of a game: the result told from the person's side, the summary's
// counts, the panel's choices, and the final position kept in sight around
// a panel whose fireworks stay inside it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/coach.h"
#include "app/gamesummary.h"
#include "app/globals.h"
#include "app/mainloop.h"
#include "app/render.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "sprites/dialogs.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"

namespace {

struct ResultCase {
    const char* name;
    bool people[2];
    int winner;
    const char* result;
    bool fireworks;
};

class Summary : public testing::TestWithParam<ResultCase> {};

TEST_P(Summary, TellsTheResultFromThePersonsSide) {
    const ResultCase& c = GetParam();
    const std::string names[2] = {"Tavi", "Vumero"};
    const int left[2] = {c.winner == 1 ? 5 : 2, c.winner == 2 ? 5 : 2};
    GameTally tally;
    tally.moves = 31;
    tally.removals = 12;
    tally.startedAt = 1000;
    const GameSummary summary = summariseGame(c.winner, c.people, names, left, tally, 1000 + 125000);
    EXPECT_EQ(summary.winner, names[c.winner - 1]);
    EXPECT_EQ(summary.result, c.result);
    EXPECT_EQ(summary.fireworks, c.fireworks);
    const std::vector<std::string> lines = {c.winner == 1 ? "Pieces left: Tavi 5, Vumero 2" : "Pieces left: Tavi 2, Vumero 5",
                                            "Moves: 31   Removals: 12", "Time: 02:05"};
    EXPECT_EQ(summary.lines, lines);
}

INSTANTIATE_TEST_SUITE_P(
    Results, Summary,
    testing::Values(ResultCase{"PersonBeatsComputer", {true, false}, 1, "You won", true},
                    ResultCase{"ComputerBeatsPerson", {true, false}, 2, "You lost", false},
                    ResultCase{"PersonOnTheRightBeatsComputer", {false, true}, 2, "You won", true},
                    ResultCase{"BetweenTwoPeople", {true, true}, 2, "", true}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

// The pixels of the frame outside the panel, with the panel's own as 0.
std::vector<Uint32> aroundThePanel() {
    std::vector<Uint32> pixels = screenPixels(0, 0, 800, 600);
    for (int y = 100; y <= 400; ++y)
        for (int x = 203; x <= 603; ++x) pixels[y * 800 + x] = 0;
    return pixels;
}

class EndPanel : public GameFlowTest {};

TEST_F(EndPanel, EachChoiceAnswersAndTheFinalBoardStaysAroundTheFireworks) {
    startGameShell(HUMAN, HUMAN);
    DialogScript::remove();
    position(PHASE_CONTENDING, {0, 1, 14}, {9, 21}, 2);
    EXPECT_EQ(coachText(currentSituation()), "") << "the coach tells the loser nothing behind the panel";
    render(gamescreen, minigamescreen, screen);
    const std::vector<Uint32> board = aroundThePanel();
    GameSummary summary;
    summary.winner = "Tavi";
    summary.fireworks = true;
    for (int choice : {END_LEAVE, END_PLAY_AGAIN}) {
        const Uint32 opened = SDL_GetTicks();
        Hand hand;
        hand.after([&] { return SDL_GetTicks() - opened > 1500; }).click(264 + 129 * choice, 362).start();
        EXPECT_EQ(showEndOfGame(screen, summary), choice);
        EXPECT_TRUE(aroundThePanel() == board) << "something was drawn outside the panel";
    }
}

TEST_F(EndPanel, TheGamesEndShowsThePanelAndLeavingEndsTheProgramFromTheStartScreen) {
    startGameShell(HUMAN, COMPUTER);
    DialogScript::remove();
    position(PHASE_CONTENDING, {0, 1, 14}, {9, 21, 22}, 1);
    moves(14, 2);
    Hand hand;
    hand.click(264 + 129, 362).start();
    removes(9);
    EXPECT_EQ(hand.given(), 1);
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_TRUE(quit);
    quit = false;
    mainLoopPass();
    EXPECT_STREQ(playerOne->status, "Waiting hand") << "nobody is choosing on the start screen";
    EXPECT_STREQ(playerTwo->status, "Waiting hand");
    EXPECT_EQ(coachText(currentSituation()), "");
}

}  // namespace
