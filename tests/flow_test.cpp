// Games between two people, played with the mouse through the real input
// dispatch and game flow on the headless screen.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/render.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/guidance.h"
#include "settings/config.h"
#include "sprites/dialogs.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/play.h"
#include "support/testenv.h"
#include "upload/record.h"

namespace {

// The game's own invariants: 24 pieces with their owners, counts that match
// the board, every state from its table. The first one broken, or "".
std::string boardViolation() {
    auto inTable = [](int value, int last) { return value >= 0 && value <= last; };
    if (!(state == STATE_STARTING || state == STATE_PLAYING || state == STATE_KEYBOARD))
        return "screen state " + std::to_string(state);
    if (!inTable(gamePhase, PHASE_CONTENDING)) return "phase " + std::to_string(gamePhase);
    for (iPlayer* player : {playerOne, playerTwo})
        if (!playerStateText(player->getState())) return "state of player " + std::to_string(player->id);
    int onBoard[3] = {0, 0, 0};
    for (int p = 0; p < PAWN_COUNT; ++p) {
        if (en_pawn[p]->owner != (p < 12 ? 1 : 2)) return "owner of piece " + std::to_string(p);
        if (!inTable(en_pawn[p]->state, PAWN_RETURNED)) return "state of piece " + std::to_string(p);
    }
    for (int c = 0; c < CELL_COUNT; ++c) {
        if (!inTable(en_cell[c]->getState(), CELL_SHOWING)) return "state of point " + std::to_string(c);
        int pawn = en_cell[c]->getCurrentPawn();
        // A flashing point may be empty or not; the others say which.
        bool empty = en_cell[c]->isEmpty() || en_cell[c]->isUnderShadow();
        if (!en_cell[c]->showsMeUp() && empty != (pawn < 0))
            return "point " + std::to_string(c) + (empty ? " empty but holding" : " occupied by nothing");
        if (pawn >= PAWN_COUNT) return "point " + std::to_string(c) + " holds " + std::to_string(pawn);
        if (pawn >= 0 && en_pawn[pawn]->cell != c) return "piece on point " + std::to_string(c);
        if (pawn >= 0) ++onBoard[en_pawn[pawn]->owner];
    }
    // A piece picked up to move has left its point but still counts.
    for (iPlayer* player : {playerOne, playerTwo}) {
        int pawn = player->currentPawn;
        if (gamePhase == PHASE_CONTENDING && pawn >= 0 && pawn < PAWN_COUNT && en_pawn[pawn]->state == PAWN_PICKED)
            ++onBoard[player->id];
    }
    if (onBoard[1] != playerOne->pawnsOnBoard || onBoard[2] != playerTwo->pawnsOnBoard)
        return "counts " + std::to_string(playerOne->pawnsOnBoard) + "/" + std::to_string(playerTwo->pawnsOnBoard) +
               " for a board of " + std::to_string(onBoard[1]) + "/" + std::to_string(onBoard[2]);
    return "";
}

class TwoPeople : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, HUMAN);
        logEverything();
    }
};

}  // namespace

TEST_F(TwoPeople, WithoutALineWhilePlacingTheSecondPlacerRemovesFirstAndTheLastRemoverMovesFirst) {
    fillWithoutLines();
    EXPECT_EQ(whoseFirstJare, 0);
    EXPECT_EQ(currentPlayer, playerTwo);
    EXPECT_TRUE(playerTwo->isHitting());
    EXPECT_EQ(boardViolation(), "");

    removes(0);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isHitting());
    EXPECT_EQ(playerOne->pawnsOnBoard, 11);
    removes(2);
    EXPECT_EQ(gamePhase, PHASE_CONTENDING);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_TRUE(iGame->isGameOpened());
    EXPECT_EQ(boardViolation(), "");
    // Who started, then the board as the moving phase begins.
    EXPECT_EQ(gameToPost.str().substr(0, 25), "1010122121112122212211221");
}

TEST_F(TwoPeople, TheFirstLineWhilePlacingFlashesAndGivesTheFirstRemoval) {
    start();
    for (int i = 0; i < 12; ++i) {
        humanPlaces(firstLineOne[i]);
        if (i == 2) {
            EXPECT_EQ(whoseFirstJare, 1);
            for (int c : {0, 1, 2}) EXPECT_TRUE(en_cell[c]->showsMeUp()) << c;
            EXPECT_NE(logText().find("\trealized first Jare"), std::string::npos);
        }
        humanPlaces(firstLineTwo[i]);
    }
    EXPECT_EQ(currentPlayer, playerOne) << "the maker of the first line removes first";
    EXPECT_TRUE(playerOne->isHitting());
}

TEST_F(TwoPeople, LaterLinesWhilePlacingNeitherFlashNorCount) {
    start();
    for (int cell : {0, 3, 1, 4, 9, 5}) humanPlaces(cell);  // player two's 3, 4, 5 first
    EXPECT_EQ(whoseFirstJare, 2);
    for (int c = 0; c < CELL_COUNT; ++c)
        en_cell[c]->setState(en_cell[c]->getCurrentPawn() >= 0 ? CELL_OCCUPIED : CELL_EMPTY);
    humanPlaces(2);  // player one's 0, 1, 2
    EXPECT_EQ(whoseFirstJare, 2);
    for (int c : {0, 1, 2}) EXPECT_FALSE(en_cell[c]->showsMeUp()) << c;
}

TEST_F(TwoPeople, APieceThatStaysOrGoesBackCostsNothingAndSaysWhy) {
    fillWithoutLines();
    removes(0);
    removes(2);
    // Player one's piece on 1 can step to 0 or 2: put back on 1 instead.
    humanMoves(1, 1);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_TRUE(doIOwn(1, 1));
    // The piece on 3 has no free neighbour: it stays.
    clickNow(cellCentreX(3), cellCentreY(3));
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_STREQ(playerOne->status, cannotMoveText);
    // Point 2 is no neighbour of 9: back it goes.
    humanMoves(9, 2);
    EXPECT_EQ(currentPlayer, playerOne);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_STREQ(playerOne->status, notANeighbourText);
    EXPECT_TRUE(doIOwn(9, 1) && !doIOwn(2, 1));
    moves(1, 0);
    EXPECT_EQ(currentPlayer, playerTwo);
    EXPECT_TRUE(doIOwn(0, 1));
    EXPECT_EQ(boardViolation(), "");
}

TEST_F(TwoPeople, WrongClicksLeaveATextAndTheBoardAsItWas) {
    start();
    humanPlaces(0);
    ASSERT_TRUE(playerTwo->isChoosing());
    clickNow(pawnCentreX(1), pawnCentreY(1));  // a piece of player one
    EXPECT_STREQ(playerTwo->status, "The pawn is not yours");
    EXPECT_NE(logText().find("pawn is not your\r\n"), std::string::npos);
    clickNow(cellCentreX(5), cellCentreY(5));  // a point while choosing
    EXPECT_STREQ(playerTwo->status, "The cell is not valid");
    EXPECT_NE(logText().find("this is not valid\r\n"), std::string::npos);

    clickNow(pawnCentreX(12), pawnCentreY(12));
    ASSERT_TRUE(playerTwo->isMovingTo());
    clickNow(cellCentreX(0), cellCentreY(0));  // the occupied point
    EXPECT_STREQ(playerTwo->status, "The cell is not empty");
    EXPECT_TRUE(playerTwo->isMovingTo());
    EXPECT_EQ(en_cell[0]->getCurrentPawn(), 0);
    clickNow(cellCentreX(7), cellCentreY(7));
    EXPECT_EQ(currentPlayer, playerOne);

    // A piece already on the board cannot be picked up while placing; the
    // same click reaches the point below it, which keeps the piece's text.
    clickNow(cellCentreX(0), cellCentreY(0));
    const char* const refusal = "Cell is moving or dying or dead or already on board while resettlement";
    EXPECT_NE(logText().find(std::string(refusal) + "\r\n"), std::string::npos);
    EXPECT_STREQ(playerOne->status, refusal);
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(en_cell[0]->getCurrentPawn(), 0);

    // Removing one's own piece, or nothing.
    position(PHASE_OPENING, {0, 1}, {2, 4}, 2);
    humanRemoves(2);
    EXPECT_STREQ(playerTwo->status, "The pawn is yours or is already empty");
    EXPECT_TRUE(playerTwo->isHitting());
    playerTwo->setStatus("before the click on nothing");
    clickNow(300, 20);
    EXPECT_TRUE(playerTwo->isHitting());
    EXPECT_STREQ(playerTwo->status, "before the click on nothing");
    EXPECT_EQ(playerOne->pawnsOnBoard + playerTwo->pawnsOnBoard, 4);
}

TEST_F(TwoPeople, AWholeGameEndsOnTheEndScreenWithItsThirtyCharacterRecord) {
    IConfig.gameLevel = 1;
    const AutoGame game = playToTheEnd(11);
    const std::string record = gameToPost.str();
    ASSERT_EQ(record.size(), 30u);
    EXPECT_EQ(record.substr(0, 25), "1" + game.recordAtMovingPhase) << "player one started";
    EXPECT_EQ(record.substr(25, 4), std::string("00") + char('0' + game.firstMoverOfMovingPhase) + "1")
        << "two people, the first mover, the configured level";
    EXPECT_TRUE(record[29] == '1' || record[29] == '2');
    // The end screen cleared the board and went back to the start menu.
    EXPECT_EQ(state, STATE_STARTING);
    EXPECT_EQ(gamePhase, PHASE_RESETTLEMENT);
    EXPECT_FALSE(quit);
    for (int c = 0; c < CELL_COUNT; ++c) EXPECT_TRUE(en_cell[c]->isEmpty());
    for (int p = 0; p < PAWN_COUNT; ++p) EXPECT_EQ(en_pawn[p]->state, PAWN_IDLE);
}

// Ten thousand random clicks, right clicks and keys (but the quit keys)
// through the main loop, against the computer: the game never leaves its
// invariants. Every question is answered yes but the one to quit.
bool answerAllButQuit(DialogKind, const char*, const char* line2) {
    return !line2 || !strstr(line2, "quit");
}

TEST_F(TwoPeople, TenThousandRandomEventsKeepTheGameConsistent) {
    setDialogAnswerHook(answerAllButQuit);
    playerTwo->type = COMPUTER;
    drawFrames = false;  // glides still advance; ten thousand events are about the rules
    std::mt19937 random(20240611);
    const SDLKey keys[] = {SDLK_m, SDLK_n, SDLK_i, SDLK_j, SDLK_v, SDLK_r, SDLK_2, SDLK_s,
                           SDLK_a, SDLK_z, SDLK_1, SDLK_SPACE, SDLK_RETURN};
    const int keyCount = sizeof keys / sizeof keys[0];
    int games = 0, eventsWhileMoving = 0;
    for (int event = 0; event < 10000 && !quit; ++event) {
        const unsigned roll = random() % 100;
        if (state == STATE_KEYBOARD) {
            queueKey(SDLK_F1);  // every key there waits a third of a second: leave at once
        } else if (roll < 30) {
            int which = static_cast<int>(random() % CELL_COUNT);
            movePointer(cellCentreX(which), cellCentreY(which));
            queueClick(cellCentreX(which), cellCentreY(which));
        } else if (roll < 55) {
            int which = static_cast<int>(random() % PAWN_COUNT);
            movePointer(pawnCentreX(which), pawnCentreY(which));
            queueClick(pawnCentreX(which), pawnCentreY(which));
        } else if (roll < 85) {
            int x = static_cast<int>(random() % SCREEN_WIDTH), y = static_cast<int>(random() % SCREEN_HEIGHT);
            movePointer(x, y);
            queueClick(x, y, roll < 80 ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
            // The rules button opens the settings screen, which waits for a
            // person: the next click in the queue is its "Exit".
            if (ebut_readgamerules->selected()) queueClick(690, 536);
        } else {
            SDLKey key = random() % 500 == 0 ? SDLK_F1 : keys[random() % keyCount];
            queueKey(key);
        }
        const bool wasPlaying = state == STATE_PLAYING;
        mainLoopPass();
        if (wasPlaying && state == STATE_STARTING) ++games;
        if (state == STATE_PLAYING && gamePhase == PHASE_CONTENDING) ++eventsWhileMoving;
        ASSERT_EQ(boardViolation(), "") << "after event " << event;
        for (iPlayer* player : {playerOne, playerTwo}) ASSERT_LE(player->pawnsOnBoard, 12);
    }
    EXPECT_FALSE(quit);
    EXPECT_GT(games, 0) << "the events should have finished or reset some games";
    EXPECT_GT(eventsWhileMoving, 1000);
    setDialogAnswerHook(nullptr);
}
