#include "sprites/offeredlevel.h"

OfferedLevel offeredLevel(GameLevels asked) {
    switch (asked) {
        case LEVEL_DUMMY: return {LEVEL_DUMMY, ""};
        case LEVEL_BEGINNER: return {LEVEL_BEGINNER, ""};
        // Novice and Expert have no searches of their own yet.
        case LEVEL_NOVICE:
            return {LEVEL_BEGINNER, "Novice game level not yet available. Beginner will be used"};
        case LEVEL_EXPERT:
            return {LEVEL_BEGINNER, "Expert game level not yet available. Beginner will be used"};
    }
    return {LEVEL_BEGINNER, ""};
}
