// Extended Module writer: see xm.hpp.
#include "xm.hpp"

#include <cmath>
#include <stdexcept>

namespace snd::xm {

namespace {

constexpr uint32_t kHeaderSize = 276;  // counted from the header-size field itself
constexpr uint32_t kPatternHeaderSize = 9;
constexpr uint32_t kInstrumentHeaderSize = 263;
constexpr uint32_t kSampleHeaderSize = 40;
constexpr int kMaxEnvelopePoints = 12;

void check(bool ok, const std::string& what) {
    if (!ok) throw std::invalid_argument("xm: " + what);
}

void writeEnvelopePoints(Bytes& out, const Envelope& e) {
    for (int i = 0; i < kMaxEnvelopePoints; ++i) {
        bool present = i < int(e.points.size());
        out.u16(present ? e.points[size_t(i)].tick : 0);
        out.u16(present ? e.points[size_t(i)].value : 0);
    }
}

void writeInstrument(Bytes& out, const Instrument& ins) {
    const Sample& s = ins.sample;
    const Envelope& env = ins.volumeEnvelope;
    check(env.points.size() <= size_t(kMaxEnvelopePoints), "too many envelope points in " + ins.name);
    check(s.volume <= 64, "sample volume above 64 in " + ins.name);
    check(s.loop == Loop::None || (s.loopLength > 0 && s.loopStart + s.loopLength <= s.data.size()),
          "loop outside the sample in " + ins.name);

    const size_t start = out.size();
    out.u32(kInstrumentHeaderSize);
    out.field(ins.name, 22);
    out.u8(0);   // instrument type
    out.u16(1);  // one sample
    out.u32(kSampleHeaderSize);
    out.zeros(96);  // every note uses sample 0
    writeEnvelopePoints(out, env);
    writeEnvelopePoints(out, Envelope{});  // no panning envelope
    out.u8(uint8_t(env.points.size()));
    out.u8(0);
    out.u8(uint8_t(env.sustain < 0 ? 0 : env.sustain));
    out.u8(0);  // volume loop start
    out.u8(0);  // volume loop end
    out.u8(0);  // panning sustain, loop start, loop end
    out.u8(0);
    out.u8(0);
    uint8_t volumeType = 0;
    if (!env.points.empty()) volumeType |= 1;
    if (env.sustain >= 0) volumeType |= 2;
    out.u8(volumeType);
    out.u8(0);  // panning envelope off
    out.u8(ins.vibratoType);
    out.u8(ins.vibratoSweep);
    out.u8(ins.vibratoDepth);
    out.u8(ins.vibratoRate);
    out.u16(ins.fadeout);
    out.zeros(kInstrumentHeaderSize - (out.size() - start));  // reserved

    // Sample header; lengths in bytes.
    out.u32(uint32_t(s.data.size() * 2));
    out.u32(s.loopStart * 2);
    out.u32(s.loop == Loop::None ? 0 : s.loopLength * 2);
    out.u8(s.volume);
    out.u8(uint8_t(s.finetune));
    out.u8(uint8_t(uint8_t(s.loop) | 0x10));  // 0x10: 16-bit
    out.u8(s.panning);
    out.u8(uint8_t(s.relativeNote));
    out.u8(0);  // plain delta encoding
    out.field(s.name, 22);

    for (int16_t d : deltaEncode(s.data)) out.u16(uint16_t(d));
}

}  // namespace

Bytes packPattern(const Pattern& p) {
    Bytes out;
    for (const Cell& c : p.cells) {
        uint8_t flags = 0x80;
        if (c.note) flags |= 0x01;
        if (c.instrument) flags |= 0x02;
        if (c.volume) flags |= 0x04;
        if (c.effect) flags |= 0x08;
        if (c.param) flags |= 0x10;
        if (flags == 0x9F) {
            out.u8(c.note);
            out.u8(c.instrument);
            out.u8(c.volume);
            out.u8(c.effect);
            out.u8(c.param);
            continue;
        }
        out.u8(flags);
        if (c.note) out.u8(c.note);
        if (c.instrument) out.u8(c.instrument);
        if (c.volume) out.u8(c.volume);
        if (c.effect) out.u8(c.effect);
        if (c.param) out.u8(c.param);
    }
    return out;
}

std::vector<int16_t> deltaEncode(const std::vector<int16_t>& samples) {
    std::vector<int16_t> out(samples.size());
    int16_t previous = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        // Wraps modulo 2^16, as the player's running sum does.
        out[i] = int16_t(uint16_t(uint16_t(samples[i]) - uint16_t(previous)));
        previous = samples[i];
    }
    return out;
}

void tuneForMiddleC(Sample& s, double baseFreq) {
    constexpr double kMiddleC = 261.6255653, kC4Rate = 8363.0, kRecordedRate = 44100.0;
    double rate = kRecordedRate * kMiddleC / baseFreq;
    double semitones = 12.0 * std::log2(rate / kC4Rate);
    int relative = int(std::lround(semitones));
    int fine = int(std::lround((semitones - relative) * 128.0));  // within -64..64
    check(relative >= -96 && relative <= 95, "sample pitch out of range");
    s.relativeNote = int8_t(relative);
    s.finetune = int8_t(fine);
}

Bytes encode(const Module& m) {
    check(m.channels >= 1 && m.channels <= 32, "channel count");
    check(!m.order.empty() && m.order.size() <= 256, "song length");
    check(m.restart >= 0 && m.restart < int(m.order.size()), "restart position");
    check(m.patterns.size() <= 256 && m.instruments.size() <= 128, "pattern or instrument count");
    for (uint8_t o : m.order) check(o < m.patterns.size(), "order refers to a missing pattern");

    Bytes out;
    out.text("Extended Module: ");
    out.field(m.name, 20, ' ');
    out.u8(0x1A);
    out.field(m.tracker, 20, ' ');
    out.u16(0x0104);
    out.u32(kHeaderSize);
    out.u16(uint16_t(m.order.size()));
    out.u16(uint16_t(m.restart));
    out.u16(uint16_t(m.channels));
    out.u16(uint16_t(m.patterns.size()));
    out.u16(uint16_t(m.instruments.size()));
    out.u16(1);  // linear frequency table
    out.u16(uint16_t(m.ticksPerRow));
    out.u16(uint16_t(m.bpm));
    for (size_t i = 0; i < 256; ++i) out.u8(i < m.order.size() ? m.order[i] : 0);

    for (const Pattern& p : m.patterns) {
        check(p.channels == m.channels, "pattern channel count");
        check(p.rows >= 1 && p.rows <= 256, "pattern row count");
        Bytes packed = packPattern(p);
        check(packed.size() <= 0xFFFF, "pattern too large");
        out.u32(kPatternHeaderSize);
        out.u8(0);  // packing type
        out.u16(uint16_t(p.rows));
        out.u16(uint16_t(packed.size()));
        out.append(packed);
    }
    for (const Instrument& ins : m.instruments) writeInstrument(out, ins);
    return out;
}

}  // namespace snd::xm
