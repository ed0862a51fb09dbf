// The Extended Module's building blocks that a finished file cannot show
// wrong by itself: the packing trackers read and the tuning of note C-4 (the
// finished pictures and sounds are checked by assets_test).
#include <gtest/gtest.h>

#include "song.hpp"
#include "xm.hpp"

#include <cmath>
#include <vector>

namespace {

TEST(Xm, PatternsPackTheWayTrackersReadThem) {
    snd::xm::Pattern p(2, 2);
    p.at(0, 0) = {49, 1, 0x50, 0x0C, 0x20};  // all five columns: stored plain
    p.at(0, 1) = {61, 2, 0, 0, 0};           // note and instrument only
    p.at(1, 0).note = snd::xm::kKeyOff;      // key off only
    snd::Bytes packed = snd::xm::packPattern(p);
    const std::vector<uint8_t> expected = {49, 1, 0x50, 0x0C, 0x20, 0x83, 61, 2, 0x81, 97, 0x80};
    EXPECT_EQ(packed.data(), expected);
}

// Playback rate of note C-4 for a tuned sample, with FT2's linear table.
double c4Rate(const snd::xm::Sample& s) {
    return 8363.0 * std::pow(2.0, (s.relativeNote + s.finetune / 128.0) / 12.0);
}

TEST(Xm, TuningMakesNoteC4PlayMiddleC) {
    for (double base : {65.4, 130.8127827, 261.6255653, 262.5, 523.25}) {
        SCOPED_TRACE(base);
        snd::xm::Sample s;
        snd::xm::tuneForMiddleC(s, base);
        double pitch = base * c4Rate(s) / 44100.0;
        EXPECT_NEAR(1200 * std::log2(pitch / 261.6255653), 0.0, 1.0);  // within a cent
    }
    EXPECT_EQ(snd::noteNumber("C-4"), 49);
    EXPECT_EQ(snd::noteNumber("F#5"), 67);
    EXPECT_EQ(snd::noteNumber("C-0"), 1);
    EXPECT_THROW(snd::noteNumber("H-4"), std::invalid_argument);
}

}  // namespace
