// The game's five sound effects, each a short mono signal.
#pragma once

#include "dsp.hpp"

#include <string>
#include <vector>

namespace snd {

struct Effect {
    std::string file;  // under audio/
    Signal signal;
};

Signal pickUpTok();      // move_from.wav: a stone lifted, a crisp high wooden tok (~80 ms)
Signal putBackKnock();   // put_it_back.wav: a lower, softer knock (~100 ms)
Signal setDownClack();   // move_to.wav: a stone set down on its point (~120 ms)
Signal jareChime();      // jare.wav: three bright rising notes (~400 ms)
Signal takenThud();      // remove_opponent.wav: a dull thud with a little crackle (~250 ms)

std::vector<Effect> allEffects();

}  // namespace snd
