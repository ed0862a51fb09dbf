// One board point: its square on the screen, its state, the piece standing
// on it, and its drawing (empty, highlighted, or the flash of a line: a
// pulsing golden glow behind the piece for FLASH_MILLISECONDS from the
// first frame that shows it).
#pragma once

#include <SDL/SDL.h>

#include "rules/board.h"

const Uint32 FLASH_MILLISECONDS = 1200;

class Cell {
public:
    Cell();
    Cell(int x, int y, int width, int height, SDL_Surface* screen, SDL_Surface* emptyImage,
         SDL_Surface* shadowImage);
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell& other);

    virtual ~Cell();
    virtual void displaySingleScreen();
    virtual bool selected();
    virtual void hit();
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
    virtual void changeX(int dx);
    virtual void changeY(int dy);
    virtual bool isOccupied();
    virtual bool isEmpty();
    virtual bool isUnderShadow();
    virtual bool showsMeUp();
    virtual void setCurrentPawn(int pawn);
    virtual int getCurrentPawn();
    virtual void resetState();
    virtual void setOldState(CellStates s);
    virtual void setState(CellStates s);
    virtual CellStates getState();
    virtual void copy(const Cell& other);
    virtual void deallocate();

    // What is left of the flash, as the radius of a disc that shrinks from
    // half the point's height to 0 over the flash.
    float getRadius() const { return radius; }

private:
    int width = 0, height = 0;
    int groundLevel = 0;
    int x = 0, y = 0;
    float radius = 0;
    int x0 = 0, y0 = 0;
    int xSpeed = 0, ySpeed = 0;
    SDL_Surface* screen = nullptr;
    SDL_Rect rect = {0, 0, 0, 0};
    SDL_Surface* emptyImage = nullptr;   // shared, owned by the application
    SDL_Surface* shadowImage = nullptr;  // shared, owned by the application
    CellStates state = CELL_EMPTY;
    CellStates oldState = CELL_EMPTY;
    int currentPawn = -1;
    bool flashStarted = false;
    Uint32 flashStart = 0;

    // Draws the flash at its time; false once it is over.
    bool drawFlash();
};
