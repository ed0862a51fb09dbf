// A game a person can follow: the last turn of each side marked on the
// board, the legal destinations of a carried piece, a wrong click's text on
// screen, the sounds at their moments, and the computer's first removal
// seeing the last placement.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/render.h"
#include "app/sounds.h"
#include "bot/game.h"
#include "sprites/dialogs.h"
#include "sprites/turnmarks.h"
#include "support/events.h"
#include "support/play.h"
#include "support/position.h"

namespace {

class Following : public GameFlowTest {
protected:
    void SetUp() override {
        startGameShell(HUMAN, HUMAN);
        logEverything();
    }

    static std::vector<int> shadowedPoints() {
        std::vector<int> lit;
        for (int c = 0; c < CELL_COUNT; ++c)
            if (en_cell[c]->isUnderShadow()) lit.push_back(c);
        return lit;
    }

    static void drawFrame() { render(gamescreen, minigamescreen, screen); }

    // Sounds mixed since the last call, by kind.
    std::vector<long> soundsSince() {
        std::vector<long> played;
        for (int s = 0; s < GAME_SOUND_COUNT; ++s) {
            const long now = gameSoundsMixed(static_cast<GameSound>(s));
            played.push_back(now - soundsBefore[s]);
            soundsBefore[s] = now;
        }
        return played;
    }
    long soundsBefore[GAME_SOUND_COUNT] = {};
};

// The "Has N on board" line of player one, as the screen held it when the
// end-of-game screen was asked for.
std::vector<Uint32> countLineAtGameOver;

bool recordGameOverScreen(DialogKind kind, const char*, const char*) {
    if (kind == DIALOG_GAME_OVER) countLineAtGameOver = screenPixels(80, 560, 140, 16);
    return true;
}

// The shipped file whose samples the mixer plays for `sound`.
std::string fileOf(GameSound sound) {
    Mix_HaltChannel(-1);
    playGameSound(sound);
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        const Mix_Chunk* playing = Mix_Playing(channel) ? Mix_GetChunk(channel) : nullptr;
        for (const char* file : {"move_from", "move_to", "put_it_back", "jare", "remove_opponent"}) {
            Mix_Chunk* shipped = Mix_LoadWAV((std::string("audio/") + file + ".wav").c_str());
            const bool same = playing && shipped && shipped->alen == playing->alen &&
                              std::equal(shipped->abuf, shipped->abuf + shipped->alen, playing->abuf);
            Mix_FreeChunk(shipped);
            if (same) return file;
        }
    }
    return "";
}

bool sameMarks(const TurnMarks& a, int left, int reached, int removed) {
    return a.left == left && a.reached == reached && a.removed == removed;
}

}  // namespace

TEST_F(Following, ATurnsMarksRingThePointsOutsideThePiecesFaces) {
    position(PHASE_CONTENDING, {0, 3, 9, 15}, {2, 5, 21, 23});
    drawFrame();
    const std::vector<Uint32> before = screenPixels(0, 0, 800, 600);
    recordStep(1, 15, 16);
    drawFrame();
    const std::vector<Uint32> after = screenPixels(0, 0, 800, 600);
    int changedInside = 0, changedRing = 0;
    for (int cell : {15, 16}) {
        const int cx = cellPlaces[cell][0] + 25, cy = cellPlaces[cell][1] + 25;
        for (int y = cy - 32; y <= cy + 32; ++y)
            for (int x = cx - 32; x <= cx + 32; ++x) {
                const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                const bool changed = after[y * 800 + x] != before[y * 800 + x];
                if (d2 <= 24 * 24) changedInside += changed;
                if (d2 >= 26 * 26 && d2 <= 31 * 31) changedRing += changed;
            }
    }
    EXPECT_EQ(changedInside, 0) << "a mark never covers a piece's face";
    EXPECT_GT(changedRing, 100);
}

// A side's marks are its last turn's only, until that side plays again: an
// opening removal is a turn of its own, a step replaces the removal before.
TEST_F(Following, EachTurnReplacesTheMarksOfTheSidesTurnBefore) {
    fillWithoutLines();
    EXPECT_TRUE(sameMarks(turnMarksOf(2), -1, 22, -1));
    removes(0);
    EXPECT_TRUE(sameMarks(turnMarksOf(2), -1, -1, 0)) << "the opening removal replaced the placement";
    removes(2);
    moves(1, 0);
    moves(4, 1);
    EXPECT_TRUE(sameMarks(turnMarksOf(2), 4, 1, -1)) << "the step replaced the opening removal";
    EXPECT_TRUE(sameMarks(turnMarksOf(1), 1, 0, -1)) << "the other side's marks stay";
    resetall();
    EXPECT_TRUE(sameMarks(turnMarksOf(1), -1, -1, -1) && sameMarks(turnMarksOf(2), -1, -1, -1)) << "a reset clears them";
}

TEST_F(Following, TheComputersLineAndRemovalAreMarkedAndHeard) {
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_BEGINNER);
    // Player two's only line: 14 to 2 completes 0, 1, 2.
    position(PHASE_CONTENDING, {9, 4, 13, 23, 15, 3}, {0, 1, 14});
    soundsSince();
    humanMoves(15, 16);
    const TurnMarks computer = turnMarksOf(2);
    EXPECT_EQ(std::make_pair(computer.left, computer.reached), std::make_pair(14, 2));
    ASSERT_GE(computer.removed, 0);
    EXPECT_LT(en_cell[computer.removed]->getCurrentPawn(), 0) << "the removed piece's point is empty";
    EXPECT_EQ(playerOne->pawnsOnBoard, 5);
    EXPECT_TRUE(sameMarks(turnMarksOf(1), 15, 16, -1));
    const std::vector<long> played = soundsSince();
    EXPECT_EQ(played[SOUND_LINE], 1);
    EXPECT_EQ(played[SOUND_REMOVAL], 1);
}

// What is lit while a piece is carried is where it may go, frame after
// frame, wherever the pointer wanders: its free neighbours, and its own
// point under the pointer; nothing once it is put down. A boxed-in piece
// is not picked up.
TEST_F(Following, ACarriedPiecesLegalDestinationsStayLitFrameAfterFrame) {
    position(PHASE_CONTENDING, {0, 4, 21, 22}, {9, 5, 23, 12});
    const long pickUps = gameSoundsAsked(SOUND_PICK_UP);
    clickNow(cellCentreX(21), cellCentreY(21));
    EXPECT_TRUE(playerOne->isChoosing());
    EXPECT_EQ(gameSoundsAsked(SOUND_PICK_UP), pickUps);
    clickNow(cellCentreX(4), cellCentreY(4));
    ASSERT_TRUE(playerOne->isMovingTo());
    for (int over : {16, 3, 4, 2, 5, 7, 4, 11}) {
        movePointer(cellCentreX(over), cellCentreY(over));
        for (int frame = 0; frame < 3; ++frame) {
            mainLoopPass();
            std::vector<int> expected = {1, 3, 7};
            if (over == 4) expected = {1, 3, 4, 7};
            EXPECT_EQ(shadowedPoints(), expected) << "pointer over " << over << ", frame " << frame;
        }
    }
    clickNow(cellCentreX(7), cellCentreY(7));
    EXPECT_TRUE(doIOwn(7, 1));
    EXPECT_TRUE(shadowedPoints().empty()) << "no point stays lit for the rules to misread";
}

TEST_F(Following, OnlyThePlayerToActShowsWhatItDoesAndAWrongClicksTextStaysUntilTheNextAction) {
    start();
    humanPlaces(0);
    drawFrame();
    EXPECT_STREQ(playerOne->status, "Waiting hand");
    EXPECT_STREQ(playerTwo->status, "Choosing now");
    humanPlaces(5);
    clickNow(pawnCentreX(12), pawnCentreY(12));  // player two's piece
    mainLoopPass();
    mainLoopPass();
    const std::vector<Uint32> shown = screenPixels(80, 540, 140, 16);
    EXPECT_STREQ(playerOne->status, "The pawn is not yours");
    // The same line drawn with the state's text looks different, with the
    // message the same.
    playerOne->releaseMessage();
    drawFrame();
    EXPECT_NE(screenPixels(80, 540, 140, 16), shown);
    playerOne->showMessage("The pawn is not yours");
    drawFrame();
    EXPECT_EQ(screenPixels(80, 540, 140, 16), shown);
    humanPlaces(1);  // the next action ends it
    drawFrame();
    EXPECT_STREQ(playerOne->status, "Waiting hand");
}

TEST_F(Following, EachMomentOfATurnHasItsSound) {
    start();
    soundsSince();
    humanPlaces(0);
    EXPECT_EQ(soundsSince(), (std::vector<long>{1, 1, 0, 0, 0})) << "picked up, put down";
    for (int cell : {3, 1, 4}) humanPlaces(cell);
    soundsSince();
    humanPlaces(2);  // 0, 1, 2: the first line
    EXPECT_EQ(soundsSince(), (std::vector<long>{1, 1, 0, 1, 0})) << "and the line";

    position(PHASE_CONTENDING, {0, 4, 21, 22}, {9, 5, 23, 12});
    soundsSince();
    humanMoves(0, 2);  // not a neighbour: back it goes
    EXPECT_EQ(soundsSince(), (std::vector<long>{1, 0, 1, 0, 0})) << "picked up, put back";
    humanMoves(4, 3);
    humanRemoves(9);
    EXPECT_EQ(soundsSince()[SOUND_REMOVAL], 0) << "no line, no removal";

    const char* const files[GAME_SOUND_COUNT] = {"move_from", "move_to", "put_it_back", "jare", "remove_opponent"};
    for (int sound = 0; sound < GAME_SOUND_COUNT; ++sound)
        EXPECT_EQ(fileOf(static_cast<GameSound>(sound)), files[sound]) << "sound " << sound;
}

TEST_F(Following, TheEndScreenShowsTheFinalCountsBehindIt) {
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_BEGINNER);
    // The computer's 14 to 2 completes 0, 1, 2 and takes one of three.
    position(PHASE_CONTENDING, {4, 13, 23}, {0, 1, 14});
    countLineAtGameOver.clear();
    setDialogAnswerHook(recordGameOverScreen);
    humanMoves(4, 3);
    setDialogAnswerHook(nullptr);
    ASSERT_FALSE(countLineAtGameOver.empty()) << "no end-of-game screen";
    // The same line drawn again with each count: it showed two, not three.
    state = STATE_PLAYING;
    for (int count : {2, 3}) {
        playerOne->pawnsOnBoard = count;
        drawFrame();
        EXPECT_EQ(screenPixels(80, 560, 140, 16) == countLineAtGameOver, count == 2) << count;
    }
}

TEST_F(Following, TheComputersFirstRemovalCanTakeThePiecePlacedLast) {
    playerTwo->type = COMPUTER;
    iGame->setGameLevel(LEVEL_DUMMY);
    int takenLast = 0, games = 0;
    for (unsigned seed = 1; seed <= 150 && takenLast == 0; ++seed, ++games) {
        srand(seed);
        resetall();
        clickNow(ebut_redstarts->getX() + 30, ebut_redstarts->getY() + 30);
        for (int i = 0; i < 11; ++i) move_pawn_to_cell(i, noLineOne[i], 1);
        for (int i = 0; i < 12; ++i) move_pawn_to_cell(12 + i, noLineTwo[i], 2);
        playerOne->pawnsOnBoard = 11;
        playerTwo->pawnsOnBoard = 12;
        whoseFirstJare = 2;
        analyzeGame();  // the computer's own look at the board, as after its last placement
        currentPlayer = playerOne;
        playerOne->setState(CHOOSING);
        humanPlaces(23);  // the last placement: the computer removes first
        ASSERT_EQ(gamePhase, PHASE_OPENING);
        ASSERT_TRUE(playerTwo->hasOpenedTheGame());
        if (en_cell[23]->getCurrentPawn() < 0) ++takenLast;
    }
    EXPECT_EQ(takenLast, 1) << "never the last-placed piece in " << games << " games";
}
