// RIFF/WAVE writer: 16-bit PCM, mono, 44100 Hz.
#pragma once

#include "dsp.hpp"

#include <string>

namespace snd {

// Writes `s` (clipped to -1..1) to `path`, creating parent directories. Throws on failure.
void writeWav(const Signal& s, const std::string& path);

}  // namespace snd
