#include "sprites/offeredlevel.h"

OfferedLevel offeredLevel(GameLevels asked) {
    switch (asked) {
        case LEVEL_DUMMY: return {LEVEL_DUMMY, ""};
        case LEVEL_BEGINNER: return {LEVEL_BEGINNER, ""};
        case LEVEL_NOVICE: return {LEVEL_NOVICE, "Novice game level selected"};
        case LEVEL_EXPERT: return {LEVEL_EXPERT, "Expert game level selected"};
    }
    return {LEVEL_BEGINNER, ""};
}
