#include "app/resources.h"

#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_image.h>

#include <cstdlib>
#include <ctime>

#include "app/display.h"
#include "app/globals.h"
#include "app/textplaces.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "settings/catalogue.h"
#include "settings/config.h"
#include "settings/log.h"
#include "sprites/pawn.h"
#include "sprites/player.h"

namespace {

Uint8 lowByte(int value) {
    return static_cast<Uint8>(value & 0xFF);
}

// A picture shared by many sprites: keyed white, left in its own format.
SDL_Surface* loadSharedPicture(const char* file) {
    return sprite_frames::loadKeyed(file, screen, 255, 255, 255);
}

Mix_Chunk* loadSound(const char* file) {
    Mix_Chunk* chunk = Mix_LoadWAV(file);
    if (!chunk) ILog.log(1, "Unable to open sound %s: %s", file, Mix_GetError());
    return chunk;
}

template <typename T>
void deleteAndClear(T*& object) {
    delete object;
    object = nullptr;
}

void freeSurface(SDL_Surface*& surface) {
    if (surface) SDL_FreeSurface(surface);
    surface = nullptr;
}

void freeChunk(Mix_Chunk*& chunk) {
    if (chunk) Mix_FreeChunk(chunk);
    chunk = nullptr;
}

void buildPieces() {
    pawnLeftImage = loadSharedPicture("images/pawns/left/0.png");
    pawnLeftChosenImage = loadSharedPicture("images/pawns/left/chosen.png");
    pawnRightImage = loadSharedPicture("images/pawns/right/0.png");
    pawnRightChosenImage = loadSharedPicture("images/pawns/right/chosen.png");
    for (int column = 0; column < 2; ++column) {
        for (int k = 0; k < 6; ++k) {
            int y = 102 + 60 * k;
            en_pawn[6 * column + k] = new Pawn(column == 0 ? 12 : 67, y, 50, 50, screen,
                                               pawnLeftImage, pawnLeftChosenImage, 1);
            en_pawn[12 + 6 * column + k] = new Pawn(column == 0 ? 662 : 712, y, 50, 50, screen,
                                                    pawnRightImage, pawnRightChosenImage, 2);
        }
    }
}

void buildCell(int index) {
    en_cell[index] = new Cell(cellPlaces[index][0], cellPlaces[index][1], 50, 50, screen,
                              cellEmptyImage, cellShadowImage);
}

void buildCells(std::initializer_list<int> indices) {
    for (int index : indices) buildCell(index);
}

void buildAnimation(int index, const char* dir, int x, int y, int width, int height) {
    OtherAnimEntities[index].init(dir);
    Entity& sprite = OtherEntities[index];
    sprite.init(&OtherAnimEntities[index], screen);
    sprite.setX(x);
    sprite.setY(y);
    sprite.posX = static_cast<float>(x);
    sprite.posY = static_cast<float>(y);
    sprite.setWidth(width);
    sprite.setHeight(height);
    sprite.visible = false;
}

iPlayer* buildPlayer(int x, const char* picture, int id, const std::string& name,
                     const std::string& kind) {
    return new iPlayer(x, 490, 64, 97, picture, screen, id, name.c_str(),
                       kind == "COMPUTER" ? COMPUTER : HUMAN);
}

}  // namespace

void UploadBarDisplay(int percent, SDL_Surface* dst, char* text) {
    boxRGBA(dst, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, lowByte(IConfig.backgroundRed),
            lowByte(IConfig.backgroundGreen), lowByte(IConfig.backgroundBlue), 255);
    if (splash_img) {
        SDL_Rect place = {200, 80, 0, 0};
        SDL_BlitSurface(splash_img, nullptr, dst, &place);
        const SDL_Color cream = {248, 236, 210, 255}, shade = {10, 6, 16, 255};
        drawShadowedText(dst, tr("a Somali board game"), placeBox("splash.title"), cream, shade);
        drawShadowedText(dst, tr("two players \xC2\xB7 twelve stones each \xC2\xB7 make a jare"),
                         placeBox("splash.footer"), cream, {60, 30, 14, 255});
    }
    boxRGBA(dst, 200, 580, static_cast<Sint16>(574 + percent), 600, 255, 0, 0, 255);
    drawText(dst, tr(text), placeBox("loading"), {255, 255, 255, 255});
    presentFrame();
}

void UploadBarDisplay(int percent, SDL_Surface* dst, const char* text) {
    UploadBarDisplay(percent, dst, const_cast<char*>(text));
}

SDL_Surface* ImageLoad(char* file, SDL_Surface* target, int r, int g, int b) {
    SDL_Surface* loaded = IMG_Load(file);
    if (!loaded) {
        ILog.log(0, "Error: opening the file: %s %s\n", file, IMG_GetError());
        return nullptr;
    }
    if (r > 0 && target)
        SDL_SetColorKey(loaded, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                        SDL_MapRGB(target->format, static_cast<Uint8>(r), static_cast<Uint8>(g),
                                   static_cast<Uint8>(b)));
    SDL_Surface* converted = SDL_DisplayFormatAlpha(loaded);
    SDL_FreeSurface(loaded);
    return converted;
}

SDL_Surface* ImageLoad(const char* file, SDL_Surface* target, int r, int g, int b) {
    return ImageLoad(const_cast<char*>(file), target, r, g, b);
}

SDL_Surface* ImageLoad(const char* file, SDL_Surface* target) {
    return ImageLoad(file, target, 255, 255, 255);
}

void showFirstLoadingStep() {
    UploadBarDisplay(1, screen, "Uploading font ...");
}

void loadEverything() {
    fontBig = new Font("font.ttf", 18);
    fontHuge = new Font("font.ttf", 46);
    srand(static_cast<unsigned>(time(nullptr)));
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        ILog.log(0, "Unable to open audio! : but we can still do the game%s\n", Mix_GetError());
        canMakeSound = false;
    }

    UploadBarDisplay(2, screen, "Uploading sound");
    if (canMakeSound) {
        takeSound = loadSound("audio/move_from.wav");
        putItBback = loadSound("audio/put_it_back.wav");
        putSound = loadSound("audio/move_to.wav");
        jareSound = loadSound("audio/jare.wav");
        shotSound = loadSound("audio/remove_opponent.wav");

        UploadBarDisplay(3, screen, "uploading background skin");
        music = Mix_LoadMUS("audio/background.xm");
        if (!music) ILog.log(1, "Unable to open background sound! : %s\n", Mix_GetError());
    }

    UploadBarDisplay(5, screen, "uploading background images");
    menu_bg = ImageLoad("images/background/yellowbackformenu.png", screen);
    infobar_bg = ImageLoad("images/background/whitebackforinfobar.png", screen, 0, 0, 0);

    UploadBarDisplay(12, screen, "Uploading user interface definitions");
    speedBar = new SpeedBar(screen);
    emainbg = new Entity(0, 0, 600, 600, "images/background/zelkboard.png", screen);
    emainbg->ChangeImage("images/background/zelkboard.png", screen, 0, 0, 0);

    UploadBarDisplay(15, screen, "Uploading menus and other UI text");
    ebut_redstarts = new Entity(228, 499, 65, 75, "images/menu/menuleftstarts.png", screen);
    ebut_redstarts->setCaption("Left");
    ebut_barud = new Entity(228, 499, 65, 75, "images/menu/barud.png", screen);
    UploadBarDisplay(17, screen, "Uploading additional images");
    ebut_readgamerules = new Entity(308, 499, 65, 75, "images/menu/menureadrules.png", screen);
    ebut_readgamerules->setCaption("Rules");
    UploadBarDisplay(19, screen, "Uploading additional images for menus");
    ebut_existthegame = new Entity(383, 499, 65, 75, "images/menu/menuquitthegame.png", screen);
    ebut_existthegame->setCaption("Exit");
    UploadBarDisplay(21, screen, "Uploading additional images for main menus");
    ebut_greystarts = new Entity(466, 499, 65, 75, "images/menu/menurightstarts.png", screen);
    ebut_greystarts->setCaption("Right");
    ebut_dradan = new Entity(466, 499, 65, 75, "images/menu/dradan.png", screen);

    UploadBarDisplay(23, screen, "Uploading pawns' images");
    buildPieces();
    UploadBarDisplay(23, screen, "Uploading additional images for empty holes");
    cellEmptyImage = loadSharedPicture("images/cells/emptycell.png");
    cellShadowImage = loadSharedPicture("images/cells/shadowcell.png");
    buildCells({0, 1, 2, 21, 22, 23});
    UploadBarDisplay(30, screen, "Building the board of the game");
    buildCells({3, 4, 5, 18, 19, 20});
    UploadBarDisplay(32, screen, "Preparing the starting up environment");
    buildCells({6, 7, 8, 15, 16, 17});
    UploadBarDisplay(37, screen, "Preparing user interface for choosing strategy");
    buildCells({9, 10, 11, 12, 13, 14});

    UploadBarDisplay(45, screen, "Uploading player one images");
    playerOne = buildPlayer(2, "images/players/left/01.png", 1, IConfig.playerOneName,
                            IConfig.playerOneType);
    UploadBarDisplay(48, screen, "Uploading second player's images");
    playerTwo = buildPlayer(730, "images/players/right/01.png", 2, IConfig.playerTwoName,
                            IConfig.playerTwoType);

    UploadBarDisplay(50, screen, "Uploading additional images for players");
    buildAnimation(0, "images/players/waiting", 222, 498, 100, 120);
    UploadBarDisplay(55, screen, "Uploading emoction images");
    buildAnimation(2, "images/players/waiting", 464, 496, 100, 120);
    UploadBarDisplay(58, screen, "Uploading expression images");
    buildAnimation(1, "images/pawns/left/moving", 230, 500, 100, 120);
    UploadBarDisplay(60, screen, "Uploading feelings");
    buildAnimation(3, "images/pawns/right/moving", 468, 500, 100, 120);
    UploadBarDisplay(62, screen, "Uploading feeling additional images");
    UploadBarDisplay(66, screen, "Uploading expression images");
    buildAnimation(4, "images/pawns/left/killing", 230, 500, 100, 120);
    UploadBarDisplay(68, screen, "Uploading feelings");
    buildAnimation(5, "images/pawns/right/killing", 468, 500, 100, 120);
    UploadBarDisplay(70, screen, "Uploading feeling additional images");
    buildAnimation(6, "images/config/speedup", 205, 380, 14, 14);
    UploadBarDisplay(74, screen, "Uploading additional configurations");
    buildAnimation(7, "images/config/speeddown", 205, 499, 14, 14);

    UploadBarDisplay(90, screen, "Uploading almost done!");
    ILog.log(3, "Done with display of the board!");

    UploadBarDisplay(100, screen, ".... let us now enjoy playing zelk.");
    musicStarted = false;
    iGame = new Game();
    int level = IConfig.gameLevel;
    iGame->setGameLevel(level >= 0 && level <= 3 ? static_cast<GameLevels>(level) : LEVEL_DUMMY);
}

void releaseEverything() {
    deleteAndClear(iGame);
    if (canMakeSound) {
        freeChunk(putItBback);
        freeChunk(shotSound);
        freeChunk(takeSound);
        freeChunk(putSound);
        freeChunk(jareSound);
        if (music) Mix_FreeMusic(music);
        music = nullptr;
    }
    freeSurface(menu_bg);
    freeSurface(infobar_bg);
    freeSurface(splash_img);
    releaseTextFonts();
    deleteAndClear(font);
    deleteAndClear(fontBig);
    deleteAndClear(fontHuge);
    freeSurface(pawnLeftImage);
    freeSurface(pawnLeftChosenImage);
    freeSurface(pawnRightImage);
    freeSurface(pawnRightChosenImage);
    for (Pawn*& pawn : en_pawn) deleteAndClear(pawn);
    freeSurface(cellEmptyImage);
    freeSurface(cellShadowImage);
    for (Cell*& cell : en_cell) deleteAndClear(cell);
    currentPlayer = nullptr;
    deleteAndClear(playerOne);
    deleteAndClear(playerTwo);
    deleteAndClear(ebut_greystarts);
    deleteAndClear(ebut_redstarts);
    deleteAndClear(ebut_readgamerules);
    deleteAndClear(ebut_existthegame);
    deleteAndClear(ebut_barud);
    deleteAndClear(ebut_dradan);
    deleteAndClear(emainbg);
    deleteAndClear(speedBar);
    freeSurface(icon_image);
    // The animated sprites are static objects; their pictures go now, while
    // the video library still runs.
    for (int i = 0; i < OTHER_ENTITY_COUNT; ++i) {
        OtherEntities[i].deallocate();
        OtherAnimEntities[i].release();
    }
}
