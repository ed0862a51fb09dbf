// The computer opponent's engine: a snapshot of the board from the side of
// the player to act (its points, the other side's points, the free points),
// the playing level, and the choice of a placement, a move or a piece to
// remove by ordered tactical searches.
#pragma once

#include <memory>

#include "bot/celllist.h"

class StrongLevels;

// Fixed to int: a level read from outside may hold any value, and the
// decisions answer such a value with their "never" line.
enum GameLevels : int { LEVEL_DUMMY = 0, LEVEL_BEGINNER = 1, LEVEL_NOVICE = 2, LEVEL_EXPERT = 3 };

extern const char* const gameLevelNames[4];

class Game {
public:
    static const int messageSize = 256;

    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    virtual ~Game();
    virtual void deAllocateInternals();
    virtual void resetCounters();
    virtual bool getBestChoice(int* cell);
    virtual bool getBestToKill(int* cell);
    virtual bool getBestMove(int* from, int* to);
    virtual int getCurrentWeigth();
    virtual void setGameLevel(GameLevels level);
    virtual GameLevels getGameLevel();
    virtual const char* getGameLevelName();
    virtual void setMessage(const char* text);
    virtual char* getMessage();
    virtual void addFree(int cell);
    virtual void addMine(int cell);
    virtual void addYours(int cell);
    virtual void setPlayerId(int id);
    virtual void setOpponetId(int id);
    virtual int getPlayerId();
    virtual int getOpponetId();
    virtual int getOtherPlayerId(int id);
    virtual bool isFirstJareGot();
    virtual void firstJareGot(bool done);
    virtual int botGetBestChoice();
    virtual bool isGameOpened();
    virtual void setGameOpened();
    virtual int getRandomHis();
    virtual int getRandomMine();
    virtual int getRandomFree();
    virtual int getRandomMoveTo(int from);
    virtual int getActiveTris(int player);
    virtual int getSureTris(int player, bool sure);
    virtual int killAndGetIrmaan(int player, bool flag);
    virtual int killAndGetSureTris(int player, bool sure);
    virtual int killAndBlockSureTris(int player, bool irmaan);
    virtual bool moveAndGetSureTris(int player, bool irmaan, int* from, int* to, bool prepare);
    virtual void calculateWeight();
    virtual int buildAfarrey(int player, bool aroundOpponent);

    const CellList& getMineCells() const { return mineCells; }
    const CellList& getYoursCells() const { return yoursCells; }
    const CellList& getFreeCells() const { return freeCells; }
    int getMineCount() const { return mineCells.count; }
    int getYoursCount() const { return yoursCells.count; }
    int getFreeCount() const { return freeCells.count; }

    // The Novice and Expert levels of this engine, made when first needed.
    StrongLevels& strongLevels();
    // A new game begins: the strong levels forget the last one.
    void newGame();

private:
    char message[messageSize];
    CellList mineCells;
    CellList yoursCells;
    CellList freeCells;
    int playerId = 0;
    int opponentId = 0;
    int currentWeight = 0;
    GameLevels gameLevel = LEVEL_DUMMY;
    bool firstJareDone = false;
    bool gameOpened = false;
    std::unique_ptr<StrongLevels> strong;
};

// Takes the snapshot for the player now to act.
void analyzeGame();
