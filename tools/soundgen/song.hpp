// The background music: instruments synthesised here and a short calm loop
// in D major pentatonic, written as an Extended Module.
#pragma once

#include "xm.hpp"

namespace snd {

// Instruments of the song, numbered from 1 in this order.
enum SongInstrument : uint8_t { kPluck = 1, kPad, kBass, kDrum, kShaker };

xm::Instrument pluckInstrument();
xm::Instrument padInstrument();
xm::Instrument bassInstrument();
xm::Instrument drumInstrument();
xm::Instrument shakerInstrument();

// XM note number of a name such as "C-4", "F#5" or "A-2" (49 = C-4).
uint8_t noteNumber(const char* name);

xm::Module backgroundSong();

}  // namespace snd
