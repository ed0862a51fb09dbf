// Small signal toolkit for the game's sounds: mono float buffers at 44100 Hz,
// oscillators, noise, a few filters, envelopes and the finishing steps that
// keep every sound free of clicks.
#pragma once

#include <cstdint>
#include <vector>

namespace snd {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<float>;

inline int samplesFor(double seconds) { return int(seconds * kRate + 0.5); }

// Deterministic white noise in -1..1 (xorshift), so every build sounds the same.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
    float next();

private:
    uint32_t state_;
};

// A decaying sine partial: amplitude * exp(-t / decay) * sin(2 pi f t + phase).
struct Partial {
    double freq;
    double amplitude;
    double decay;  // seconds to fall to 1/e
};

// Sum of decaying partials, the usual model of a struck wooden or metal body.
void addModes(Signal& out, int start, const std::vector<Partial>& partials);

// Sine whose frequency glides exponentially from f0 to f1 with time constant tau,
// amplitude decaying with `decay` (seconds to 1/e).
void addSweptSine(Signal& out, int start, double f0, double f1, double tau, double amplitude, double decay);

// Noise burst shaped by a fast attack and exponential decay.
void addNoiseBurst(Signal& out, int start, Noise& noise, double amplitude, double attack, double decay);

// One-pole filters and a resonant band-pass (biquad), run in place.
void lowPass(Signal& s, double cutoff);
void highPass(Signal& s, double cutoff);
void bandPass(Signal& s, double centre, double q);

// Karplus-Strong plucked string at `freq`, `seconds` long; `brightness` 0..1
// sets how much of the pluck's high end survives.
Signal pluckedString(double freq, double seconds, double brightness, uint32_t seed);

// Raised-cosine fades over the first and last milliseconds.
void fadeEdges(Signal& s, double fadeInMs, double fadeOutMs);
// Scales so the largest magnitude is `peak`.
void normalise(Signal& s, double peak);
// Mixes `src` into `dst` at `start`, growing `dst` if needed.
void mixInto(Signal& dst, const Signal& src, int start, double gain);

float peakOf(const Signal& s);

// 16-bit PCM conversion with rounding and clipping.
std::vector<int16_t> toPcm16(const Signal& s);

}  // namespace snd
