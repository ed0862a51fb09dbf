#include "app/flowhooks.h"

#include "app/globals.h"
#include "app/liverecord.h"
#include "app/playaids.h"
#include "app/render.h"
#include "app/sounds.h"
#include "rules/board.h"
#include "rules/hooks.h"
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

}  // namespace

void installFlowHooks() {
    FlowHooks hooks;
    hooks.placed = [](int player, int cell, bool byComputer) {
        recordPlacement(player, cell);
        recordAction(player, engine::Move{-1, static_cast<int8_t>(cell)});
        playGameSound(soundOfPutting(byComputer));
        positionMovedOn();
    };
    hooks.stepped = [](int player, int from, int to, bool, bool byComputer) {
        recordStep(player, from, to);
        recordAction(player, engine::Move{static_cast<int8_t>(from), static_cast<int8_t>(to)});
        playGameSound(soundOfPutting(byComputer));
        positionMovedOn();
    };
    hooks.removed = [](int player, int cell, bool opening) {
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
        recordNewBoard();
    };
    hooks.gameOver = [](int winner) {
        recordGameOver(winner);
        // The board behind the end-of-game screen shows the final counts.
        render(gamescreen, minigamescreen, screen);
        return vittoria(screen, getThisPlayer(winner)->name);
    };
    hooks.replaced = [](Replacement why, unsigned clockMilliseconds) {
        timerOne.startFrom(clockMilliseconds);
        forgetPassingMarks();
        recordReplacement(why);
    };
    hooks.askSafeRoute = [] {
        return yesno(screen, "Jid isii aan jare lahayn!", "Should I continue to give a safe route?");
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
