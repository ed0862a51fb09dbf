// The background loop: 4 patterns of 64 rows (4 bars of 16 rows each) at
// 90 beats a minute, about 43 seconds. Channel 1 plays a plucked melody in
// D major pentatonic, channel 2 a soft open-fifth pad, channel 3 a round
// bass and channel 4 a hand drum with a shaker. The chords run
// D Bm G A | D Bm G A | Bm G D A | G A G A, so the end leans back into the
// start; the pad breathes out over the last bar and swells in again.
#include "song.hpp"

#include <cstring>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace snd {

namespace {

constexpr int kRows = 64, kChannels = 4, kRowsPerBar = 16;
constexpr int kMelody = 0, kPadChannel = 1, kBassChannel = 2, kBeat = 3;
constexpr uint8_t kTonePortamento = 0x03;

uint8_t volume(int v) { return uint8_t(0x10 + v); }

struct Chord {
    const char* pad;    // root for the pad
    const char* root;   // bass root
    const char* fifth;  // bass fifth, below the root
};

const Chord kD = {"D-4", "D-3", "A-2"};
const Chord kBm = {"B-3", "B-2", "F#2"};
const Chord kG = {"G-3", "G-2", "D-2"};
const Chord kA = {"A-3", "A-2", "E-2"};

struct PatternScore {
    Chord chords[4];
    // 32 eighth notes: a note name, "." to let the last one ring, "-" for key off.
    const char* melody;
};

const PatternScore kScore[4] = {
    {{kD, kBm, kG, kA},
     "F#5 . A-5 . B-5 A-5 F#5 .   D-5 . . E-5 F#5 . E-5 D-5 "
     "B-4 . D-5 . E-5 . D-5 B-4   A-4 . . . E-5 . . -"},
    {{kD, kBm, kG, kA},
     "A-5 . B-5 . D-6 . B-5 A-5   F#5 . . E-5 D-5 . B-4 D-5 "
     "E-5 . D-5 E-5 F#5 . A-5 .   E-5 . . . . . - ."},
    {{kBm, kG, kD, kA},
     "D-5 . F#5 . B-5 . A-5 F#5   B-5 . A-5 . F#5 E-5 D-5 . "
     "F#5 . E-5 D-5 A-4 . D-5 .   E-5 . . F#5 E-5 . - ."},
    {{kG, kA, kG, kA},
     "D-5 . E-5 . F#5 . A-5 .     B-5 . A-5 . E-5 . . . "
     "D-5 . B-4 . D-5 . E-5 .     A-4 . . . - . . ."},
};

std::vector<std::string> tokens(const char* text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string t; in >> t;) out.push_back(t);
    return out;
}

void put(xm::Pattern& p, int row, int channel, const char* note, uint8_t instrument, int vol) {
    xm::Cell& c = p.at(row, channel);
    c.note = noteNumber(note);
    c.instrument = instrument;
    c.volume = volume(vol);
}

void writeMelody(xm::Pattern& p, const char* melody) {
    std::vector<std::string> slots = tokens(melody);
    if (slots.size() != 32) throw std::logic_error("melody must have 32 eighth notes");
    for (int i = 0; i < 32; ++i) {
        const std::string& t = slots[size_t(i)];
        if (t == ".") continue;
        if (t == "-") {
            p.at(i * 2, kMelody).note = xm::kKeyOff;
            continue;
        }
        bool onBeat = i % 2 == 0, downBeat = i % 8 == 0;
        put(p, i * 2, kMelody, t.c_str(), kPluck, downBeat ? 60 : onBeat ? 52 : 44);
    }
}

void writeHarmony(xm::Pattern& p, const Chord (&chords)[4], bool firstPattern, bool lastPattern) {
    for (int bar = 0; bar < 4; ++bar) {
        const int row = bar * kRowsPerBar;
        const Chord& c = chords[bar];
        if (firstPattern && bar == 0) {
            put(p, row, kPadChannel, c.pad, kPad, 56);
        } else {
            // Slide the held pad to the new root at once instead of striking it again.
            xm::Cell& cell = p.at(row, kPadChannel);
            cell.note = noteNumber(c.pad);
            cell.effect = kTonePortamento;
            cell.param = 0xFF;
        }
        put(p, row, kBassChannel, c.root, kBass, 62);
        put(p, row + 8, kBassChannel, c.fifth, kBass, 50);
        put(p, row + 12, kBassChannel, c.root, kBass, 40);
    }
    // Let the pad breathe out during the last bar so the loop starts afresh.
    if (lastPattern) p.at(3 * kRowsPerBar + 4, kPadChannel).note = xm::kKeyOff;
}

void writeBeat(xm::Pattern& p, bool lastPattern) {
    for (int bar = 0; bar < 4; ++bar) {
        const int row = bar * kRowsPerBar;
        const bool fill = lastPattern && bar == 3;
        put(p, row + 0, kBeat, "C-4", kDrum, 64);
        put(p, row + 2, kBeat, "C-4", kShaker, 20);
        put(p, row + 4, kBeat, "C-4", kShaker, 40);
        put(p, row + 6, kBeat, "C-4", kDrum, 30);
        put(p, row + 8, kBeat, "C-4", kShaker, 26);
        put(p, row + 10, kBeat, "C-4", kDrum, 52);
        if (fill) {
            put(p, row + 12, kBeat, "C-4", kDrum, 40);
            put(p, row + 14, kBeat, "C-4", kDrum, 48);
        } else {
            put(p, row + 12, kBeat, "C-4", kShaker, 40);
            put(p, row + 14, kBeat, "C-4", kShaker, 20);
        }
    }
}

}  // namespace

uint8_t noteNumber(const char* name) {
    static const char* const kNames[12] = {"C-", "C#", "D-", "D#", "E-", "F-",
                                           "F#", "G-", "G#", "A-", "A#", "B-"};
    if (std::strlen(name) == 3 && name[2] >= '0' && name[2] <= '7')
        for (int k = 0; k < 12; ++k)
            if (std::strncmp(name, kNames[k], 2) == 0) return uint8_t((name[2] - '0') * 12 + k + 1);
    throw std::invalid_argument(std::string("not a note: ") + name);
}

xm::Module backgroundSong() {
    xm::Module m;
    m.name = "Zelk evening";
    m.channels = kChannels;
    m.ticksPerRow = 6;
    m.bpm = 90;
    m.restart = 0;
    for (int i = 0; i < 4; ++i) {
        xm::Pattern p(kRows, kChannels);
        writeMelody(p, kScore[i].melody);
        writeHarmony(p, kScore[i].chords, i == 0, i == 3);
        writeBeat(p, i == 3);
        m.patterns.push_back(std::move(p));
        m.order.push_back(uint8_t(i));
    }
    m.instruments = {pluckInstrument(), padInstrument(), bassInstrument(), drumInstrument(), shakerInstrument()};
    return m;
}

}  // namespace snd
