// Sound effects, built from decaying partials (the ringing of the wood or
// the metal) and filtered noise (the contact itself). Every one starts and
// ends at silence: partials start at zero phase, noise rises over a
// fraction of a millisecond, and the tail is faded out.
#include "effects.hpp"

namespace snd {

namespace {

// Filtered noise burst mixed into `out` at `start`.
void addContact(Signal& out, int start, uint32_t seed, double amplitude, double attack, double decay,
                double centre, double q) {
    Signal burst(out.size() - size_t(start), 0.0f);
    Noise noise(seed);
    addNoiseBurst(burst, 0, noise, amplitude, attack, decay);
    bandPass(burst, centre, q);
    mixInto(out, burst, start, 1.0);
}

Signal finished(Signal s, double peak, double fadeOutMs) {
    highPass(s, 40.0);  // no offset or rumble
    fadeEdges(s, 0.5, fadeOutMs);
    normalise(s, peak);
    return s;
}

}  // namespace

Signal pickUpTok() {
    Signal s(size_t(samplesFor(0.080)), 0.0f);
    addModes(s, 0, {{1180, 1.0, 0.013}, {2710, 0.45, 0.008}, {4420, 0.22, 0.004}});
    addContact(s, 0, 17u, 2.2, 0.0003, 0.0025, 3200, 1.2);
    return finished(s, 0.85, 14);
}

Signal putBackKnock() {
    Signal s(size_t(samplesFor(0.100)), 0.0f);
    addModes(s, 0, {{410, 1.0, 0.024}, {960, 0.4, 0.013}, {1730, 0.16, 0.007}});
    addContact(s, 0, 23u, 1.4, 0.0012, 0.005, 1300, 0.9);
    lowPass(s, 4000);
    return finished(s, 0.5, 18);
}

Signal setDownClack() {
    Signal s(size_t(samplesFor(0.120)), 0.0f);
    // Stone on wood: the stone's own ring above the board's low body.
    addModes(s, 0, {{690, 1.0, 0.020}, {1630, 0.55, 0.011}, {3150, 0.28, 0.006}, {185, 0.35, 0.030}});
    addContact(s, 0, 29u, 2.0, 0.0004, 0.003, 2400, 1.0);
    // A small bounce just after.
    const int bounce = samplesFor(0.036);
    addModes(s, bounce, {{690, 0.28, 0.012}, {1630, 0.16, 0.007}});
    addContact(s, bounce, 31u, 0.6, 0.0004, 0.002, 2400, 1.0);
    return finished(s, 0.8, 20);
}

Signal jareChime() {
    Signal s(size_t(samplesFor(0.400)), 0.0f);
    // A major triad rising: A5, C#6, E6, each a small bell.
    const double notes[] = {880.0, 1108.73, 1318.51};
    for (int k = 0; k < 3; ++k) {
        double f = notes[k];
        double gain = 1.0 - 0.1 * k;
        addModes(s, samplesFor(0.060 * k),
                 {{f, 1.0 * gain, 0.16}, {f * 2.76, 0.32 * gain, 0.06}, {f * 5.40, 0.12 * gain, 0.03},
                  {f * 8.93, 0.05 * gain, 0.015}});
    }
    return finished(s, 0.75, 90);
}

Signal takenThud() {
    Signal s(size_t(samplesFor(0.250)), 0.0f);
    addSweptSine(s, 0, 160, 52, 0.035, 1.0, 0.075);
    Signal body(s.size(), 0.0f);
    Noise noise(37u);
    addNoiseBurst(body, 0, noise, 0.7, 0.001, 0.022);
    lowPass(body, 900);
    lowPass(body, 900);
    mixInto(s, body, 0, 1.0);
    // The stone cracking: a few small sharp ticks.
    const double ticks[] = {0.004, 0.017, 0.031, 0.052};
    for (int k = 0; k < 4; ++k)
        addContact(s, samplesFor(ticks[k]), 41u + k, 0.5 - 0.08 * k, 0.0002, 0.0015, 3600 + 300 * k, 2.0);
    return finished(s, 0.9, 40);
}

std::vector<Effect> allEffects() {
    return {
        {"move_from.wav", pickUpTok()},   {"put_it_back.wav", putBackKnock()},
        {"move_to.wav", setDownClack()},  {"jare.wav", jareChime()},
        {"remove_opponent.wav", takenThud()},
    };
}

}  // namespace snd
