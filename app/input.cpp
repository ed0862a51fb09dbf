#include "app/input.h"

#include <cctype>
#include <string>

#include "app/globals.h"
#include "app/howtoplay.h"
#include "app/opponentchoice.h"
#include "app/playaids.h"
#include "app/recordpanels.h"
#include "app/render.h"
#include "app/termination.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "settings/log.h"
#include "sprites/about.h"
#include "sprites/dialogs.h"
#include "sprites/framepointer.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "sprites/pointer.h"
#include "upload/record.h"

namespace {

const Uint32 beatPause = 240;       // after every drum beat
const Uint32 keyboardPause = 340;   // after every key in the keyboard state

void askToQuit() {
    if (yesno(screen, "", "Sure to quit the game?")) quit = true;
}

bool over(Entity* button) {
    return button && button->selected();
}

void setLogLevelFromDebug() {
    ILog.setLevel(debug == 1 ? 4 : 1);
}

void toggleKeyboardState() {
    bool entering = state != STATE_KEYBOARD;
    if (entering) {
        stateBeforeKeyboard = state;
        state = STATE_KEYBOARD;
    } else {
        state = stateBeforeKeyboard;
    }
    if (ebut_barud) ebut_barud->visible = entering;
    if (ebut_dradan) ebut_dradan->visible = entering;
}

void startMusic() {
    if (!musicStarted) {
        if (Mix_PlayMusic(music, -1) != 0)
            ILog.log(1, "Unable to play  background music! : %s\n", Mix_GetError());
        musicStarted = true;
    }
    if (canMakeSound && Mix_PausedMusic()) Mix_ResumeMusic();
}

void flashNeighboursUnderMouse() {
    for (int index = 0; index < CELL_COUNT; ++index) {
        if (!en_cell[index] || !en_cell[index]->selected()) continue;
        for (int neighbour : cellAdjents[index])
            if (neighbour >= 0) en_cell[neighbour]->setState(CELL_SHOWING);
    }
}

void flashLinesUnderMouse() {
    for (int index = 0; index < CELL_COUNT; ++index) {
        if (!en_cell[index] || !en_cell[index]->selected()) continue;
        for (int line = 0; line < LINE_COUNT; ++line)
            if (lineHasCell(line, index))
                for (int point : jare[line]) en_cell[point]->setState(CELL_SHOWING);
    }
}

void forceReport() {
    ILog.setLevel(4);
    prepareInfoForNOVL();
    gameToPost << "-";
    informNOVL([] {
        render(gamescreen, minigamescreen, screen);
        SDL_PumpEvents();
        return !terminationRequested();
    });
    setLogLevelFromDebug();
}

void gameKeys(SDLKey key, SDLMod modifiers) {
    switch (key) {
        case SDLK_m: startMusic(); break;
        case SDLK_n:
            if (musicStarted) Mix_PauseMusic();
            break;
        case SDLK_i: flashNeighboursUnderMouse(); break;
        case SDLK_j: flashLinesUnderMouse(); break;
        case SDLK_v:
            debug = 1 - debug;
            setLogLevelFromDebug();
            break;
        case SDLK_r: forceReport(); break;
        default:
            if (!playAidKey(key, modifiers)) recordKey(key);
            break;
    }
}

void clickWhilePlaying() {
    // A new action: the message of the last wrong one has been read.
    if (currentPlayer) currentPlayer->releaseMessage();
    if (over(ebut_existthegame) && yesno(screen, "", "Sure to reset the game?")) resetall();
    if (over(ebut_readgamerules) && aboutZelk(screen)) resetall();
    // A piece picked up stands on a point (moving) that the same click also
    // reaches: that click took the piece, it does not put it down again.
    int pickedFrom = -1;
    if (currentPlayer && currentPlayer->isChoosing())
        for (int i = 0; i < PAWN_COUNT; ++i) {
            if (!en_pawn[i] || !en_pawn[i]->selected()) continue;
            pickUpPawn(i);
            if (en_pawn[i]->state == PAWN_PICKED) pickedFrom = en_pawn[i]->cell;
        }
    if (currentPlayer)
        for (int c = 0; c < CELL_COUNT; ++c)
            if (en_cell[c] && en_cell[c]->selected() && c != pickedFrom) clickCell(c);
    if (speedBar && OtherEntities[6].selected()) {
        speedBar->moreSpeed(1);
        do_action(3);
    }
    if (speedBar && OtherEntities[7].selected()) {
        speedBar->lessSpeed(1);
        do_action(2);
    }
}

// Flips a player between human and computer; refuses two computers.
bool flipKind(iPlayer* player, iPlayer* other) {
    player->type = player->type == HUMAN ? COMPUTER : HUMAN;
    if (player->type == COMPUTER && other->type == COMPUTER) {
        player->type = HUMAN;
        return false;
    }
    return true;
}

void chooseOpponentUnderPointer() {
    int x, y;
    pointerPosition(&x, &y);
    chooseOpponent(opponentChoiceAt(x, y));
}

// A game under way is lost to a reset only when the person says so.
bool mayResetTheGame() {
    return state != STATE_PLAYING || yesno(screen, "", "Sure to reset the game?");
}

void describePiecesUnderMouse() {
    for (int i = 0; i < PAWN_COUNT; ++i) {
        if (!en_pawn[i] || !en_pawn[i]->selected()) continue;
        std::string info = "Pawn Id: " + std::to_string(i) + "\n" + "Pawn Status: " +
                           std::to_string(en_pawn[i]->state) + "\n" + "Owned by player: " +
                           std::to_string(en_pawn[i]->owner) + "\n";
        if (debug) {
            int mx, my;
            framePointer(&mx, &my);
            if (font) font->render(screen, mx, my, info.c_str(), 255, 255, 255, 255);
        }
        ILog.log(3, "%s", info.c_str());
    }
}

}  // namespace

const char* beatPatternOf(char letter) {
    static const char* const patterns[26] = {
        "1",   "0",   "11",   "10",   "01",   "00",   "010",  "011",  "111",
        "110", "100", "101",  "000",  "0110", "0100", "001",  "1100", "1110",
        "1111", "1000", "1101", "1001", "0011", "0001", "0000", "1010",
    };
    if (letter < 'a' || letter > 'z') return nullptr;
    return patterns[letter - 'a'];
}

void playBeatPattern(char letter) {
    const char* beats = beatPatternOf(letter);
    if (!beats) return;
    for (const char* beat = beats; *beat; ++beat) {
        Mix_Chunk* sound = *beat == '1' ? takeSound : putItBback;
        if (canMakeSound && sound) Mix_PlayChannel(0, sound, 0);
        SDL_Delay(beatPause);
    }
}

void handleKeyRelease(SDLKey key, SDLMod modifiers) {
    if (key == SDLK_2) setupOpeningPosition();
    if (key == SDLK_F1) toggleKeyboardState();
    if (key == SDLK_F2 && state != STATE_KEYBOARD) showHowToPlay(screen);
    if (state == STATE_KEYBOARD) {
        if (key >= SDLK_a && key <= SDLK_z) playBeatPattern(static_cast<char>(key));
        SDL_Delay(keyboardPause);
    } else {
        gameKeys(key, modifiers);
    }
    if (key == SDLK_ESCAPE) quit = true;
    if (key == SDLK_q && state != STATE_KEYBOARD) quit = true;
}

void handleLeftClick() {
    switch (state) {
        case STATE_STARTING:
            if (over(ebut_existthegame)) askToQuit();
            if (over(ebut_redstarts)) startGame(playerOne);
            if (over(ebut_greystarts)) startGame(playerTwo);
            if (over(ebut_readgamerules)) aboutZelk(screen);
            chooseOpponentUnderPointer();
            break;
        case STATE_KEYBOARD:
            if (over(ebut_existthegame)) askToQuit();
            break;
        case STATE_PLAYING:
            clickWhilePlaying();
            break;
    }
}

void handleRightClick() {
    if (playerOne->selected() && mayResetTheGame() && flipKind(playerOne, playerTwo)) {
        resetall();
        startRecord(playerOne->id);
    }
    if (playerTwo->selected() && mayResetTheGame() && flipKind(playerTwo, playerOne)) resetall();
    describePiecesUnderMouse();
}

void dispatchEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            askToQuit();
            break;
        case SDL_MOUSEMOTION:
            shadowCellsUnderMouse();
            break;
        case SDL_MOUSEBUTTONDOWN: {
            const ClickAt place(event.button.x, event.button.y);
            if (event.button.button == SDL_BUTTON_RIGHT)
                handleRightClick();
            else
                handleLeftClick();
            break;
        }
        case SDL_KEYUP:
            // The modifiers as they were with the key: Ctrl may be up by
            // the time the event is read.
            handleKeyRelease(event.key.keysym.sym, event.key.keysym.mod);
            break;
        default:
            break;
    }
}
