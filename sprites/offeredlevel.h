// The computer levels the settings screen offers, each with the notice its
// level line shows; the screen ticks, stores and plays what this answers.
#pragma once

#include "bot/game.h"

struct OfferedLevel {
    GameLevels level;
    const char* notice;  // "" when the level asked for is the one given
};

OfferedLevel offeredLevel(GameLevels asked);
