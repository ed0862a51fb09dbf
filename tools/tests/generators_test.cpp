// The Extended Module's building block that a finished file cannot show
// wrong by itself: the packing trackers read (the finished pictures and the
// music's loading are checked by assets_test).
#include <gtest/gtest.h>

#include "song.hpp"
#include "xm.hpp"

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

}  // namespace
