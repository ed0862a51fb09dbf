#include "bot/game.h"

#include <cstdio>

#include "bot/stronglevels.h"

const char* const gameLevelNames[4] = {"Dummy", "Beginner", "Novice", "Expert"};

Game::Game() {
    message[0] = '\0';
}

Game::~Game() {
    deAllocateInternals();
}

void Game::deAllocateInternals() {
    mineCells.release();
    yoursCells.release();
    freeCells.release();
    resetCounters();
}

void Game::resetCounters() {
    mineCells.clear();
    yoursCells.clear();
    freeCells.clear();
    gameOpened = false;
}

int Game::getCurrentWeigth() { return currentWeight; }
void Game::setGameLevel(GameLevels level) { gameLevel = level; }
GameLevels Game::getGameLevel() { return gameLevel; }

const char* Game::getGameLevelName() {
    int level = gameLevel;
    return level >= 0 && level <= 3 ? gameLevelNames[level] : gameLevelNames[0];
}

void Game::setMessage(const char* text) {
    snprintf(message, sizeof message, "%s", text ? text : "");
}

char* Game::getMessage() { return message; }
void Game::addFree(int cell) { freeCells.add(cell); }
void Game::addMine(int cell) { mineCells.add(cell); }
void Game::addYours(int cell) { yoursCells.add(cell); }
void Game::setPlayerId(int id) { playerId = id; }
void Game::setOpponetId(int id) { opponentId = id; }
int Game::getPlayerId() { return playerId; }
int Game::getOpponetId() { return opponentId; }
int Game::getOtherPlayerId(int id) { return id != opponentId ? opponentId : playerId; }
bool Game::isFirstJareGot() { return firstJareDone; }
void Game::firstJareGot(bool done) { firstJareDone = done; }
bool Game::isGameOpened() { return gameOpened; }
void Game::setGameOpened() { gameOpened = true; }
void Game::calculateWeight() {}

StrongLevels& Game::strongLevels() {
    if (!strong) strong = std::make_unique<StrongLevels>();
    return *strong;
}

void Game::newGame() {
    if (strong) strong->newGame();
}
