// The application's process-wide objects: the window, fonts, sounds, the
// board picture and buttons, the animated sprites, the clock and the debug
// switch. They live from start-up to shutdown.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "app/font.h"
#include "app/speedbar.h"
#include "app/timer.h"
#include "rules/flow.h"
#include "sprites/entity.h"
#include "sprites/janim.h"

extern SDL_Surface* screen;
extern SDL_Surface* icon_image;
extern SDL_Surface* splash_img;
extern SDL_Surface* menu_bg;
extern SDL_Surface* infobar_bg;
// Never created; passed along as the first two arguments of render.
extern SDL_Surface* gamescreen;
extern SDL_Surface* minigamescreen;

extern Mix_Music* music;
extern Mix_Chunk* takeSound;
extern Mix_Chunk* putItBback;
extern Mix_Chunk* putSound;
extern Mix_Chunk* jareSound;
extern Mix_Chunk* shotSound;
extern bool canMakeSound;

extern SpeedBar* speedBar;
extern Entity* emainbg;
extern Entity* ebut_redstarts;
extern Entity* ebut_greystarts;
extern Entity* ebut_readgamerules;
extern Entity* ebut_existthegame;
extern Entity* ebut_barud;
extern Entity* ebut_dradan;

const int OTHER_ENTITY_COUNT = 9;
extern Entity OtherEntities[OTHER_ENTITY_COUNT];
extern JAnimBase OtherAnimEntities[OTHER_ENTITY_COUNT];

// Pictures shared by many sprites; they belong to the application.
extern SDL_Surface* pawnLeftImage;
extern SDL_Surface* pawnLeftChosenImage;
extern SDL_Surface* pawnRightImage;
extern SDL_Surface* pawnRightChosenImage;
extern SDL_Surface* cellEmptyImage;
extern SDL_Surface* cellShadowImage;

extern int debug;
extern Timer timer;
extern Timer timerOne;
extern Timer timerTwo;

extern States stateBeforeKeyboard;
extern bool musicStarted;

const int SCREEN_WIDTH = 800;
const int SCREEN_HEIGHT = 600;
