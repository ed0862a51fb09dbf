#include "support/play.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/computerturn.h"
#include "rules/flow.h"
#include "rules/queries.h"
#include "rules/snapshot.h"
#include "sprites/glide.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/position.h"
#include "support/testenv.h"
#include "upload/record.h"

namespace {

template <typename T>
T pickFrom(const std::vector<T>& choices, std::mt19937& random) {
    return choices[std::uniform_int_distribution<size_t>(0, choices.size() - 1)(random)];
}

std::string boardRecord() {
    std::string record;
    for (int c = 0; c < CELL_COUNT; ++c)
        record += doIOwn(c, 1) ? '1' : doIOwn(c, 2) ? '2' : '0';
    return record;
}

}  // namespace

std::pair<int, int> randomAction(std::mt19937& random) {
    const int id = currentPlayer->id;
    std::vector<std::pair<int, int>> actions, lines;
    for (int c = 0; c < CELL_COUNT; ++c) {
        if (currentPlayer->isHitting()) {
            if (doIOwn(c, 3 - id)) actions.emplace_back(-1, c);
        } else if (gamePhase == PHASE_RESETTLEMENT) {
            if (en_cell[c]->getCurrentPawn() < 0) actions.emplace_back(-1, c);
        } else if (doIOwn(c, id)) {
            for (int to : cellAdjents[c]) {
                if (to < 0 || en_cell[to]->getCurrentPawn() >= 0) continue;
                actions.emplace_back(c, to);
                // A line through `to` that does not need the piece leaving `c`.
                const int line = didIMakeJare(to, id);
                if (line >= 0 && !lineHasCell(line, c)) lines.emplace_back(c, to);
            }
        }
    }
    const auto& choices = lines.empty() ? actions : lines;
    if (choices.empty()) return {-1, -1};
    return pickFrom(choices, random);
}

std::vector<Uint32> screenPixels(int x, int y, int width, int height) {
    std::vector<Uint32> taken;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            taken.push_back(static_cast<Uint32*>(screen->pixels)[row * screen->pitch / 4 + column]);
    return taken;
}

void humanPlaces(int cell) {
    int pawn = nextPieceAtHome(currentPlayer->id);
    ASSERT_GE(pawn, 0) << "no piece left at home";
    clickNow(pawnCentreX(pawn), pawnCentreY(pawn));
    clickNow(cellCentreX(cell), cellCentreY(cell));
}

void humanMoves(int from, int to) {
    clickNow(cellCentreX(from), cellCentreY(from));
    clickNow(cellCentreX(to), cellCentreY(to));
}

void humanRemoves(int cell) {
    clickNow(cellCentreX(cell), cellCentreY(cell));
}

AutoGame playAutomatically(std::mt19937& random, int maxActions) {
    AutoGame game;
    const int gameOversBefore = DialogScript::gameOversShown();
    while (game.actions < maxActions && DialogScript::gameOversShown() == gameOversBefore &&
           !quit && state == STATE_PLAYING) {
        if (gamePhase == PHASE_CONTENDING && !game.reachedMovingPhase) {
            game.reachedMovingPhase = true;
            game.recordAtMovingPhase = boardRecord();
            game.firstMoverOfMovingPhase = currentPlayer->id;
        }
        if (computerHoldsTheTurn()) {
            // As the main loop does when the computer keeps the turn.
            playHeldComputerTurn();
            ++game.actions;
            continue;
        }
        const auto [from, to] = randomAction(random);
        if (to < 0 || !(currentPlayer->isHitting() || currentPlayer->isChoosing())) {
            ADD_FAILURE() << "the player to act can do nothing: state " << currentPlayer->getState()
                          << ", phase " << gamePhase;
            break;
        }
        if (currentPlayer->isHitting())
            humanRemoves(to);
        else if (from < 0)
            humanPlaces(to);
        else
            humanMoves(from, to);
        ++game.actions;
    }
    return game;
}

void GameFlowTest::startGameShell(PlayerTypes one, PlayerTypes two) {
    startHeadlessGame();
    // A fresh start-up leaves the rules' own state alone (the phase, the
    // first line, the safe route): in one process, the last case's game
    // would go on under the new one's start button.
    resetall();
    paceFrames = false;
    drawThinkingFrames = false;
    playerOne->type = one;
    playerTwo->type = two;
    DialogScript::install({}, true);
}

void GameFlowTest::TearDown() {
    DialogScript::remove();
}

void GameFlowTest::start() {
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    ASSERT_EQ(state, STATE_PLAYING);
    mainLoopPass();
}

void GameFlowTest::places(int cell) {
    humanPlaces(cell);
    mainLoopPass();
}

void GameFlowTest::removes(int cell) {
    humanRemoves(cell);
    mainLoopPass();
}

void GameFlowTest::moves(int from, int to) {
    humanMoves(from, to);
    mainLoopPass();
}

void GameFlowTest::placesOnAFreePoint() {
    for (int cell : {0, 4, 8, 13, 19, 21, 16, 6})
        if (en_cell[cell]->getCurrentPawn() < 0) return places(cell);
}

void GameFlowTest::expectGameAs(const GameSnapshot& expected, const char* when) {
    const GameSnapshot now = captureGame(0);
    EXPECT_TRUE(now.samePosition(expected)) << when;
    EXPECT_EQ(now.record, expected.record) << when;
    EXPECT_EQ(OtherEntities[0].visible, currentPlayer == playerOne) << when << ": the turn marker";
    EXPECT_EQ(OtherEntities[2].visible, currentPlayer == playerTwo) << when << ": the turn marker";
}

void GameFlowTest::fillWithoutLines() {
    start();
    for (int i = 0; i < 12; ++i) {
        places(noLineOne[i]);
        places(noLineTwo[i]);
    }
    ASSERT_EQ(gamePhase, PHASE_OPENING);
}

void GameFlowTest::position(int phase, const std::vector<int>& one, const std::vector<int>& two, int toAct) {
    resetall();
    place(one, 1);
    place(two, 2);
    if (phase != PHASE_RESETTLEMENT)
        for (Pawn* pawn : en_pawn)
            if (pawn->state == PAWN_IDLE) pawn->state = PAWN_RETURNED;
    playerOne->pawnsOnBoard = static_cast<int>(one.size());
    playerTwo->pawnsOnBoard = static_cast<int>(two.size());
    playerOne->setOpenedTheGame(phase == PHASE_CONTENDING);
    playerTwo->setOpenedTheGame(phase == PHASE_CONTENDING);
    gamePhase = phase;
    switchState(STATE_PLAYING);
    handTo(toAct == 1 ? playerOne : playerTwo);
    (toAct == 1 ? playerTwo : playerOne)->setState(WAITING);
    currentPlayer->setState(phase == PHASE_OPENING ? HITTING : CHOOSING);
    startRecord(toAct);
    engineNewGame();
    if (phase == PHASE_CONTENDING) iGame->setGameOpened();
    noteTurnStart();
}

AutoGame GameFlowTest::playToTheEnd(unsigned seed) {
    setGlideSpeed(0);  // the game's course, not the frames of each glide
    srand(seed);
    std::mt19937 random(seed);
    start();
    AutoGame game = playAutomatically(random, 6000);
    EXPECT_EQ(DialogScript::gameOversShown(), 1) << "after " << game.actions << " actions";
    EXPECT_TRUE(game.reachedMovingPhase);
    EXPECT_EQ(gameToPost.str().size(), 30u) << gameToPost.str();
    return game;
}
