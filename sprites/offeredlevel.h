// The computer levels the settings screen offers. A level that is not ready
// to play yet is answered with the one that stands in for it and a notice
// saying so; the screen ticks, stores and plays what this answers.
#pragma once

#include "bot/game.h"

struct OfferedLevel {
    GameLevels level;
    const char* notice;  // "" when the level asked for is the one given
};

OfferedLevel offeredLevel(GameLevels asked);
