// The notation, the record written and read back, the records the rules
// refuse, and a whole game between two computer levels played by the main
// loop on its own and replayed from its record.
#include <gtest/gtest.h>

#include <cstring>

#include "app/mainloop.h"
#include "app/render.h"
#include "bot/game.h"
#include "records/gamerecord.h"
#include "rules/board.h"
#include "rules/computerturn.h"
#include "rules/flow.h"
#include "sprites/dialogs.h"
#include "sprites/glide.h"
#include "support/play.h"
#include "support/records.h"
#include "upload/record.h"

using records::GameRecord;
using records::RecordError;
using records::Turn;

TEST(Notation, EveryKindOfTurnReadsBackAsWritten) {
    for (int point = 0; point < 24; ++point) EXPECT_EQ(records::pointNamed(records::pointName(point)), point);
    const std::pair<const char*, Turn> turns[] = {
        {"d6", {{-1, 4}, -1, false}},   {"xb2", {{18, -1}, -1, false}},     {"d6-d5", {{4, 7}, -1, false}},
        {"g1-g4!", {{23, 14}, -1, true}}, {"d6-d5xa1", {{4, 7}, 21, false}}, {"c4xa7", {{-1, 11}, 0, false}}};
    for (const auto& [text, turn] : turns) {
        Turn read;
        ASSERT_TRUE(records::readTurn(text, read)) << text;
        EXPECT_EQ(read, turn) << text;
        EXPECT_EQ(records::turnText(read), text);
    }
    Turn read;
    for (const char* wrong : {"", "d8", "h1", "a2", "d6-", "d6-d5x", "x", "d6!", "xb2!", "d6-d5 ", "D6"})
        EXPECT_FALSE(records::readTurn(wrong, read)) << wrong;
}

TEST(GameRecord, RandomGamesWrittenAndReadBackAreTheSameGames) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        const records::GameReplay played = randomGame(seed, static_cast<uint8_t>(seed % 3), seed % 5 ? 4000 : 60);
        GameRecord written = recordOf(played), read;
        written.players[0].name = "A \"quoted\"\t\\ name" + std::string(300, 'n');
        written.players[1].level = LEVEL_NOVICE;
        const std::string text = formatRecord(written);
        RecordError error;
        records::GameReplay replayed;
        ASSERT_TRUE(parseRecord(text, read, error, &replayed)) << error.line << ": " << error.reason << "\n" << text;
        EXPECT_EQ(replayed.actions(), played.actions()) << seed;
        EXPECT_EQ(formatRecord(read), text);
        // Taken back to any action, it is the game played to that action.
        const size_t kept = played.actions().size() * seed / 31;
        records::GameReplay takenBack = played, shorter(played.firstSide(), played.computerSides());
        takenBack.keepFirst(kept);
        for (size_t i = 0; i < kept; ++i) shorter.play(played.actions()[i]);
        EXPECT_EQ(takenBack.turns(), shorter.turns()) << seed;
        EXPECT_EQ(takenBack.now().hash, shorter.now().hash);
    }
}

// Each case changes one thing (every place it stands) in the hand-written record.
TEST(GameRecord, RecordsTheFormatOrTheRulesRefuseNameTheLineAndTheReason) {
    GameRecord record;
    RecordError error;
    records::GameReplay replay;
    ASSERT_TRUE(parseRecord(handWrittenRecord, record, error, &replay)) << error.reason;
    EXPECT_EQ(replay.actions().size(), 32u);  // 30 turns, two with a line's removal
    EXPECT_EQ(replay.turnOf(31), 29);
    EXPECT_EQ(replay.now().count(0) + replay.now().count(1), 20);
    const struct {
        const char *from, *to;
        int line;
        const char* reason;
    } cases[] = {
        {"[Event \"Zelk\"]", "[Event Zelk]", 1, "not a header line"},
        {"[Result \"*\"]\n", "", 7, "no Result tag"},
        {"[TwoKind \"Human\"]", "[TwoKind \"Robot\"]", 6, "not a TwoKind"},
        {"[One \"Asha\"]", "[One \"Asha\"]\n[One \"Asha\"]", 4, "a second One"},
        {"\n\n1. a7", "\n1. a7", 9, "a blank line ends the header"},
        {"3. d7", "3. a7", 10, "a7 is taken"},
        {"14. f4", "15. f4", 11, "turn 14. expected"},
        {"13. e4", "13. e4xb6", 11, "a line made while placing removes nothing"},
        {"25. xd6", "25. xd7", 12, "no piece of the other side on d7"},
        {"25. xd6", "25. d6", 12, "each side removes a piece first"},
        {"27. a7-d7", "27. a7-d6", 12, "d6 is not next to a7"},
        {"27. a7-d7", "27. d7-d6", 12, "no piece of the side to act on d7"},
        {"28. d5-d6xb4", "28. d5-d6", 12, "x and its point are missing"},
        {"28. d5-d6xb4", "28. d5-d6xb6", 12, "no piece of the other side on b6"},
        {"30. e5-d5", "30. e5-d5xa7", 12, "e5-d5 made no line: nothing to remove"},
        {"30. e5-d5", "30. e5-d5!", 12, "not a safe route"},
        {"30. e5-d5 *", "30. e5-d5", 12, "cut short"},
        {"[Result \"*\"]", "[Result \"0-1\"]", 12, "the result differs"},
        {"*", "1-0", 12, "not over"},
    };
    for (const auto& c : cases) {
        std::string text = handWrittenRecord;
        for (size_t at = 0; (at = text.find(c.from, at)) != std::string::npos; at += strlen(c.to))
            text.replace(at, strlen(c.from), c.to);
        EXPECT_FALSE(parseRecord(text, record, error)) << c.to;
        EXPECT_EQ(error.line, c.line) << c.to << ": " << error.reason;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos) << c.to << ": " << error.reason;
    }
    EXPECT_EQ(record.turns.size(), 30u) << "a refused record changes nothing";
    const std::string whole = handWrittenRecord;
    for (size_t cut = 0; cut + 2 < whole.size(); cut += 7) EXPECT_FALSE(parseRecord(whole.substr(0, cut), record, error));
    EXPECT_FALSE(parseRecord(whole + std::string(records::RECORD_TEXT_LIMIT, ' '), record, error));
    EXPECT_NE(error.reason.find("longer than"), std::string::npos);
}

namespace {

// One of the game's engines that notes each decision, in the order the
// flow carries them out.
class NotingEngine : public Game {
public:
    explicit NotingEngine(std::vector<engine::Move>& actions) : actions(actions) {}
    bool getBestChoice(int* cell) override { return Game::getBestChoice(cell) && noted(-1, *cell); }
    bool getBestToKill(int* cell) override { return Game::getBestToKill(cell) && noted(*cell, -1); }
    bool getBestMove(int* from, int* to) override { return Game::getBestMove(from, to) && noted(*from, *to); }
    bool noted(int from, int to) { return actions.push_back({int8_t(from), int8_t(to)}), true; }
    std::vector<engine::Move>& actions;
};

int gameWonBy = 0;

bool grantAndNoteTheWinner(DialogKind kind, const char* line1, const char*) {
    if (kind == DIALOG_GAME_OVER) gameWonBy = strcmp(line1, playerOne->name) == 0 ? 1 : 2;
    return true;
}

}  // namespace

TEST_F(GameFlowTest, AWholeGameBetweenTwoLevelsReplaysFromItsRecordToItsResult) {
    startGameShell(COMPUTER, COMPUTER);
    std::vector<engine::Move> actions;
    NotingEngine beginner(actions), dummy(actions);
    beginner.setGameLevel(LEVEL_BEGINNER);
    dummy.setGameLevel(LEVEL_DUMMY);
    setPlayerEngines(&beginner, &dummy);
    setDialogAnswerHook(grantAndNoteTheWinner);
    setGlideSpeed(0);
    drawFrames = false;
    srand(21);
    startGame(playerOne);
    for (int passes = 0; gameWonBy == 0 && computerHoldsTheTurn() && passes < 3000; ++passes) mainLoopPass();
    setPlayerEngines(nullptr, nullptr);
    ASSERT_NE(gameWonBy, 0) << "no end after " << actions.size() << " actions";

    records::GameReplay followed(0, 3);
    for (engine::Move action : actions) ASSERT_EQ(followed.play(action), "") << "action " << followed.actions().size();
    GameRecord written = recordOf(followed), read;
    written.players[0].level = LEVEL_BEGINNER;
    RecordError error;
    records::GameReplay replayed;
    ASSERT_TRUE(parseRecord(formatRecord(written), read, error, &replayed)) << error.line << ": " << error.reason;
    EXPECT_EQ(read.result, gameWonBy == 1 ? records::Result::ONE_WON : records::Result::TWO_WON);
    EXPECT_EQ(replayed.actions(), actions);
    EXPECT_EQ(gameToPost.str().substr(25, 2), "11") << "two computers";
}
