#include "support/events.h"

#include "app/input.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "sprites/dialogs.h"
#include "sprites/framepointer.h"
#include "sprites/pawn.h"

namespace {

std::deque<bool> scriptedAnswers;
bool scriptedFallback = true;
int questions = 0;
int gameOvers = 0;

bool answerFromScript(DialogKind kind, const char*, const char*) {
    if (kind == DIALOG_QUESTION)
        ++questions;
    else
        ++gameOvers;
    if (scriptedAnswers.empty()) return scriptedFallback;
    bool answer = scriptedAnswers.front();
    scriptedAnswers.pop_front();
    return answer;
}

SDL_Event buttonEvent(int x, int y, Uint8 button) {
    SDL_Event event = {};
    event.button.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.state = SDL_PRESSED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}

SDL_Event keyEvent(Uint8 type, SDLKey key) {
    SDL_Event event = {};
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    return event;
}

}  // namespace

void movePointer(int x, int y) {
    frameToWindow(x, y);
    // A hand never lands on a point without moving: step there from beside
    // it, so the game always sees a movement.
    SDL_WarpMouse(static_cast<Uint16>(x > 0 ? x - 1 : x + 1), static_cast<Uint16>(y));
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_MOUSEMOTIONMASK) > 0)
        dispatchEvent(event);
}

void queueClick(int x, int y, Uint8 button) {
    frameToWindow(x, y);
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    SDL_Event event = buttonEvent(x, y, button);
    SDL_PushEvent(&event);
}

void queueKey(SDLKey key) {
    SDL_Event down = keyEvent(SDL_KEYDOWN, key), up = keyEvent(SDL_KEYUP, key);
    SDL_PushEvent(&down);
    SDL_PushEvent(&up);
}

void clickNow(int x, int y, Uint8 button) {
    movePointer(x, y);
    frameToWindow(x, y);
    SDL_Event click = buttonEvent(x, y, button);
    mapEventToFrame(click);
    dispatchEvent(click);
}

void releaseKeyNow(SDLKey key, SDLMod modifiers) {
    SDL_Event up = keyEvent(SDL_KEYUP, key);
    up.key.keysym.mod = modifiers;
    dispatchEvent(up);
}

void drainEvents() {
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

int cellCentreX(int cell) { return en_cell[cell]->getX() + 25; }
int cellCentreY(int cell) { return en_cell[cell]->getY() + 25; }
int pawnCentreX(int pawn) { return en_pawn[pawn]->getX() + 25; }
int pawnCentreY(int pawn) { return en_pawn[pawn]->getY() + 25; }

void DialogScript::install(std::deque<bool> answers, bool fallback) {
    scriptedAnswers = std::move(answers);
    scriptedFallback = fallback;
    questions = gameOvers = 0;
    setDialogAnswerHook(answerFromScript);
}

void DialogScript::remove() {
    setDialogAnswerHook(nullptr);
    scriptedAnswers.clear();
}

int DialogScript::questionsAsked() { return questions; }
int DialogScript::gameOversShown() { return gameOvers; }

Hand::~Hand() {
    stopping = true;
    if (thread) SDL_WaitThread(thread, nullptr);
}

Hand& Hand::click(int x, int y) {
    steps.push_back({Step::CLICK, x, y, SDLK_UNKNOWN, nullptr});
    return *this;
}

Hand& Hand::key(SDLKey which) {
    steps.push_back({Step::KEY, 0, 0, which, nullptr});
    return *this;
}

Hand& Hand::after(std::function<bool()> ready) {
    steps.push_back({Step::WAIT, 0, 0, SDLK_UNKNOWN, std::move(ready)});
    return *this;
}

void Hand::start() {
    thread = SDL_CreateThread(run, this);
}

bool Hand::waitUntil(const std::function<bool()>& ready) {
    for (int waited = 0; waited < 60000 && !stopping; waited += 5) {
        if (ready()) return true;
        SDL_Delay(5);
    }
    return false;
}

int Hand::run(void* self) {
    Hand& hand = *static_cast<Hand*>(self);
    auto markerTaken = [] {
        SDL_Event marker;
        return SDL_PeepEvents(&marker, 1, SDL_PEEKEVENT, SDL_EVENTMASK(SDL_USEREVENT)) == 0;
    };
    for (const Step& step : hand.steps) {
        if (step.kind == Step::WAIT) {
            if (!hand.waitUntil(step.ready)) return 0;
            continue;
        }
        if (step.kind == Step::CLICK)
            queueClick(step.x, step.y);
        else
            queueKey(step.key);
        SDL_Event marker = {};
        marker.type = SDL_USEREVENT;
        SDL_PushEvent(&marker);
        ++hand.handed;
        if (!hand.waitUntil(markerTaken)) return 0;
    }
    return 0;
}
