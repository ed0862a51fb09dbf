#include "app/mainloop.h"

#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/display.h"
#include "app/flowhooks.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/pacing.h"
#include "app/playaids.h"
#include "app/render.h"
#include "app/resources.h"
#include "app/session.h"
#include "app/termination.h"
#include "bot/stronglevels.h"
#include "rules/computerturn.h"
#include "settings/catalogue.h"
#include "settings/config.h"
#include "settings/log.h"
#include "settings/message.h"
#include "settings/userfiles.h"

namespace {

const char* const windowCaption = "Zelk - a somali game";

void fillBackground() {
    boxRGBA(screen, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT,
            static_cast<Uint8>(IConfig.backgroundRed & 0xFF),
            static_cast<Uint8>(IConfig.backgroundGreen & 0xFF),
            static_cast<Uint8>(IConfig.backgroundBlue & 0xFF), 255);
}

void saveScreenshotWhileHeld() {
    Uint8* keys = SDL_GetKeyState(nullptr);
    if (keys && keys[SDLK_s]) SDL_SaveBMP(screen, userDataFile("mainscreenshot.bmp").c_str());
}

}  // namespace

int startUp() {
    ILog.Init(1);
    ILog.log(3, "Let us go!");
    IConfig.Init();
    IMessage.Init();
    useLanguage(IConfig.language);
    state = STATE_STARTING;
    stateBeforeKeyboard = STATE_STARTING;
    quit = false;
    installFlowHooks();

    // No timer subsystem: nothing uses callback timers, and its thread
    // wakes every millisecond, which alone cost about 3 % of a core while
    // the game waited. Ticks and delays work without it.
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        ILog.log(0, "Couldn't initialize SDL: %s\n", SDL_GetError());
        return 1;
    }
    timer.start();
    atexit(SDL_Quit);
    if (TTF_Init() < 0) {
        ILog.log(0, "Couldn't initialize TTF: %s\n", TTF_GetError());
        return 1;
    }
    atexit(TTF_Quit);

    setenv("SDL_VIDEO_CENTERED", "center", 1);
    SDL_WM_SetCaption(windowCaption, windowCaption);
    icon_image = SDL_LoadBMP("images/zelk.icon");
    if (icon_image)
        SDL_WM_SetIcon(icon_image, nullptr);
    else
        ILog.log(0, "ERROR opening file images/zelk.icon: %s", SDL_GetError());

    screen = openDisplay();
    if (!screen) return 1;
    fillBackground();
    splash_img = ImageLoad("images/presentation/zelkinit.png", screen, 0, 0, 0);

    font = new Font("font.ttf", 13);
    showFirstLoadingStep();
    canMakeSound = true;
    loadEverything();
    return 0;
}

void mainLoopPass() {
    Uint32 start = SDL_GetTicks();
    if (frameIsDue(boardIsAnimating())) {
        render(gamescreen, minigamescreen, screen);
        noteFrameDrawn();
    }
    signalPendingJares();
    SDL_Event event;
    while (pollFrameEvent(event)) {
        dispatchEvent(event);
        noteInput();
    }
    if (computerHoldsTheTurn()) {
        playHeldComputerTurn();
        noteInput();
    }
    quitOnTermination();
    forgetEndedGame();
    saveScreenshotWhileHeld();
    paceFrame(start);
}

void runMainLoop() {
    while (!quit) mainLoopPass();
}

void playSession() {
    readEndgameTables();  // while the loading screen shows: no frame waits for it later
    offerSavedGame();
    runMainLoop();
    keepUnfinishedGame();
}

int shutDown() {
    ILog.log(3, "Dumping if necessary the new config");
    IConfig.writeConfig();
    try {
        releaseEverything();
    } catch (...) {
        ILog.log(0, "exception done with zelk");
    }
    Mix_CloseAudio();
    TTF_Quit();
    closeDisplay();
    SDL_Quit();
    screen = nullptr;
    ILog.log(3, "bye bye! - waiting to release statically allocated memory");
    return 0;
}
