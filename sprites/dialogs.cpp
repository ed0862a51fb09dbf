#include "sprites/dialogs.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "app/display.h"
#include "app/globals.h"
#include "app/pacing.h"
#include "app/termination.h"
#include "app/textplaces.h"
#include "settings/catalogue.h"
#include "settings/userfiles.h"
#include "sprites/entity.h"
#include "sprites/framepointer.h"
#include "sprites/pointer.h"
#include "upload/record.h"

namespace {

DialogAnswerHook answerHook = nullptr;

// The panel, its shadow and the two buttons, shared by both screens.
struct DialogLayout {
    explicit DialogLayout(SDL_Surface* target)
        : screen(target),
          panel(203, 100, 400, 300, "images/presentation/yesno.png", target),
          yes(368, 350, 105, 30, target),
          no(486, 350, 105, 30, target) {}

    void drawPanel() {
        boxRGBA(screen, 202, 99, 604, 401, 0, 0, 0, 255);
        panel.displaySingleScreen();
    }

    void drawCaptions() {
        write("Yes", "dialog.yes", 255, 255, 255);
        write("No", "dialog.no", 255, 255, 255);
    }

    void drawDebugLine(int x) {
        if (!debug) return;
        int mx, my;
        framePointer(&mx, &my);
        std::string line = "x: " + std::to_string(mx) + " y: " + std::to_string(my);
        write(font, x, 110, line.c_str(), 255, 0, 255);
    }

    void write(Font* which, int x, int y, const char* text, Uint8 r, Uint8 g, Uint8 b) {
        if (which && text) which->render(screen, x, y, text, r, g, b, 255);
    }

    // A text of the game in the player's language, kept to its place.
    void write(const std::string& english, const char* place, Uint8 r, Uint8 g, Uint8 b) {
        drawText(screen, tr(english), placeBox(place), {r, g, b, 255});
    }

    void show() { presentFrame(); }

    SDL_Surface* screen;
    Entity panel, yes, no;
};

void drawQuestion(DialogLayout& dialog, const char* line1, const char* line2, const std::string& note) {
    dialog.drawPanel();
    dialog.drawDebugLine(303);
    if (line1) dialog.write(line1, "question.heading", 255, 0, 255);
    if (!note.empty()) drawText(dialog.screen, note, placeBox("question.note"), {40, 40, 40, 255});
    if (line2) dialog.write(line2, "question", 0, 0, 255);
    dialog.drawCaptions();
    dialog.show();
}

// Two rockets a record; they fly toward each other along one curve.
struct RocketPair {
    float xA, yA;
    int redA, greenA, blueA;
    float xB, yB;
    int redB, greenB, blueB;
};

const int rocketPairs = 9;

void launchFirst(RocketPair rockets[], int& baseline) {
    int spacing = rand() % 100 + 5;
    baseline = rand() % 50 + 230;
    for (int k = 0; k < rocketPairs; ++k) {
        int offset = spacing * (2 * k + 1);
        RocketPair& pair = rockets[k];
        pair.xA = static_cast<float>(203 + offset);
        pair.xB = static_cast<float>(603 - offset);
        pair.yA = pair.yB = 0;
        pair.redA = rand() % 255;
        pair.greenA = rand() % 255;
        pair.blueA = rand() % 255;
        pair.redB = rand() % 255;
        pair.greenB = rand() % 255;
        pair.blueB = rand() % 255;
    }
}

void relaunch(RocketPair& pair, int k, int& baseline) {
    int offset = (k + 1) * (rand() % 100 + 5);
    pair.xA = static_cast<float>(203 + offset);
    pair.xB = static_cast<float>(603 - offset);
    baseline = rand() % 50 + 230;
    pair.redA = rand() % 255 + 10;
    pair.greenA = rand() % 255 + 10;
    pair.blueA = rand() % 255 + 10;
    pair.redB = rand() % 155 + 100;
    pair.greenB = rand() % 155 + 100;
    pair.blueB = rand() % 155 + 100;
}

float curve(float x, int baseline) {
    const double degrees = 3.14159265358979323846 / 180.0;
    return static_cast<float>(std::cos(x * degrees) * 100.0 + baseline);
}

void drawRocket(SDL_Surface* target, float x, float y, int r, int g, int b) {
    filledCircleRGBA(target, static_cast<Sint16>(x), static_cast<Sint16>(y), 2,
                     static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b), 255);
}

void flyRockets(SDL_Surface* target, RocketPair rockets[], int baseline) {
    for (int k = 0; k < rocketPairs; ++k) {
        RocketPair& pair = rockets[k];
        if (pair.xA > 598) pair.xA = 208; else pair.xA += 0.4f;
        pair.yA = curve(pair.xA, baseline);
        drawRocket(target, pair.xA, pair.yA, pair.redA, pair.greenA, pair.blueA);
        if (pair.xB < 208) pair.xB = 598; else pair.xB -= 0.4f;
        pair.yB = curve(pair.xB, baseline);
        drawRocket(target, pair.xB, pair.yB, pair.redB, pair.greenB, pair.blueB);
    }
}

void explode(DialogLayout& dialog, float x, float y) {
    for (int i = 1; i <= 9; ++i) {
        Uint32 start = SDL_GetTicks();
        filledCircleRGBA(dialog.screen, static_cast<Sint16>(x), static_cast<Sint16>(y),
                         static_cast<Sint16>(2 * i), static_cast<Uint8>(2 * i),
                         static_cast<Uint8>(25 * i), static_cast<Uint8>(255 - 10 * i), 255);
        dialog.show();
        paceFixedFrame(start);
    }
}

void burstWhereRocketsMeet(DialogLayout& dialog, RocketPair rockets[], int& baseline) {
    for (int k = 0; k < rocketPairs; ++k) {
        RocketPair& pair = rockets[k];
        if (static_cast<int>(pair.xA - pair.xB) != 0 || static_cast<int>(pair.yA - pair.yB) != 0)
            continue;
        explode(dialog, pair.xB, pair.yB);
        relaunch(pair, k, baseline);
    }
}

void drawGameOver(DialogLayout& dialog, const std::string& winnerName, RocketPair rockets[],
                  int baseline) {
    dialog.drawPanel();
    dialog.write("Game over!", "gameover.title", 255, 0, 0);
    drawText(dialog.screen, trf("{1} won", {winnerName}), placeBox("gameover.winner"), {255, 0, 0, 255});
    dialog.write("Do you want to continue?", "gameover.question", 0, 0, 0);
    dialog.drawCaptions();
    flyRockets(dialog.screen, rockets, baseline);
    dialog.drawDebugLine(213);
    dialog.show();
}

const SDL_Rect endPanel = {203, 100, 400, 300};
const int choiceTop = 345, choiceWidth = 122, choiceHeight = 34, choiceGap = 7;

SDL_Rect choiceRect(size_t index) {
    return {static_cast<Sint16>(endPanel.x + 10 + index * (choiceWidth + choiceGap)), static_cast<Sint16>(choiceTop),
            static_cast<Uint16>(choiceWidth), static_cast<Uint16>(choiceHeight)};
}

// The final position stays in sight through the panel.
void drawEndPanel(SDL_Surface* target, SDL_Surface* finalBoard, const GameSummary& summary) {
    SDL_BlitSurface(finalBoard, nullptr, target, nullptr);
    const int right = endPanel.x + endPanel.w, bottom = endPanel.y + endPanel.h;
    boxRGBA(target, endPanel.x, endPanel.y, right, bottom, 25, 14, 6, 205);
    rectangleRGBA(target, endPanel.x, endPanel.y, right, bottom, 230, 200, 120, 255);
    drawText(target, tr("Game over!"), placeBox("end.title"), {255, 90, 70, 255});
    drawText(target, trf("{1} won", {summary.winner}), placeBox("end.winner"), {255, 210, 90, 255});
    if (!summary.result.empty()) drawText(target, summary.result, placeBox("end.result"), {255, 255, 255, 255});
    for (size_t k = 0; k < summary.lines.size(); ++k)
        drawText(target, summary.lines[k], placeBox("end.summary", placeBox("end.summary").y + 22 * static_cast<int>(k)),
                 {235, 225, 200, 255});
    drawText(target, tr("Do you want to continue?"), placeBox("end.question"), {255, 255, 255, 255});
    const std::vector<const char*>& choices = endChoices();
    for (size_t k = 0; k < choices.size(); ++k) {
        const SDL_Rect r = choiceRect(k);
        roundedBoxRGBA(target, r.x, r.y, r.x + r.w, r.y + r.h, 6, 70, 110, 60, 255);
        roundedRectangleRGBA(target, r.x, r.y, r.x + r.w, r.y + r.h, 6, 230, 220, 160, 255);
        TextBox caption = placeBox("end.choice");
        caption.x = r.x + 4;
        drawText(target, tr(choices[k]), caption, {255, 255, 255, 255});
    }
}

int choiceAt(int x, int y) {
    for (size_t k = 0; k < endChoices().size(); ++k) {
        const SDL_Rect r = choiceRect(k);
        if (x > r.x && x < r.x + r.w && y > r.y && y < r.y + r.h) return static_cast<int>(k);
    }
    return -1;
}

}  // namespace

std::vector<const char*>& endChoices() {
    static std::vector<const char*> choices = {"Play again", "Leave the game", "Review"};
    return choices;
}

int showEndOfGame(SDL_Surface* target, const GameSummary& summary) {
    DialogLayout dialog(target);
    SDL_Surface* finalBoard = SDL_ConvertSurface(target, target->format, SDL_SWSURFACE);
    RocketPair rockets[rocketPairs];
    int baseline;
    launchFirst(rockets, baseline);
    // Rockets and bursts stay inside the panel.
    SDL_Rect clip = endPanel;
    const auto frame = [&] {
        if (finalBoard) drawEndPanel(target, finalBoard, summary);
        if (summary.fireworks) {
            SDL_SetClipRect(target, &clip);
            flyRockets(target, rockets, baseline);
            burstWhereRocketsMeet(dialog, rockets, baseline);
            SDL_SetClipRect(target, nullptr);
        }
        dialog.show();
    };
    informNOVL([&] {
        frame();
        SDL_PumpEvents();
        return !terminationRequested();
    });
    int chosen = END_LEAVE;
    bool answered = false;
    while (!answered && !terminationRequested()) {
        Uint32 frameStart = SDL_GetTicks();
        frame();
        SDL_Event event;
        while (!answered && pollFrameEvent(event)) {
            if (event.type != SDL_MOUSEBUTTONDOWN || event.button.button != SDL_BUTTON_LEFT) continue;
            const int choice = choiceAt(event.button.x, event.button.y);
            if (choice >= 0) {
                chosen = choice;
                answered = true;
            }
        }
        if (summary.fireworks)
            paceFixedFrame(frameStart);
        else
            SDL_Delay(10);
    }
    if (finalBoard) SDL_FreeSurface(finalBoard);
    return chosen;
}

void setDialogAnswerHook(DialogAnswerHook hook) {
    answerHook = hook;
}

DialogAnswerHook getDialogAnswerHook() {
    return answerHook;
}

bool yesno(SDL_Surface* target, char* line1, char* line2) {
    return yesnoExplained(target, line1, line2, "");
}

bool yesnoExplained(SDL_Surface* target, const char* line1, const char* line2, const std::string& note) {
    if (answerHook) return answerHook(DIALOG_QUESTION, line1, line2);
    DialogLayout dialog(target);
    drawQuestion(dialog, line1, line2, note);
    // A termination answers No: nothing is reset, removed or given, and the
    // main loop then quits, saving the game.
    while (!terminationRequested()) {
        SDL_Event event;
        if (!pollFrameEvent(event)) {
            SDL_Delay(10);
            continue;
        }
        drawQuestion(dialog, line1, line2, note);
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_s)
            SDL_SaveBMP(target, userDataFile("screenshot-yesno.bmp").c_str());
        if (event.type == SDL_MOUSEBUTTONDOWN) {
            const ClickAt place(event.button.x, event.button.y);
            if (dialog.yes.selected()) return true;
            if (dialog.no.selected()) return false;
        }
    }
    return false;
}

bool yesno(SDL_Surface* target, const char* line1, const char* line2) {
    return yesno(target, const_cast<char*>(line1), const_cast<char*>(line2));
}

bool vittoria(SDL_Surface* target, char* winnerName) {
    const std::string winner = winnerName ? winnerName : "";
    if (answerHook) {
        informNOVL();
        bool answer = answerHook(DIALOG_GAME_OVER, winnerName, "Do you want to continue?");
        resetall();
        state = STATE_STARTING;
        return answer;
    }
    DialogLayout dialog(target);
    RocketPair rockets[rocketPairs];
    int baseline;
    launchFirst(rockets, baseline);
    // The fireworks go on while the game is reported.
    informNOVL([&] {
        drawGameOver(dialog, winner, rockets, baseline);
        burstWhereRocketsMeet(dialog, rockets, baseline);
        SDL_PumpEvents();
        return !terminationRequested();
    });
    // The game is over: a termination leaves as No does, with the board
    // cleared, so nothing is saved.
    while (!terminationRequested()) {
        Uint32 frameStart = SDL_GetTicks();
        drawGameOver(dialog, winner, rockets, baseline);
        burstWhereRocketsMeet(dialog, rockets, baseline);
        SDL_Event event;
        while (pollFrameEvent(event)) {
            if (event.type != SDL_MOUSEBUTTONDOWN) continue;
            const ClickAt place(event.button.x, event.button.y);
            resetall();
            if (dialog.yes.selected() || dialog.no.selected()) {
                bool answer = dialog.yes.selected();
                state = STATE_STARTING;
                return answer;
            }
        }
        paceFixedFrame(frameStart);
    }
    resetall();
    state = STATE_STARTING;
    return false;
}
