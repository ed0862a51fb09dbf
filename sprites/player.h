// One of the two players: the avatar beside the board and the player's
// identity and turn bookkeeping (state, kind, name, status line, the piece
// in hand, pieces on the board).
#pragma once

#include <SDL/SDL.h>

#include "rules/states.h"

class Cell;

// Facing of the avatar; kept for the accessors only.
enum Directions { DIRECTION_NONE = 0, DIRECTION_UP, DIRECTION_DOWN, DIRECTION_LEFT, DIRECTION_RIGHT };

class iPlayer {
public:
    static const int textSize = 100;  // bytes of `name` and `status`

    iPlayer();
    iPlayer(int x, int y, int width, int height, char* imageFile, SDL_Surface* screen, int id,
            char* name, PlayerTypes type);
    iPlayer(int x, int y, int width, int height, const char* imageFile, SDL_Surface* screen,
            int id, const char* name, PlayerTypes type)
        : iPlayer(x, y, width, height, const_cast<char*>(imageFile), screen, id,
                  const_cast<char*>(name), type) {}
    iPlayer(const iPlayer&) = delete;
    iPlayer& operator=(const iPlayer&) = delete;

    virtual ~iPlayer();
    // Draws the avatar and sets the status line from the state; while the
    // other player is to act in a game it says the player waits.
    virtual void displaySingleScreen();
    virtual bool selected();
    virtual void Teletransport();
    virtual void toTelePoint(int tx, int ty);
    virtual int getX();
    virtual int getY();
    virtual int getXSpeed();
    virtual int getYSpeed();
    virtual int getWidth();
    virtual int getHeight();
    virtual int getGroundLevel();
    virtual SDL_Rect getRect();
    virtual PlayerStates getState();
    virtual Directions getLeftRight();
    virtual Directions getUpDown();
    virtual int getCounter();
    virtual void resetCounter();
    virtual void setX(int value);
    virtual void setY(int value);
    virtual void setWidth(int value);
    virtual void setHeight(int value);
    virtual void setGroundLevel(int value);
    virtual void setRect(SDL_Rect& value);
    virtual void setState(PlayerStates s);
    virtual void setLeftRight(Directions d);
    virtual void setUpDown(Directions d);
    virtual void changeX(int dx);
    virtual void changeY(int dy);
    // Replaces the avatar without freeing the old one (the caller owns it).
    virtual void changeImage(SDL_Surface* newImage);
    virtual bool hits(Cell* c);
    virtual void resetState();
    virtual bool isChoosing();
    virtual bool isMovingFrom();
    virtual bool isMovingTo();
    virtual bool isHitting();
    virtual bool IsWaiting();
    virtual bool IsComputer();
    virtual bool IsHuman();
    virtual bool hasOpenedTheGame();
    virtual void setOpenedTheGame(bool opened);
    virtual void setMovingFrom(int cell);
    virtual int getMovingFrom();
    virtual void copy(const iPlayer& other);
    virtual void deallocate();

    // Copies `text` into the status line, cut to fit.
    void setStatus(const char* text);
    // A message that stays in the status line, over the state's text, until
    // the player's next action releases it.
    void showMessage(const char* text);
    void releaseMessage() { messageHeld = false; }
    bool holdsMessage() const { return messageHeld; }
    void setName(const char* text);
    int getRadius() const { return radius; }
    void setRadius(int value) { radius = value; }

    PlayerTypes type = HUMAN;
    char name[textSize] = "Tavi";
    char status[textSize] = "";
    int id = 0;
    int currentPawn = -1;
    int pawnsOnBoard = 0;

private:
    int width = 0, height = 0;
    int groundLevel = 0;
    int x = 0, y = 0;
    int teleX = 0, teleY = 0;
    int radius = 0;
    int counter = 0;
    int xSpeed = 0, ySpeed = 0;
    Directions upDown = DIRECTION_NONE, leftRight = DIRECTION_NONE;
    SDL_Surface* screen = nullptr;
    SDL_Rect rect = {0, 0, 0, 0};
    SDL_Surface* image = nullptr;
    SDL_Surface* ownImage = nullptr;  // the avatar loaded by the constructor
    PlayerStates state = WAITING;
    int movingFrom = 0;
    bool openedTheGame = false;
    bool messageHeld = false;
};

// A game against the computer is in the computer's hands: its turn, or the
// glides that end a turn before the person may act.
bool computerTurnUnderWay();

// The status text shown for a player state, or null for a value outside the table.
const char* playerStateText(int state);
