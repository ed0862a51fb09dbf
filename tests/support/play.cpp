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
#include "sprites/glide.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/events.h"
#include "support/testenv.h"
#include "upload/record.h"

namespace {

int homePieceOf(int player) {
    for (int i = 0; i < PAWN_COUNT; ++i)
        if (en_pawn[i]->owner == player && en_pawn[i]->state == PAWN_IDLE) return i;
    return -1;
}

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

bool placeSomewhere(std::mt19937& random) {
    std::vector<int> free;
    for (int c = 0; c < CELL_COUNT; ++c)
        if (en_cell[c]->getCurrentPawn() < 0) free.push_back(c);
    if (free.empty()) return false;
    humanPlaces(pickFrom(free, random));
    return true;
}

bool removeSomething(std::mt19937& random) {
    std::vector<int> targets;
    for (int c = 0; c < CELL_COUNT; ++c)
        if (en_cell[c]->getCurrentPawn() >= 0 && !doIOwn(c, currentPlayer->id)) targets.push_back(c);
    if (targets.empty()) return false;
    humanRemoves(pickFrom(targets, random));
    return true;
}

bool moveSomething(std::mt19937& random) {
    std::vector<std::pair<int, int>> moves, lines;
    const int id = currentPlayer->id;
    for (int from = 0; from < CELL_COUNT; ++from) {
        if (!doIOwn(from, id)) continue;
        for (int to : cellAdjents[from]) {
            if (to < 0 || en_cell[to]->getCurrentPawn() >= 0) continue;
            moves.emplace_back(from, to);
            // A line through `to` that does not need the piece leaving `from`.
            int line = didIMakeJare(to, id);
            if (line >= 0 && !lineHasCell(line, from)) lines.emplace_back(from, to);
        }
    }
    if (moves.empty()) return false;
    auto [from, to] = pickFrom(lines.empty() ? moves : lines, random);
    humanMoves(from, to);
    return true;
}

}  // namespace

void humanPlaces(int cell) {
    int pawn = homePieceOf(currentPlayer->id);
    ASSERT_GE(pawn, 0) << "no piece left at home";
    clickNow(pawnCentreX(pawn), pawnCentreY(pawn));
    movePointer(cellCentreX(cell), cellCentreY(cell));
    clickNow(cellCentreX(cell), cellCentreY(cell));
}

void humanMoves(int from, int to) {
    clickNow(cellCentreX(from), cellCentreY(from));
    movePointer(cellCentreX(to), cellCentreY(to));
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
        bool acted = false;
        if (computerHoldsTheTurn()) {
            // As the main loop does when the computer keeps the turn.
            playHeldComputerTurn();
            ++game.actions;
            continue;
        }
        if (currentPlayer->isHitting())
            acted = removeSomething(random);
        else if (currentPlayer->isChoosing() && gamePhase == PHASE_RESETTLEMENT)
            acted = placeSomewhere(random);
        else if (currentPlayer->isChoosing() && gamePhase == PHASE_CONTENDING)
            acted = moveSomething(random);
        if (!acted) {
            ADD_FAILURE() << "the player to act can do nothing: state " << currentPlayer->getState()
                          << ", phase " << gamePhase;
            break;
        }
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
    for (int side = 1; side <= 2; ++side) {
        const std::vector<int>& points = side == 1 ? one : two;
        int pawn = side == 1 ? 0 : 12;
        for (int cell : points) move_pawn_to_cell(pawn++, cell, side);
        for (; pawn < (side == 1 ? 12 : 24); ++pawn)
            if (phase != PHASE_RESETTLEMENT) en_pawn[pawn]->state = PAWN_RETURNED;
    }
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
