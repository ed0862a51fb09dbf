#include "app/sounds.h"

#include <SDL/SDL_mixer.h>

#include "app/globals.h"
#include "settings/log.h"

namespace {

long asked[GAME_SOUND_COUNT] = {};
long mixed[GAME_SOUND_COUNT] = {};

Mix_Chunk* chunkOf(GameSound sound) {
    switch (sound) {
        case SOUND_PICK_UP: return takeSound;
        case SOUND_PUT_DOWN: return putSound;
        case SOUND_PUT_BACK: return putItBback;
        case SOUND_LINE: return jareSound;
        case SOUND_REMOVAL: return shotSound;
        default: return nullptr;
    }
}

const char* const soundNames[GAME_SOUND_COUNT] = {"pick up", "put down", "put back", "line",
                                                  "removal"};

// Any free channel, so that a removal right after a line does not cut it
// short; with every channel busy the oldest sound gives way.
bool playOnSomeChannel(Mix_Chunk* chunk) {
    if (Mix_PlayChannel(-1, chunk, 0) >= 0) return true;
    int oldest = Mix_GroupOldest(-1);
    if (oldest < 0) return false;
    Mix_HaltChannel(oldest);
    return Mix_PlayChannel(oldest, chunk, 0) >= 0;
}

}  // namespace

void playGameSound(GameSound sound) {
    if (sound < 0 || sound >= GAME_SOUND_COUNT) return;
    ++asked[sound];
    Mix_Chunk* chunk = chunkOf(sound);
    if (canMakeSound && chunk && playOnSomeChannel(chunk)) ++mixed[sound];
    ILog.log(3, "sound: %s", soundNames[sound]);
}

long gameSoundsMixed(GameSound sound) {
    return sound >= 0 && sound < GAME_SOUND_COUNT ? mixed[sound] : 0;
}

long gameSoundsAsked(GameSound sound) {
    return sound >= 0 && sound < GAME_SOUND_COUNT ? asked[sound] : 0;
}
