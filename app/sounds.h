// The five game sounds at their moments: a piece picked up, put down, put
// back, a line of three made, a piece removed. Silent without audio; every
// sound asked for is counted, so tests can tell that it was played.
#pragma once

enum GameSound {
    SOUND_PICK_UP = 0,
    SOUND_PUT_DOWN,
    SOUND_PUT_BACK,
    SOUND_LINE,
    SOUND_REMOVAL,
    GAME_SOUND_COUNT
};

void playGameSound(GameSound sound);

// How often `sound` went to the mixer, and how often it was asked for at all.
long gameSoundsMixed(GameSound sound);
long gameSoundsAsked(GameSound sound);
