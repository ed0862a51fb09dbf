// FastTracker 2 Extended Module (version 0x0104) model and writer:
// patterns stored packed, one sample per instrument, 16-bit samples stored
// as deltas, linear frequency table.
#pragma once

#include "bytes.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace snd::xm {

constexpr uint8_t kKeyOff = 97;

// One cell of a pattern. Zero means "nothing" in every column.
struct Cell {
    uint8_t note = 0;        // 1..96 (1 = C-0, 49 = C-4), 97 key off
    uint8_t instrument = 0;  // 1-based
    uint8_t volume = 0;      // volume column: 0x10..0x50 sets volume 0..64
    uint8_t effect = 0;
    uint8_t param = 0;

    bool empty() const { return !note && !instrument && !volume && !effect && !param; }
};

struct Pattern {
    int rows = 64;
    int channels = 4;
    std::vector<Cell> cells;  // rows * channels, row by row

    Pattern(int rowCount, int channelCount)
        : rows(rowCount), channels(channelCount), cells(size_t(rowCount) * channelCount) {}
    Cell& at(int row, int channel) { return cells[size_t(row) * channels + channel]; }
    const Cell& at(int row, int channel) const { return cells[size_t(row) * channels + channel]; }
};

enum class Loop : uint8_t { None = 0, Forward = 1, PingPong = 2 };

struct Sample {
    std::string name;
    std::vector<int16_t> data;
    uint32_t loopStart = 0, loopLength = 0;  // in sample frames
    Loop loop = Loop::None;
    uint8_t volume = 64;    // 0..64
    int8_t finetune = 0;    // 1/128 semitone
    uint8_t panning = 128;  // 0 left .. 255 right
    int8_t relativeNote = 0;
};

struct EnvelopePoint {
    uint16_t tick, value;  // value 0..64
};

struct Envelope {
    std::vector<EnvelopePoint> points;  // at most 12; empty: envelope off
    int sustain = -1;                   // point index, -1: none
};

struct Instrument {
    std::string name;
    Sample sample;
    Envelope volumeEnvelope;
    uint16_t fadeout = 0;  // volume lost per tick after key off, out of 65536
    uint8_t vibratoType = 0, vibratoSweep = 0, vibratoDepth = 0, vibratoRate = 0;
};

struct Module {
    std::string name;
    std::string tracker = "zelk-soundgen";
    int channels = 4;
    int ticksPerRow = 6;
    int bpm = 125;
    int restart = 0;
    std::vector<uint8_t> order;
    std::vector<Pattern> patterns;
    std::vector<Instrument> instruments;
};

// Packs one pattern the way FT2 does: a cell whose five columns are all set
// is stored as five bytes, any other as a flag byte (0x80 | which columns
// follow) and the columns present.
Bytes packPattern(const Pattern& p);
// 16-bit samples are stored as the difference from the previous sample.
std::vector<int16_t> deltaEncode(const std::vector<int16_t>& samples);

// Relative note and finetune so that note C-4 plays a sample, recorded at
// 44100 Hz with its pitch at `baseFreq`, at the pitch of middle C (261.63 Hz).
void tuneForMiddleC(Sample& s, double baseFreq);

// The whole file. Throws std::invalid_argument on a module XM cannot hold.
Bytes encode(const Module& m);

}  // namespace snd::xm
