// Every process-wide object of the program is defined here, in one
// translation unit, so that they are constructed in this order (and
// destroyed in the reverse one): the three clock handles, the message
// catalogue, the log, the configuration, the game record, the animated
// sprites.
#include "app/globals.h"

#include "settings/config.h"
#include "settings/log.h"
#include "settings/message.h"
#include "upload/record.h"

Timer timer;
Timer timerOne;
Timer timerTwo;
iMessage IMessage;
iLog ILog;
iConfig IConfig;
std::stringstream gameToPost;
Entity OtherEntities[OTHER_ENTITY_COUNT];
JAnimBase OtherAnimEntities[OTHER_ENTITY_COUNT];

SDL_Surface* screen = nullptr;
SDL_Surface* icon_image = nullptr;
SDL_Surface* splash_img = nullptr;
SDL_Surface* menu_bg = nullptr;
SDL_Surface* infobar_bg = nullptr;
SDL_Surface* gamescreen = nullptr;
SDL_Surface* minigamescreen = nullptr;

Font* font = nullptr;
Font* fontBig = nullptr;
Font* fontHuge = nullptr;

Mix_Music* music = nullptr;
Mix_Chunk* takeSound = nullptr;
Mix_Chunk* putItBback = nullptr;
Mix_Chunk* putSound = nullptr;
Mix_Chunk* jareSound = nullptr;
Mix_Chunk* shotSound = nullptr;
bool canMakeSound = true;

SpeedBar* speedBar = nullptr;
Entity* emainbg = nullptr;
Entity* ebut_redstarts = nullptr;
Entity* ebut_greystarts = nullptr;
Entity* ebut_readgamerules = nullptr;
Entity* ebut_existthegame = nullptr;
Entity* ebut_barud = nullptr;
Entity* ebut_dradan = nullptr;

SDL_Surface* pawnLeftImage = nullptr;
SDL_Surface* pawnLeftChosenImage = nullptr;
SDL_Surface* pawnRightImage = nullptr;
SDL_Surface* pawnRightChosenImage = nullptr;
SDL_Surface* cellEmptyImage = nullptr;
SDL_Surface* cellShadowImage = nullptr;

int debug = 0;
States stateBeforeKeyboard = STATE_STARTING;
bool musicStarted = false;
