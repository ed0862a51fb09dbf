#include "app/opponentchoice.h"

#include <SDL/SDL_gfxPrimitives.h>

#include "app/globals.h"
#include "app/textplaces.h"
#include "bot/game.h"
#include "rules/board.h"
#include "settings/catalogue.h"
#include "settings/config.h"
#include "sprites/offeredlevel.h"
#include "sprites/player.h"

namespace {

const int chipTop = 450, chipWidth = 82, chipHeight = 30, chipGap = 6, firstChip = 183;

SDL_Rect chipRect(int choice) {
    return {static_cast<Sint16>(firstChip + choice * (chipWidth + chipGap)), static_cast<Sint16>(chipTop),
            static_cast<Uint16>(chipWidth), static_cast<Uint16>(chipHeight)};
}

void setKind(iPlayer* player, std::string& stored, PlayerTypes kind) {
    player->type = kind;
    stored = kind == COMPUTER ? "COMPUTER" : "HUMAN";
}

}  // namespace

const char* opponentCaption(int choice) {
    static const char* const captions[OPPONENT_CHOICES] = {"A person", "Dummy", "Beginner", "Novice", "Expert"};
    return choice >= 0 && choice < OPPONENT_CHOICES ? captions[choice] : "";
}

int opponentInForce() {
    if (!playerTwo || !playerTwo->IsComputer()) return 0;
    return 1 + IConfig.gameLevel;
}

void chooseOpponent(int choice) {
    if (choice < 0 || choice >= OPPONENT_CHOICES || !playerOne || !playerTwo) return;
    IConfig.modified = true;
    if (choice == 0) return setKind(playerTwo, IConfig.playerTwoType, HUMAN);
    // The person plays the left pieces against the computer.
    setKind(playerOne, IConfig.playerOneType, HUMAN);
    setKind(playerTwo, IConfig.playerTwoType, COMPUTER);
    const OfferedLevel given = offeredLevel(static_cast<GameLevels>(choice - 1));
    if (iGame) iGame->setGameLevel(given.level);
    IConfig.gameLevel = given.level;
}

void drawOpponentChoice(SDL_Surface* target) {
    roundedBoxRGBA(target, firstChip - 10, chipTop - 30, firstChip + 5 * chipWidth + 4 * chipGap + 10,
                   chipTop + chipHeight + 8, 8, 40, 24, 10, 215);
    drawText(target, tr("Play against:"), placeBox("opponent.title"), {255, 236, 170, 255});
    const int chosen = opponentInForce();
    for (int choice = 0; choice < OPPONENT_CHOICES; ++choice) {
        const SDL_Rect r = chipRect(choice);
        const bool on = choice == chosen;
        roundedBoxRGBA(target, r.x, r.y, r.x + r.w, r.y + r.h, 6, on ? 200 : 70, on ? 150 : 60, on ? 40 : 45, 255);
        roundedRectangleRGBA(target, r.x, r.y, r.x + r.w, r.y + r.h, 6, 230, 220, 160, 255);
        TextBox caption = placeBox("opponent.choice");
        caption.x = r.x + 3;
        drawText(target, tr(opponentCaption(choice)), caption, on ? SDL_Color{20, 10, 0, 255} : SDL_Color{255, 255, 255, 255});
    }
}

int opponentChoiceAt(int x, int y) {
    for (int choice = 0; choice < OPPONENT_CHOICES; ++choice) {
        const SDL_Rect r = chipRect(choice);
        if (x > r.x && x < r.x + r.w && y > r.y && y < r.y + r.h) return choice;
    }
    return -1;
}
