// Placeholder bodies while the engine's searches are written; this file goes
// away when they land.
#include "bot/game.h"

bool Game::getBestChoice(int*) { return false; }
bool Game::getBestToKill(int*) { return false; }
bool Game::getBestMove(int*, int*) { return false; }
int Game::botGetBestChoice() { return -1; }
int Game::getRandomHis() { return -1; }
int Game::getRandomMine() { return -1; }
int Game::getRandomFree() { return -1; }
int Game::getRandomMoveTo(int) { return -1; }
int Game::getActiveTris(int) { return -1; }
int Game::getSureTris(int, bool) { return -1; }
int Game::killAndGetIrmaan(int, bool) { return -1; }
int Game::killAndGetSureTris(int, bool) { return -1; }
int Game::killAndBlockSureTris(int, bool) { return -1; }
bool Game::moveAndGetSureTris(int, bool, int*, int*, bool) { return false; }
int Game::buildAfarrey(int, bool) { return -1; }
void analyzeGame() {}
