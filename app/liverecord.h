// The record of the game under way, kept action by action from the flow's
// hooks (app/flowhooks.cpp calls these): it follows take-back and play
// again, and a game that ends is added to the games file
// (records/gamesfile.h) and kept as the last finished game. A game put on
// the board by other means than playing (the `2` key, a game resumed from
// a save without its actions) has no record until the next one starts.
#pragma once

#include <string>

#include "bot/position.h"
#include "records/gamerecord.h"
#include "rules/hooks.h"

// The hooks' side: a new board, an action of player 1 or 2 (a placement
// {-1, to}, a step {from, to}, a removal {from, -1}), a position put back,
// and the end of the game with its winner.
void recordNewBoard();
void recordAction(int player, engine::Move action);
void recordReplacement(Replacement why);
void recordGameOver(int winner);

// The game under way as far as it is known; null when it is not recorded.
const records::GameReplay* liveReplay();
// Its record with the players' names and kinds and today's date.
records::GameRecord liveRecord();
// Appends the game under way, unfinished ("*"), to the games file; false
// when there is none or it could not be written.
bool keepGameUnderWay();
// The game finished last in this run; null before the first.
const records::GameReplay* lastFinishedReplay();
const records::GameRecord* lastFinishedRecord();
// A resumed game's actions, put back: false (and no record) when the
// rules refuse them or they do not lead to the position on the board.
bool adoptActions(const std::string& actionsText);
// The actions of the game under way, for a save; "" when not recorded.
std::string actionsOfLiveGame();
