// The generators' building blocks: the white-key finish, the plucked
// string's tuning, and the Extended Module's packing, tuning and song (the
// finished files are checked by assets_test).
#include <gtest/gtest.h>

#include "canvas.hpp"
#include "dsp.hpp"
#include "song.hpp"
#include "xm.hpp"

#include <cmath>
#include <vector>

namespace {

// ------------------------------------------------------------ drawing

TEST(WhiteKey, FinishLeavesOnlyKeyOrNonWhiteOpaquePixels) {
    art::Image shapes(20, 20), glow(20, 20);
    art::paint(shapes, art::circleMask(20, 20, 10, 10, 6), art::rgb(255, 255, 255));  // a white stone
    art::paint(glow, art::circleMask(20, 20, 10, 10, 9), art::rgb(200, 160, 40), 0.5f);
    art::finishWhiteKeyed(shapes, &glow);
    int keyed = 0, glowing = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            art::Colour c = shapes.colourAt(x, y);
            bool white = c.r == 255 && c.g == 255 && c.b == 255;
            if (white) {
                ++keyed;
                EXPECT_EQ(shapes.alphaAt(x, y), 0.0f);
            } else {
                EXPECT_EQ(shapes.alphaAt(x, y), 1.0f);
            }
            glowing += !white && std::fabs(c.b - 40) < 1;
        }
    EXPECT_TRUE(shapes.colourAt(10, 10).r < 255);  // the white stone itself stays visible
    EXPECT_GT(keyed, 100);
    EXPECT_GT(glowing, 10);  // the half-strength halo shows through the dither, in part
}

// ------------------------------------------------------------ sound

// Pitch from the autocorrelation peak over `count` samples after `skip`,
// refined between lags by a parabola.
double measuredPitch(const snd::Signal& s, size_t skip, size_t count, double expected) {
    auto correlation = [&](int lag) {
        double sum = 0;
        for (size_t i = skip; i < skip + count; ++i) sum += double(s[i]) * s[i + size_t(lag)];
        return sum;
    };
    const int expectedLag = int(snd::kRate / expected);
    int best = expectedLag * 2 / 3;
    for (int lag = best; lag <= expectedLag * 3 / 2; ++lag)
        if (correlation(lag) > correlation(best)) best = lag;
    double a = correlation(best - 1), b = correlation(best), c = correlation(best + 1);
    double offset = 0.5 * (a - c) / (a - 2 * b + c);
    return snd::kRate / (best + offset);
}

TEST(Dsp, PluckedStringIsInTuneAndDiesAway) {
    for (double f : {110.0, 261.6255653, 440.0}) {
        SCOPED_TRACE(f);
        snd::Signal s = snd::pluckedString(f, 3.0, 0.5, 7u);
        EXPECT_NEAR(1200 * std::log2(measuredPitch(s, 4000, 8000, f) / f), 0.0, 5.0);  // cents
        float early = 0, late = 0;
        for (size_t i = 0; i < 4410; ++i) early = std::max(early, std::fabs(s[i]));
        for (size_t i = s.size() - 4410; i < s.size(); ++i) late = std::max(late, std::fabs(s[i]));
        EXPECT_LT(late, early * 0.6f);
    }
}

// ------------------------------------------------------------ Extended Module

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

TEST(Xm, TheSongIsALoopOfFullPatterns) {
    snd::xm::Module song = snd::backgroundSong();
    EXPECT_EQ(song.restart, 0);
    EXPECT_EQ(song.order.size(), song.patterns.size());
    for (const snd::xm::Pattern& p : song.patterns) {
        EXPECT_EQ(p.rows, 64);
        // Every bar opens on the drum.
        for (int bar = 0; bar < 4; ++bar) EXPECT_EQ(p.at(bar * 16, 3).instrument, snd::kDrum);
    }
    // The pad loop closes: its last sample leads smoothly into its first.
    const snd::xm::Sample& pad = song.instruments[snd::kPad - 1].sample;
    ASSERT_EQ(pad.loop, snd::xm::Loop::Forward);
    int step = pad.data[pad.loopStart] - pad.data[pad.loopStart + pad.loopLength - 1];
    int typical = std::abs(pad.data[pad.loopStart + 1] - pad.data[pad.loopStart]);
    EXPECT_LE(std::abs(step), typical + 200);
}

}  // namespace
