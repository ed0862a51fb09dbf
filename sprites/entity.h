// A general sprite: a still picture or a bound frame set at a place on the
// screen. Buttons, the board picture, dialog panels and animations are
// entities.
#pragma once

#include <SDL/SDL.h>

#include <string>

#include "sprites/janim.h"

class Cell;

class Entity {
public:
    Entity();
    Entity(int x, int y, int width, int height, SDL_Surface* screen);
    // Loads `file` with white as its transparent colour; logs a failure and
    // then draws nothing.
    Entity(int x, int y, int width, int height, char* file, SDL_Surface* screen);
    Entity(int x, int y, int width, int height, const char* file, SDL_Surface* screen)
        : Entity(x, y, width, height, const_cast<char*>(file), screen) {}
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    virtual ~Entity();
    virtual void displaySingleScreen();
    virtual bool selected();
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
    virtual void copy(const Entity& other);
    virtual void deallocate();

    // Binds a frame set; the entity frees its frames when destroyed.
    int init(JAnimBase* set, SDL_Surface* screen);
    void draw();
    void clearBG();
    void updateBG();
    // Replaces the picture; r > 0 keys the colour (r, g, b).
    void ChangeImage(char* file, SDL_Surface* screen, int r, int g, int b);
    void ChangeImage(const char* file, SDL_Surface* screen, int r, int g, int b) {
        ChangeImage(const_cast<char*>(file), screen, r, g, b);
    }
    bool hits(Cell* c);
    // A button's word, in English; drawn under its picture in the player's
    // language.
    void setCaption(const char* english) { caption = english ? english : ""; }

    SDL_Surface* getImage() const { return image; }
    bool hasFrames() const;

    float posX = 0, posY = 0;
    float frameSpeed = 1.0f;
    int currentFrame = 0;
    bool visible = true;

private:
    void releaseAll();

    int width = 0, height = 0;
    int groundLevel = 0;
    int x = 0, y = 0;
    int xSpeed = 0, ySpeed = 0;
    SDL_Surface* screen = nullptr;
    SDL_Rect rect = {0, 0, 0, 0};
    SDL_Surface* image = nullptr;
    int animated = 0;
    float savedX = 0, savedY = 0;
    int bgSaved = 0;
    Uint32 lastFrameTicks = 0;
    std::string caption;
    JAnimBase* anim = nullptr;
    SDL_Surface* background = nullptr;
    bool ownsFrames = false;
};

// Shared by every sprite that shows a bound frame set.
namespace sprite_frames {
// True when `set` is loaded and holds at least one frame whose first picture loaded.
bool usable(const JAnimBase* set);
// Steps the current frame by elapsed time (one frame at most per call).
void step(const JAnimBase* set, int& currentFrame, Uint32& lastFrameTicks, float frameSpeed);
// Draws the current frame at the truncated position.
void blit(const JAnimBase* set, int currentFrame, float posX, float posY, SDL_Surface* screen);
// Loads a picture with (r, g, b) as its transparent colour; logs a failure.
SDL_Surface* loadKeyed(const char* file, SDL_Surface* screen, Uint8 r, Uint8 g, Uint8 b);
// Frees the frame pictures of `set`.
void freeFrames(JAnimBase* set);
}  // namespace sprite_frames
