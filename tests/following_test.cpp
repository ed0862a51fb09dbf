// A game a person can follow: the last turn of each side marked on the
// board, the legal destinations of a carried piece, a wrong click's text on
// screen, the sounds at their moments, and the computer's first removal
// seeing the last placement.
#include <gtest/gtest.h>

#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/pacing.h"
#include "app/render.h"
#include "app/sounds.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "rules/guidance.h"
#include "rules/queries.h"
#include "sprites/dialogs.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "sprites/turnmarks.h"
#include "support/events.h"
#include "support/play.h"
#include "support/testenv.h"

namespace {

class Following : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, HUMAN);
        logEverything();
    }

    // A moving-phase board: player one's pieces on `one`, player two's on
    // `two`, player one to choose.
    void setBoard(const std::vector<int>& one, const std::vector<int>& two) {
        resetall();
        clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
        int pawn = 0;
        for (int cell : one) move_pawn_to_cell(pawn++, cell, 1);
        pawn = 12;
        for (int cell : two) move_pawn_to_cell(pawn++, cell, 2);
        playerOne->pawnsOnBoard = static_cast<int>(one.size());
        playerTwo->pawnsOnBoard = static_cast<int>(two.size());
        playerOne->setOpenedTheGame(true);
        playerTwo->setOpenedTheGame(true);
        gamePhase = PHASE_CONTENDING;
        iGame->setGameOpened();
        currentPlayer = playerOne;
        playerOne->setState(CHOOSING);
        playerTwo->setState(WAITING);
    }

    static std::vector<int> shadowedPoints() {
        std::vector<int> lit;
        for (int c = 0; c < CELL_COUNT; ++c)
            if (en_cell[c]->isUnderShadow()) lit.push_back(c);
        return lit;
    }

    static void drawFrame() { render(gamescreen, minigamescreen, screen); }

    // The pixels of a player's status line.
    static std::vector<Uint32> statusPixels(int x) {
        std::vector<Uint32> pixels;
        for (int y = 540; y < 556; ++y)
            for (int dx = 0; dx < 140; ++dx)
                pixels.push_back(static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + x + dx]);
        return pixels;
    }
};

// The "Has N on board" line of player one, as the screen held it when the
// end-of-game screen was asked for.
std::vector<Uint32> countLineAtGameOver;

std::vector<Uint32> countLineOfPlayerOne() {
    std::vector<Uint32> pixels;
    for (int y = 560; y < 576; ++y)
        for (int x = 80; x < 220; ++x)
            pixels.push_back(static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + x]);
    return pixels;
}

bool recordGameOverScreen(DialogKind kind, const char*, const char*) {
    if (kind == DIALOG_GAME_OVER) countLineAtGameOver = countLineOfPlayerOne();
    return true;
}

bool sameMarks(const TurnMarks& a, int left, int reached, int removed) {
    return a.left == left && a.reached == reached && a.removed == removed;
}

}  // namespace

TEST_F(Following, APersonsTurnsAreMarkedUntilThatSidePlaysAgain) {
    setBoard({0, 3, 9, 15}, {2, 5, 21, 23});
    humanMoves(15, 16);
    EXPECT_TRUE(sameMarks(turnMarksOf(1), 15, 16, -1));
    humanMoves(5, 4);
    EXPECT_TRUE(sameMarks(turnMarksOf(2), 5, 4, -1));
    EXPECT_TRUE(sameMarks(turnMarksOf(1), 15, 16, -1)) << "the other side's marks stay";
    humanMoves(16, 17);
    EXPECT_TRUE(sameMarks(turnMarksOf(1), 16, 17, -1));
    // A reset of the board clears every mark.
    resetall();
    EXPECT_TRUE(sameMarks(turnMarksOf(1), -1, -1, -1));
    EXPECT_TRUE(sameMarks(turnMarksOf(2), -1, -1, -1));
}

TEST_F(Following, TheComputersLineAndRemovalAreMarkedAndHeard) {
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_BEGINNER);
    // Player two's only line: 14 to 2 completes 0, 1, 2.
    setBoard({9, 4, 13, 23, 15, 3}, {0, 1, 14});
    const long lines = gameSoundsMixed(SOUND_LINE), removals = gameSoundsMixed(SOUND_REMOVAL);
    humanMoves(15, 16);
    TurnMarks computer = turnMarksOf(2);
    EXPECT_EQ(computer.left, 14);
    EXPECT_EQ(computer.reached, 2);
    ASSERT_GE(computer.removed, 0);
    EXPECT_LT(en_cell[computer.removed]->getCurrentPawn(), 0) << "the removed piece's point is empty";
    EXPECT_EQ(playerOne->pawnsOnBoard, 5);
    EXPECT_TRUE(sameMarks(turnMarksOf(1), 15, 16, -1));
    EXPECT_EQ(gameSoundsMixed(SOUND_LINE), lines + 1);
    EXPECT_EQ(gameSoundsMixed(SOUND_REMOVAL), removals + 1);
}

TEST_F(Following, TheMarksAreRingsOutsideThePiecesFaces) {
    setBoard({0, 3, 9, 15}, {2, 5, 21, 23});
    clearTurnMarks();
    drawFrame();
    std::vector<Uint32> before(static_cast<Uint32*>(screen->pixels),
                               static_cast<Uint32*>(screen->pixels) + screen->h * screen->pitch / 4);
    recordStep(1, 15, 16);
    drawFrame();
    auto pixel = [](int x, int y) { return static_cast<Uint32*>(screen->pixels)[y * screen->pitch / 4 + x]; };
    int changedInside = 0, changedRing = 0;
    for (int cell : {15, 16}) {
        int cx = cellPlaces[cell][0] + 25, cy = cellPlaces[cell][1] + 25;
        for (int y = cy - 32; y <= cy + 32; ++y)
            for (int x = cx - 32; x <= cx + 32; ++x) {
                int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                bool changed = pixel(x, y) != before[y * screen->pitch / 4 + x];
                if (d2 <= 24 * 24) changedInside += changed;
                if (d2 >= 26 * 26 && d2 <= 31 * 31) changedRing += changed;
            }
    }
    EXPECT_EQ(changedInside, 0) << "a mark never covers a piece's face";
    EXPECT_GT(changedRing, 100);
}

TEST_F(Following, ACarriedPieceLightsItsLegalDestinationsOnly) {
    // Corner 0 (neighbours 1 and 9, 9 taken); 4 in the middle of its lines
    // (neighbours 1, 3, 5, 7; 5 taken); 21 boxed in by 9 and 22.
    setBoard({0, 4, 21, 22}, {9, 5, 23, 12});
    clickNow(cellCentreX(0), cellCentreY(0));
    ASSERT_TRUE(playerOne->isMovingTo());
    EXPECT_EQ(shadowedPoints(), std::vector<int>{1});
    movePointer(cellCentreX(16), cellCentreY(16));  // an empty point out of reach
    EXPECT_EQ(shadowedPoints(), std::vector<int>{1});
    clickNow(cellCentreX(0), cellCentreY(0));  // put back on its own point
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_TRUE(doIOwn(0, 1));

    clickNow(cellCentreX(4), cellCentreY(4));
    ASSERT_TRUE(playerOne->isMovingTo());
    EXPECT_EQ(shadowedPoints(), (std::vector<int>{1, 3, 7}));
    movePointer(cellCentreX(7), cellCentreY(7));
    clickNow(cellCentreX(7), cellCentreY(7));
    EXPECT_TRUE(doIOwn(7, 1));
    EXPECT_TRUE(shadowedPoints().empty()) << "no point stays lit for the rules to misread";
}

TEST_F(Following, ABlockedPieceIsNotPickedUpAndSaysSo) {
    setBoard({0, 4, 21, 22}, {9, 5, 23, 12});
    const long pickUps = gameSoundsAsked(SOUND_PICK_UP);
    clickNow(cellCentreX(21), cellCentreY(21));
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(en_pawn[2]->state, PAWN_PLACED);
    EXPECT_STREQ(playerOne->status, cannotMoveText);
    EXPECT_EQ(gameSoundsAsked(SOUND_PICK_UP), pickUps);
}

TEST_F(Following, AWrongClicksTextIsOnScreenUntilTheNextAction) {
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    clickNow(pawnCentreX(12), pawnCentreY(12));  // player two's piece
    mainLoopPass();
    mainLoopPass();
    const std::vector<Uint32> shown = statusPixels(80);
    EXPECT_STREQ(playerOne->status, "The pawn is not yours");
    // The same line drawn with the state's text looks different...
    playerOne->releaseMessage();
    drawFrame();
    EXPECT_NE(statusPixels(80), shown);
    // ...and drawn with the message, the same.
    playerOne->showMessage("The pawn is not yours");
    drawFrame();
    EXPECT_EQ(statusPixels(80), shown);
    // The next action ends it.
    humanPlaces(0);
    drawFrame();
    EXPECT_STREQ(playerOne->status, "Waiting hand");
}

TEST_F(Following, OnlyThePlayerToActShowsAnActingStatus) {
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    for (int cell : {0, 5, 9, 14}) {
        humanPlaces(cell);
        drawFrame();
        iPlayer* waiting = currentPlayer == playerOne ? playerTwo : playerOne;
        EXPECT_STREQ(waiting->status, "Waiting hand") << cell;
        EXPECT_STREQ(currentPlayer->status, "Choosing now") << cell;
        EXPECT_TRUE(OtherEntities[currentPlayer == playerOne ? 0 : 2].visible);
        EXPECT_FALSE(OtherEntities[currentPlayer == playerOne ? 2 : 0].visible);
    }
}

TEST_F(Following, EachMomentOfATurnHasItsSound) {
    clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
    long before[GAME_SOUND_COUNT];
    for (int s = 0; s < GAME_SOUND_COUNT; ++s) before[s] = gameSoundsMixed(static_cast<GameSound>(s));
    auto played = [&](GameSound s) { return gameSoundsMixed(s) - before[s]; };
    humanPlaces(0);
    EXPECT_EQ(played(SOUND_PICK_UP), 1);
    EXPECT_EQ(played(SOUND_PUT_DOWN), 1);
    for (int cell : {3, 1, 4}) humanPlaces(cell);
    EXPECT_EQ(played(SOUND_LINE), 0);
    humanPlaces(2);  // 0, 1, 2: the first line
    EXPECT_EQ(whoseFirstJare, 1) << playerOne->status << " " << playerOne->getState();
    EXPECT_EQ(played(SOUND_LINE), 1);
    EXPECT_EQ(played(SOUND_REMOVAL), 0);
    EXPECT_EQ(played(SOUND_PUT_BACK), 0);
    EXPECT_EQ(played(SOUND_PICK_UP), 5);
    EXPECT_EQ(played(SOUND_PUT_DOWN), 5);

    setBoard({0, 4, 21, 22}, {9, 5, 23, 12});
    for (int s = 0; s < GAME_SOUND_COUNT; ++s) before[s] = gameSoundsMixed(static_cast<GameSound>(s));
    humanMoves(0, 2);  // not a neighbour: back it goes
    EXPECT_EQ(played(SOUND_PUT_BACK), 1);
    humanMoves(4, 3);
    humanRemoves(9);
    EXPECT_EQ(played(SOUND_REMOVAL), 0) << "no line, no removal";
}

TEST_F(Following, TheEndScreenShowsTheFinalCountsBehindIt) {
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_BEGINNER);
    // The computer's 14 to 2 completes 0, 1, 2 and takes one of three.
    setBoard({4, 13, 23}, {0, 1, 14});
    setDialogAnswerHook(recordGameOverScreen);
    humanMoves(4, 3);
    setDialogAnswerHook(nullptr);
    ASSERT_FALSE(countLineAtGameOver.empty()) << "no end-of-game screen";
    // The same line drawn again with each count: it showed two, not three.
    state = STATE_PLAYING;
    playerOne->pawnsOnBoard = 2;
    drawFrame();
    EXPECT_EQ(countLineAtGameOver, countLineOfPlayerOne());
    playerOne->pawnsOnBoard = 3;
    drawFrame();
    EXPECT_NE(countLineAtGameOver, countLineOfPlayerOne());
}

TEST(FirstRemoval, TheComputerCanTakeThePiecePlacedLast) {
    startHeadlessGame();
    paceFrames = false;
    drawThinkingFrames = false;
    DialogScript::install({}, true);
    playerOne->type = HUMAN;
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_DUMMY);
    const int one[12] = {0, 1, 3, 6, 8, 9, 10, 12, 16, 19, 20, 23};
    const int two[12] = {2, 4, 5, 7, 11, 13, 14, 15, 17, 18, 21, 22};
    int takenLast = 0, games = 0;
    for (unsigned seed = 1; seed <= 150 && takenLast == 0; ++seed, ++games) {
        srand(seed);
        resetall();
        clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
        for (int i = 0; i < 11; ++i) move_pawn_to_cell(i, one[i], 1);
        for (int i = 0; i < 12; ++i) move_pawn_to_cell(12 + i, two[i], 2);
        playerOne->pawnsOnBoard = 11;
        playerTwo->pawnsOnBoard = 12;
        whoseFirstJare = 2;
        // The computer's own look at the board, as after its last placement.
        analyzeGame();
        currentPlayer = playerOne;
        playerOne->setState(CHOOSING);
        humanPlaces(23);  // the last placement: the computer removes first
        ASSERT_EQ(gamePhase, PHASE_OPENING);
        ASSERT_TRUE(playerTwo->hasOpenedTheGame());
        if (en_cell[23]->getCurrentPawn() < 0) ++takenLast;
    }
    EXPECT_EQ(takenLast, 1) << "never the last-placed piece in " << games << " games";
    DialogScript::remove();
}
