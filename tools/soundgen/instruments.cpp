// The song's instruments. Pitched samples are tuned so that note C-4 plays
// middle C; the drum and shaker sound as recorded at C-4.
#include "dsp.hpp"
#include "song.hpp"

#include <cmath>

namespace snd {

namespace {

// Volume envelope held at full until key off, so a key off fades the note
// (with the instrument's fadeout) instead of cutting it.
xm::Envelope heldUntilKeyOff() { return xm::Envelope{{{0, 64}, {1, 64}}, 1}; }

}  // namespace

xm::Instrument pluckInstrument() {
    // A nylon-like string: plucked a little off-centre, so not too bright.
    Signal s = pluckedString(261.6255653, 1.8, 0.55, 101u);
    lowPass(s, 7000);
    fadeEdges(s, 0.3, 120);
    normalise(s, 0.9);
    xm::Instrument ins;
    ins.name = "plucked string";
    ins.sample.name = "pluck C-4";
    ins.sample.data = toPcm16(s);
    ins.sample.volume = 64;
    ins.sample.panning = 108;
    xm::tuneForMiddleC(ins.sample, 261.6255653);
    ins.volumeEnvelope = heldUntilKeyOff();
    ins.fadeout = 3000;
    return ins;
}

xm::Instrument padInstrument() {
    // An open fifth (root, fifth, octave) with each partial doubled a hair
    // sharp for a slow shimmer. Every frequency is a whole multiple of
    // 44100 / kLoop Hz, so the loop closes exactly and never clicks.
    constexpr int kLoop = 43008;
    constexpr double kStep = double(kRate) / kLoop;  // 1.0254 Hz
    struct Voice {
        int harmonic;  // frequency = harmonic * kStep
        double amplitude;
    };
    const Voice voices[] = {
        {256, 0.50}, {257, 0.30},  // root, 262.5 Hz
        {384, 0.30}, {385, 0.20},  // fifth
        {512, 0.16}, {511, 0.12},  // octave
        {768, 0.05}, {1024, 0.03}, // a little air on top
    };
    Signal s(size_t(kLoop), 0.0f);
    for (const Voice& v : voices) {
        double w = 2 * kPi * v.harmonic / kLoop;
        for (int i = 0; i < kLoop; ++i) s[size_t(i)] += float(v.amplitude * std::sin(w * i));
    }
    normalise(s, 0.8);
    xm::Instrument ins;
    ins.name = "soft pad";
    ins.sample.name = "pad fifth C-4";
    ins.sample.data = toPcm16(s);
    ins.sample.loop = xm::Loop::Forward;
    ins.sample.loopStart = 0;
    ins.sample.loopLength = kLoop;
    ins.sample.volume = 48;
    xm::tuneForMiddleC(ins.sample, 256 * kStep);
    // Slow swell, a gentle settle, held; a long fade after key off.
    ins.volumeEnvelope = xm::Envelope{{{0, 0}, {24, 56}, {60, 44}}, 2};
    ins.fadeout = 1200;
    ins.vibratoType = 0;
    ins.vibratoSweep = 40;
    ins.vibratoDepth = 2;
    ins.vibratoRate = 6;
    return ins;
}

xm::Instrument bassInstrument() {
    // Round, plucked-sounding bass: a few harmonics, the upper ones dying first.
    const double f = 130.8127827;
    Signal s(size_t(samplesFor(1.4)), 0.0f);
    addModes(s, 0, {{f, 1.0, 0.55}, {2 * f, 0.35, 0.25}, {3 * f, 0.12, 0.12}, {4 * f, 0.05, 0.06}});
    fadeEdges(s, 4, 150);
    normalise(s, 0.9);
    xm::Instrument ins;
    ins.name = "round bass";
    ins.sample.name = "bass C-3";
    ins.sample.data = toPcm16(s);
    ins.sample.volume = 64;
    xm::tuneForMiddleC(ins.sample, f);
    ins.volumeEnvelope = heldUntilKeyOff();
    ins.fadeout = 2500;
    return ins;
}

xm::Instrument drumInstrument() {
    // A hand drum: a low skin that drops in pitch and a short soft slap.
    Signal s(size_t(samplesFor(0.36)), 0.0f);
    addSweptSine(s, 0, 150, 78, 0.03, 1.0, 0.11);
    Signal slap(s.size(), 0.0f);
    Noise noise(211u);
    addNoiseBurst(slap, 0, noise, 0.5, 0.0008, 0.012);
    bandPass(slap, 900, 0.8);
    mixInto(s, slap, 0, 1.0);
    fadeEdges(s, 0.5, 60);
    normalise(s, 0.9);
    xm::Instrument ins;
    ins.name = "hand drum";
    ins.sample.name = "drum";
    ins.sample.data = toPcm16(s);
    ins.sample.volume = 64;
    ins.sample.panning = 140;
    xm::tuneForMiddleC(ins.sample, 261.6255653);
    return ins;
}

xm::Instrument shakerInstrument() {
    Signal s(size_t(samplesFor(0.09)), 0.0f);
    Noise noise(223u);
    addNoiseBurst(s, 0, noise, 1.0, 0.004, 0.018);
    highPass(s, 5000);
    highPass(s, 5000);
    fadeEdges(s, 0.5, 20);
    normalise(s, 0.7);
    xm::Instrument ins;
    ins.name = "shaker";
    ins.sample.name = "shaker";
    ins.sample.data = toPcm16(s);
    ins.sample.volume = 40;
    ins.sample.panning = 170;
    xm::tuneForMiddleC(ins.sample, 261.6255653);
    return ins;
}

}  // namespace snd
