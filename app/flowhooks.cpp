#include "app/flowhooks.h"

#include <string>

#include "app/coach.h"
#include "app/gamesummary.h"
#include "app/globals.h"
#include "app/liverecord.h"
#include "app/playaids.h"
#include "app/render.h"
#include "app/reviewsource.h"
#include "app/termination.h"
#include "app/sounds.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "rules/hooks.h"
#include "settings/catalogue.h"
#include "sprites/dialogs.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "sprites/turnmarks.h"

namespace {

void setButtonVisible(Entity* button, bool visible) {
    if (button) button->visible = visible;
}

// A piece put down by a person lands at once; the computer's starts its
// glide, and lands with its own sound.
GameSound soundOfPutting(bool byComputer) {
    return byComputer ? SOUND_PICK_UP : SOUND_PUT_DOWN;
}

// Who is blocked, and what each answer does; the question itself stays.
std::string safeRouteExplanation(const std::string& blocked, const std::string& mover) {
    return trf("{1} cannot move. Yes: {2} moves again, and a jare made in that move removes nothing. No: the game is saved and left; it is offered again at the next start.",
               {blocked, mover});
}

GameSummary summaryOf(int winner) {
    const bool people[2] = {playerOne->IsHuman(), playerTwo->IsHuman()};
    const std::string names[2] = {playerOne->name, playerTwo->name};
    const int left[2] = {playerOne->pawnsOnBoard, playerTwo->pawnsOnBoard};
    return summariseGame(winner, people, names, left, gameTally(), SDL_GetTicks());
}

}  // namespace

void installFlowHooks() {
    FlowHooks hooks;
    hooks.placed = [](int player, int cell, bool byComputer) {
        if (!byComputer) coachSawPersonAct();
        tallyPlacement();
        recordPlacement(player, cell);
        recordAction(player, engine::Move{-1, static_cast<int8_t>(cell)});
        playGameSound(soundOfPutting(byComputer));
        positionMovedOn();
    };
    hooks.stepped = [](int player, int from, int to, bool safeRoute, bool byComputer) {
        if (!byComputer) coachSawPersonAct();
        coachSawStep(player, to, safeRoute);
        tallyMove();
        recordStep(player, from, to);
        recordAction(player, engine::Move{static_cast<int8_t>(from), static_cast<int8_t>(to)});
        playGameSound(soundOfPutting(byComputer));
        positionMovedOn();
    };
    hooks.removed = [](int player, int cell, bool opening) {
        tallyRemoval();
        recordRemoval(player, cell, opening);
        recordAction(player, engine::Move{static_cast<int8_t>(cell), -1});
        playGameSound(SOUND_REMOVAL);
        positionMovedOn();
    };
    hooks.pickedUp = [](int, int) { playGameSound(SOUND_PICK_UP); };
    hooks.putBack = [](int, int) { playGameSound(SOUND_PUT_BACK); };
    hooks.lineShown = [](int) { playGameSound(SOUND_LINE); };
    hooks.handChanged = [](int player) {
        OtherEntities[0].visible = player == playerOne->id;
        OtherEntities[2].visible = player == playerTwo->id;
        (player == playerTwo->id ? timerTwo : timerOne).start();
    };
    hooks.stateChanged = [](States shown) {
        if (shown != STATE_STARTING && shown != STATE_PLAYING) return;
        for (Entity* button : {ebut_readgamerules, ebut_existthegame}) setButtonVisible(button, true);
        for (Entity* button : {ebut_redstarts, ebut_greystarts}) setButtonVisible(button, shown == STATE_STARTING);
    };
    hooks.boardCleared = [] {
        forgetPassingMarks();
        coachForget();
        tallyNewGame();
        recordNewBoard();
    };
    hooks.gameOver = [](int winner) {
        recordGameOver(winner);
        // The board behind the end-of-game screen shows the final counts.
        render(gamescreen, minigamescreen, screen);
        if (getDialogAnswerHook()) return vittoria(screen, getThisPlayer(winner)->name);
        int choice = showEndOfGame(screen, summaryOf(winner));
        // Going over the game leaves the board as it ended: the panel comes
        // back over it afterwards, unless the review ended the program.
        while (choice == END_REVIEW) {
            reviewFinishedGame();
            if (quit || terminationRequested()) break;
            render(gamescreen, minigamescreen, screen);
            choice = showEndOfGame(screen, summaryOf(winner));
        }
        resetall();
        state = STATE_STARTING;
        return choice == END_PLAY_AGAIN;
    };
    hooks.replaced = [](Replacement why, unsigned clockMilliseconds) {
        // A resumed game is counted and timed from here on.
        if (why == Replacement::RESUME) tallyNewGame();
        timerOne.startFrom(clockMilliseconds);
        forgetPassingMarks();
        coachForget();
        recordReplacement(why);
    };
    hooks.askSafeRoute = [] {
        return yesnoExplained(screen, "Jid isii aan jare lahayn!", "Should I continue to give a safe route?",
                              safeRouteExplanation(getOppositePlayer()->name, currentPlayer->name));
    };
    hooks.glideFrame = renderPacedFrame;
    hooks.thinkingFrame = [] {
        if (!screen) return false;
        render(gamescreen, minigamescreen, screen);
        return true;
    };
    hooks.showFor = showFramesFor;
    hooks.turnClock = [] { return timerOne.getTime(); };
    setFlowHooks(hooks);
    setLandingSound([] { playGameSound(SOUND_PUT_DOWN); });
}
