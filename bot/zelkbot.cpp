#include "bot/zelkbot.h"

#include "settings/log.h"

ZelkBot::ZelkBot() {}

ZelkBot::ZelkBot(int playerId, int opponentId)
    : botPlayerId(playerId), botOpponentId(opponentId) {}

ZelkBot::~ZelkBot() {
    cleanMe();
}

int ZelkBot::getWeight() { return weight; }

void ZelkBot::giveMeThisCell(int cell) {
    myCells.add(cell);
    removeFreeThisCell(cell);
    calculateWeight();
}

void ZelkBot::giveHimThisCell(int cell) {
    yourCells.add(cell);
    removeFreeThisCell(cell);
    calculateWeight();
}

void ZelkBot::makeThisFreeCell(int cell) {
    freeCellsBot.add(cell);
    calculateWeight();
}

void ZelkBot::removeMeThisCell(int cell) {
    if (!isMyCell(cell)) {
        ILog.log(0, "%s", "This should never happen! - removing from mine not my cell");
        return;
    }
    myCells.remove(cell);
    makeThisFreeCell(cell);
    calculateWeight();
}

void ZelkBot::removeHimThisCell(int cell) {
    if (!isYourCell(cell)) {
        ILog.log(0, "%s", "This should never happen! - removing from yours not your cell");
        return;
    }
    yourCells.remove(cell);
    makeThisFreeCell(cell);
    calculateWeight();
}

void ZelkBot::removeFreeThisCell(int cell) {
    if (!isFreeCell(cell)) {
        ILog.log(0, "%s", "This should never happen! - removing from free a non free cell");
        return;
    }
    freeCellsBot.remove(cell);
    calculateWeight();
}

bool ZelkBot::isMyCell(int cell) { return myCells.contains(cell); }
bool ZelkBot::isYourCell(int cell) { return yourCells.contains(cell); }
bool ZelkBot::isFreeCell(int cell) { return freeCellsBot.contains(cell); }

void ZelkBot::calculateWeight() {
    weight = myCells.count - yourCells.count;
}

void ZelkBot::cleanMe() {
    myCells.release();
    yourCells.release();
    freeCellsBot.release();
}

void ZelkBot::initValues() {
    cleanMe();
    weight = freshWeight;
}

int _getBotWeight(ZelkBot* bot, int depth) {
    ILog.log(0, "Running level %d and the weight is %d", depth, bot->getWeight());
    if (depth < 4) _getBotWeight(bot, depth + 1);
    return bot->getWeight();
}
