// A playing piece: rests at its home place beside the board, stands on a
// point, hangs on the mouse pointer while carried, and glides between
// places in a time set by the glide speed (sprites/glide.h).
#pragma once

#include <SDL/SDL.h>

#include "rules/states.h"
#include "sprites/glide.h"
#include "sprites/janim.h"

class Cell;

// What a piece's glide to a point ends with (the application's sound of a
// piece put down); nothing until set.
void setLandingSound(void (*play)());

class Pawn {
public:
    Pawn();
    // `image` and `chosenImage` are shared by a side's pieces and owned by the application.
    Pawn(int x, int y, int width, int height, SDL_Surface* screen, SDL_Surface* image,
         SDL_Surface* chosenImage, int owner);
    Pawn(const Pawn&) = delete;
    Pawn& operator=(const Pawn&) = delete;

    virtual ~Pawn();
    virtual void displaySingleScreen();
    virtual bool selected();
    // One movement step.
    virtual void update();
    virtual int getX();
    virtual int getY();
    virtual int getXSpeed();
    virtual int getYSpeed();
    virtual int getWidth();
    virtual int getHeight();
    virtual int getGroundLevel();
    virtual SDL_Rect getRect();
    virtual void setX(int value);
    virtual void setY(int value);
    virtual void setWidth(int value);
    virtual void setHeight(int value);
    virtual void setGroundLevel(int value);
    virtual void setRect(SDL_Rect& value);
    virtual void setScreen(SDL_Surface* value);
    virtual void changeX(int dx);
    virtual void changeY(int dy);
    virtual void copy(const Pawn& other);
    virtual void deallocate();

    void resetState();
    void restartFromHome(int tx, int ty);
    void goFromThisToThat(int fx, int fy, int tx, int ty);
    bool arrivedDestination(int px, int py);

    int init(JAnimBase* set, SDL_Surface* screen);
    void draw();
    void clearBG();
    void updateBG();
    void ChangeImage(char* file, SDL_Surface* screen, int r, int g, int b);
    bool hits(Cell* c);

    int getHomeX() const { return homeX; }
    int getHomeY() const { return homeY; }
    int getDestX() const { return destX; }
    int getDestY() const { return destY; }
    // True while the piece glides to a point or home; or that, or is carried.
    bool glides() const { return state == PAWN_TRAVELLING || state == PAWN_RETURNING; }
    bool isMoving() const { return glides() || state == PAWN_PICKED; }

    int state = PAWN_IDLE;
    float posX = 0, posY = 0;
    float frameSpeed = 1.0f;
    int currentFrame = 0;
    bool visible = true;
    int owner = 0;
    int cell = -1;
    int pendingJare = -1;

private:
    // Moves along the glide toward (tx, ty), starting one when the target
    // changed; true once there.
    bool stepToward(int tx, int ty);
    void releaseAll();

    int width = 0, height = 0;
    int groundLevel = 0;
    int x = 0, y = 0;
    int homeX = 0, homeY = 0;
    int destX = 0, destY = 0;
    int xSpeed = 0, ySpeed = 0;
    SDL_Surface* screen = nullptr;
    SDL_Rect rect = {0, 0, 0, 0};
    SDL_Surface* image = nullptr;
    SDL_Surface* chosenImage = nullptr;
    int animated = 0;
    float savedX = 0, savedY = 0;
    int bgSaved = 0;
    Uint32 lastFrameTicks = 0;
    JAnimBase* anim = nullptr;
    SDL_Surface* background = nullptr;
    bool ownsFrames = false;
    SDL_Surface* ownImage = nullptr;  // a picture loaded by ChangeImage
    Glide glide;
};
