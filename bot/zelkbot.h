// A scored copy of a position for the weight probe: the points given to
// each side, the free points, and a weight that is the difference of the
// two sides' counts once anything has been given.
#pragma once

#include "bot/celllist.h"

class ZelkBot {
public:
    // What a record weighs before anything in it has been counted.
    static const int freshWeight = -12;

    ZelkBot();
    ZelkBot(int playerId, int opponentId);
    ZelkBot(const ZelkBot&) = delete;
    ZelkBot& operator=(const ZelkBot&) = delete;

    virtual ~ZelkBot();
    virtual int getWeight();
    virtual void giveMeThisCell(int cell);
    virtual void giveHimThisCell(int cell);
    virtual void makeThisFreeCell(int cell);
    virtual void removeMeThisCell(int cell);
    virtual void removeHimThisCell(int cell);
    virtual void removeFreeThisCell(int cell);
    virtual bool isMyCell(int cell);
    virtual bool isYourCell(int cell);
    virtual bool isFreeCell(int cell);
    virtual void calculateWeight();
    virtual void cleanMe();
    virtual void initValues();

    int getMyCount() const { return myCells.count; }
    int getYourCount() const { return yourCells.count; }
    int getFreeCount() const { return freeCellsBot.count; }

private:
    // Each list carries its own count (myCount, yourCount, freeCountBot).
    CellList myCells;
    CellList yourCells;
    CellList freeCellsBot;
    int weight = freshWeight;
    int botPlayerId = 0;  // kept for the record; nothing reads them yet
    int botOpponentId = 0;
};

// Logs the record's weight at `depth` and at every deeper level up to 4;
// answers the weight.
int _getBotWeight(ZelkBot* bot, int depth);
