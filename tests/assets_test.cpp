// The generated resource tree: every picture at its size, white-keyed
// pictures opaque where they must show, frame sets complete, sounds that
// load and start and end in silence, and background music that is a
// well-formed Extended Module that SDL_mixer plays.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string dataPath(const std::string& relative) { return std::string(ZELK_DATA_DIR) + "/" + relative; }

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// ------------------------------------------------------------ pictures

struct Rgb {
    int r, g, b;
    bool white() const { return r == 255 && g == 255 && b == 255; }
    double luminance() const { return (0.299 * r + 0.587 * g + 0.114 * b) / 255.0; }
};

// A loaded picture converted to 32-bit RGB, so pixels read the same whatever
// the file's format.
class Picture {
public:
    explicit Picture(const std::string& relative) {
        SDL_Surface* loaded = IMG_Load(dataPath(relative).c_str());
        if (!loaded) return;
        SDL_PixelFormat format = {};
        format.BitsPerPixel = 32;
        format.BytesPerPixel = 4;
        format.Rmask = 0x00FF0000;
        format.Gmask = 0x0000FF00;
        format.Bmask = 0x000000FF;
        format.Rshift = 16;
        format.Gshift = 8;
        format.Bshift = 0;
        surface_ = SDL_ConvertSurface(loaded, &format, SDL_SWSURFACE);
        SDL_FreeSurface(loaded);
    }
    ~Picture() {
        if (surface_) SDL_FreeSurface(surface_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool ok() const { return surface_ != nullptr; }
    int w() const { return surface_->w; }
    int h() const { return surface_->h; }
    Rgb at(int x, int y) const {
        Uint32 p = *reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface_->pixels) +
                                                    y * surface_->pitch + x * 4);
        return Rgb{int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)};
    }
    double meanLuminance(int x0, int y0, int x1, int y1) const {
        double sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) sum += at(x, y).luminance();
        return sum / ((x1 - x0) * (y1 - y0));
    }
    int whiteIn(int x0, int y0, int x1, int y1) const {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) count += at(x, y).white();
        return count;
    }
    // Opaque pixels touching the key that are nearly white: they would show
    // as a pale halo over the dark window.
    int paleFringe() const {
        int count = 0;
        for (int y = 0; y < h(); ++y)
            for (int x = 0; x < w(); ++x) {
                Rgb c = at(x, y);
                if (c.white() || std::min({c.r, c.g, c.b}) < 235) continue;
                bool touchesKey = (x > 0 && at(x - 1, y).white()) || (y > 0 && at(x, y - 1).white()) ||
                                  (x + 1 < w() && at(x + 1, y).white()) || (y + 1 < h() && at(x, y + 1).white());
                count += touchesKey;
            }
        return count;
    }

private:
    SDL_Surface* surface_ = nullptr;
};

struct Region {
    int x0, y0, x1, y1;  // must show: no key colour inside
};

struct KeyedPicture {
    const char* file;
    int w, h;
    Region solid;
};

const KeyedPicture kKeyedPictures[] = {
    {"images/pawns/left/0.png", 50, 50, {14, 14, 34, 34}},
    {"images/pawns/left/chosen.png", 50, 50, {12, 12, 38, 38}},
    {"images/pawns/right/0.png", 50, 50, {14, 14, 34, 34}},
    {"images/pawns/right/chosen.png", 50, 50, {12, 12, 38, 38}},
    {"images/cells/emptycell.png", 50, 50, {17, 17, 33, 33}},
    {"images/cells/shadowcell.png", 50, 50, {12, 12, 38, 38}},
    {"images/menu/menuleftstarts.png", 65, 75, {6, 6, 58, 68}},
    {"images/menu/menurightstarts.png", 65, 75, {6, 6, 58, 68}},
    {"images/menu/menureadrules.png", 65, 75, {6, 6, 58, 68}},
    {"images/menu/menuquitthegame.png", 65, 75, {6, 6, 58, 68}},
    {"images/menu/barud.png", 65, 75, {6, 6, 58, 68}},
    {"images/menu/dradan.png", 65, 75, {6, 6, 58, 68}},
    {"images/players/left/01.png", 64, 97, {22, 40, 40, 85}},
    {"images/players/right/01.png", 64, 97, {22, 40, 40, 85}},
    {"images/presentation/yesno.png", 400, 300, {10, 10, 388, 286}},
    {"images/presentation/zelkabout.png", 700, 525, {10, 10, 688, 510}},
};

struct OpaquePicture {
    const char* file;
    int w, h;
};

const OpaquePicture kOpaquePictures[] = {
    {"images/background/zelkboard.png", 800, 600},
    {"images/background/yellowbackformenu.png", 800, 600},
    {"images/background/whitebackforinfobar.png", 800, 100},
    {"images/presentation/zelkinit.png", 400, 480},
    {"images/presentation/ok.png", 25, 25},
    {"images/presentation/notok.png", 25, 25},
};

TEST(Pictures, KeyedPicturesHaveTheirSizeAShowingCentreAndNoPaleFringe) {
    for (const KeyedPicture& k : kKeyedPictures) {
        SCOPED_TRACE(k.file);
        Picture p(k.file);
        ASSERT_TRUE(p.ok()) << IMG_GetError();
        ASSERT_EQ(p.w(), k.w);
        ASSERT_EQ(p.h(), k.h);
        EXPECT_EQ(p.whiteIn(k.solid.x0, k.solid.y0, k.solid.x1, k.solid.y1), 0);
        // The key is really used: the corner is see-through.
        EXPECT_TRUE(p.at(0, 0).white());
        EXPECT_EQ(p.paleFringe(), 0);
    }
}

TEST(Pictures, OpaquePicturesHaveTheirSizeAndNoHoles) {
    for (const OpaquePicture& o : kOpaquePictures) {
        SCOPED_TRACE(o.file);
        Picture p(o.file);
        ASSERT_TRUE(p.ok()) << IMG_GetError();
        EXPECT_EQ(p.w(), o.w);
        EXPECT_EQ(p.h(), o.h);
    }
    SDL_Surface* icon = SDL_LoadBMP(dataPath("images/zelk.icon").c_str());
    ASSERT_NE(icon, nullptr) << SDL_GetError();
    EXPECT_EQ(icon->w, 32);
    EXPECT_EQ(icon->h, 32);
    SDL_FreeSurface(icon);
}

// The desktop's icons: the window icon's picture at each size a menu asks
// for, a rounded tile whose corners the desktop's background shows through.
TEST(Pictures, DesktopIconsHaveTheirSizeTransparentCornersAndAnOpaqueTile) {
    for (int size : {48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        SDL_Surface* icon = IMG_Load(dataPath("icons/zelk-" + std::to_string(size) + ".png").c_str());
        ASSERT_NE(icon, nullptr) << IMG_GetError();
        EXPECT_EQ(icon->w, size);
        EXPECT_EQ(icon->h, size);
        ASSERT_EQ(icon->format->BytesPerPixel, 4);
        auto alphaAt = [icon](int x, int y) {
            Uint32 pixel = static_cast<Uint32*>(icon->pixels)[y * icon->pitch / 4 + x];
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixel, icon->format, &r, &g, &b, &a);
            return a;
        };
        EXPECT_EQ(alphaAt(0, 0), 0);
        EXPECT_EQ(alphaAt(size - 1, size - 1), 0);
        EXPECT_EQ(alphaAt(size / 2, size / 2), 255);
        EXPECT_EQ(alphaAt(size / 2, 1), 255) << "the tile reaches the edge between its corners";
        SDL_FreeSurface(icon);
    }
}

TEST(Pictures, TheTwoSidesDifferInBrightness) {
    Picture left("images/pawns/left/0.png"), right("images/pawns/right/0.png");
    ASSERT_TRUE(left.ok() && right.ok());
    EXPECT_GT(right.meanLuminance(15, 15, 35, 35) - left.meanLuminance(15, 15, 35, 35), 0.4);
}

TEST(Pictures, ChosenPiecesCarryABrightRingTheRestingOnesLack) {
    for (const char* side : {"left", "right"}) {
        SCOPED_TRACE(side);
        Picture resting(std::string("images/pawns/") + side + "/0.png");
        Picture chosen(std::string("images/pawns/") + side + "/chosen.png");
        ASSERT_TRUE(resting.ok() && chosen.ok());
        // Round the ring, 21 px from the centre: bright gold in one, key or shadow in the other.
        int brightChosen = 0, brightResting = 0;
        for (int k = 0; k < 36; ++k) {
            double a = k * 3.14159265 / 18;
            int x = int(std::lround(25 + 21 * std::cos(a))), y = int(std::lround(25 + 21 * std::sin(a)));
            Rgb c = chosen.at(x, y), r = resting.at(x, y);
            brightChosen += !c.white() && c.r > 180 && c.g > 120 && c.b < 150;
            brightResting += !r.white() && r.r > 180 && r.g > 120 && r.b < 150;
        }
        EXPECT_GE(brightChosen, 30);
        EXPECT_EQ(brightResting, 0);
    }
}

TEST(Pictures, HighlightedPointStandsOutFromTheEmptyOne) {
    Picture empty("images/cells/emptycell.png"), lit("images/cells/shadowcell.png");
    ASSERT_TRUE(empty.ok() && lit.ok());
    int changed = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            Rgb a = empty.at(x, y), b = lit.at(x, y);
            changed += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 90;
        }
    EXPECT_GT(changed, 400);
}

TEST(Pictures, CheckBoxesAreTickedAndEmpty) {
    Picture ok("images/presentation/ok.png"), notOk("images/presentation/notok.png");
    ASSERT_TRUE(ok.ok() && notOk.ok());
    EXPECT_GT(notOk.meanLuminance(6, 6, 19, 19), 0.75);
    EXPECT_LT(ok.meanLuminance(6, 6, 19, 19), notOk.meanLuminance(6, 6, 19, 19) - 0.15);
}

// Top-left corners of the 24 points on the board.
const int kPoints[24][2] = {
    {125, 45},  {365, 45},  {605, 45},  {199, 111}, {361, 111}, {523, 111}, {265, 185}, {360, 185},
    {455, 185}, {125, 245}, {195, 245}, {265, 245}, {465, 245}, {528, 245}, {600, 245}, {265, 308},
    {360, 308}, {455, 308}, {199, 377}, {361, 377}, {523, 377}, {125, 445}, {365, 445}, {605, 445},
};

TEST(Board, EveryPointHasAHoleWherePiecesGo) {
    Picture board("images/background/zelkboard.png"), cell("images/cells/emptycell.png");
    ASSERT_TRUE(board.ok() && cell.ok());
    for (int i = 0; i < 24; ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        // The empty-point picture laid on the point matches the cup carved there.
        double difference = 0;
        for (int y = 17; y < 33; ++y)
            for (int x = 17; x < 33; ++x) {
                Rgb a = board.at(kPoints[i][0] + x, kPoints[i][1] + y), b = cell.at(x, y);
                difference += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
            }
        EXPECT_LT(difference / (16 * 16 * 3), 10.0);
        // And the cup is darker than the field a little way off, on the outer squares.
        if (i < 6 || i > 17 || i == 9 || i == 10 || i == 13 || i == 14) {
            int cx = kPoints[i][0] + 25, cy = kPoints[i][1] + 25;
            EXPECT_LT(board.meanLuminance(cx - 5, cy - 5, cx + 5, cy + 5),
                      board.meanLuminance(cx + 15, cy + 15, cx + 20, cy + 20) - 0.08);
        }
    }
}

TEST(Board, TextAreasContrastWithTheirText) {
    Picture board("images/background/zelkboard.png");
    ASSERT_TRUE(board.ok());
    // White messages inside the inner square.
    EXPECT_LT(board.meanLuminance(306, 250, 500, 305), 0.3);
    // Black 13-point status texts under the players' trays.
    EXPECT_GT(board.meanLuminance(80, 500, 215, 575), 0.75);
    EXPECT_GT(board.meanLuminance(628, 500, 722, 575), 0.75);
    // Near-black clocks in the top corners.
    EXPECT_GT(board.meanLuminance(5, 16, 70, 32), 0.4);
    EXPECT_GT(board.meanLuminance(670, 16, 735, 32), 0.4);
}

// ------------------------------------------------------------ frame sets

struct FrameLine {
    std::string file;
    int pause = 0, r = 0, g = 0, b = 0;
};

// Reads an `info` file the way the game does: "FILES: n" first, then frame
// lines, skipping comments and blank lines.
bool readFrameSet(const std::string& dir, int& declared, std::vector<FrameLine>& frames) {
    std::ifstream in(dataPath(dir) + "/info");
    std::string line;
    if (!std::getline(in, line) || line.rfind("FILES: ", 0) != 0) return false;
    declared = std::atoi(line.c_str() + 7);
    while (std::getline(in, line)) {
        size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        std::istringstream fields(line);
        FrameLine f;
        if (!(fields >> f.file >> f.pause >> f.r >> f.g >> f.b)) return false;
        frames.push_back(f);
    }
    return true;
}

struct FrameSet {
    const char* dir;
    int minFrames, maxFrames, w, h;
    int minPause, maxPause;
    Region solid;
};

const FrameSet kFrameSets[] = {
    {"images/players/waiting", 4, 16, 100, 120, 80, 200, {15, 45, 17, 55}},  // on the ring
    {"images/pawns/left/moving", 2, 4, 100, 120, 30, 300, {0, 0, 0, 0}},
    {"images/pawns/right/moving", 2, 4, 100, 120, 30, 300, {0, 0, 0, 0}},
    {"images/pawns/left/killing", 2, 4, 100, 120, 30, 300, {0, 0, 0, 0}},
    {"images/pawns/right/killing", 2, 4, 100, 120, 30, 300, {0, 0, 0, 0}},
    {"images/config/speedup", 1, 2, 14, 14, 30, 1000, {5, 6, 9, 10}},
    {"images/config/speeddown", 1, 2, 14, 14, 30, 1000, {5, 4, 9, 8}},
};

TEST(FrameSets, InfoParsesAndEveryFrameExistsAtItsSize) {
    for (const FrameSet& set : kFrameSets) {
        SCOPED_TRACE(set.dir);
        int declared = -1;
        std::vector<FrameLine> frames;
        ASSERT_TRUE(readFrameSet(set.dir, declared, frames));
        EXPECT_EQ(declared, int(frames.size()));
        EXPECT_GE(declared, set.minFrames);
        EXPECT_LE(declared, set.maxFrames);
        for (const FrameLine& f : frames) {
            SCOPED_TRACE(f.file);
            EXPECT_GE(f.pause, set.minPause);
            EXPECT_LE(f.pause, set.maxPause);
            EXPECT_EQ(f.r, 255);  // white is the transparent colour
            EXPECT_EQ(f.g, 255);
            EXPECT_EQ(f.b, 255);
            Picture p(std::string(set.dir) + "/" + f.file);
            ASSERT_TRUE(p.ok()) << IMG_GetError();
            EXPECT_EQ(p.w(), set.w);
            EXPECT_EQ(p.h(), set.h);
            EXPECT_TRUE(p.at(0, 0).white());
            EXPECT_EQ(p.whiteIn(set.solid.x0, set.solid.y0, set.solid.x1, set.solid.y1), 0);
        }
    }
}

TEST(FrameSets, FramesOfAnAnimationDiffer) {
    for (const FrameSet& set : kFrameSets) {
        SCOPED_TRACE(set.dir);
        int declared = 0;
        std::vector<FrameLine> frames;
        ASSERT_TRUE(readFrameSet(set.dir, declared, frames));
        if (frames.size() < 2) continue;
        Picture first(std::string(set.dir) + "/" + frames.front().file);
        Picture last(std::string(set.dir) + "/" + frames.back().file);
        ASSERT_TRUE(first.ok() && last.ok());
        int changed = 0;
        for (int y = 0; y < set.h; ++y)
            for (int x = 0; x < set.w; ++x) {
                Rgb a = first.at(x, y), b = last.at(x, y);
                changed += a.r != b.r || a.g != b.g || a.b != b.b;
            }
        EXPECT_GT(changed, set.w * set.h / 50);
    }
}

// ------------------------------------------------------------ sounds

struct Wav {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<double> samples;  // first channel, -1..1
};

uint32_t le32(const std::vector<uint8_t>& d, size_t at) {
    return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 | uint32_t(d[at + 3]) << 24;
}
uint16_t le16(const std::vector<uint8_t>& d, size_t at) { return uint16_t(d[at] | d[at + 1] << 8); }

bool readWav(const std::string& relative, Wav& wav) {
    std::vector<uint8_t> d = readFile(dataPath(relative));
    if (d.size() < 12 || std::memcmp(d.data(), "RIFF", 4) != 0 || std::memcmp(d.data() + 8, "WAVE", 4) != 0)
        return false;
    for (size_t at = 12; at + 8 <= d.size();) {
        uint32_t size = le32(d, at + 4);
        if (at + 8 + size > d.size()) return false;
        if (std::memcmp(d.data() + at, "fmt ", 4) == 0) {
            wav.format = le16(d, at + 8);
            wav.channels = le16(d, at + 10);
            wav.rate = int(le32(d, at + 12));
            wav.bits = le16(d, at + 22);
        } else if (std::memcmp(d.data() + at, "data", 4) == 0 && wav.bits == 16 && wav.channels > 0) {
            for (size_t i = at + 8; i + 1 < at + 8 + size; i += 2 * size_t(wav.channels))
                wav.samples.push_back(int16_t(le16(d, i)) / 32768.0);
        }
        at += 8 + size + (size & 1);
    }
    return !wav.samples.empty();
}

double zeroCrossingsPerSecond(const Wav& w) {
    int crossings = 0;
    for (size_t i = 1; i < w.samples.size(); ++i) crossings += (w.samples[i - 1] < 0) != (w.samples[i] < 0);
    return crossings * double(w.rate) / double(w.samples.size());
}

double peakOf(const Wav& w) {
    double peak = 0;
    for (double v : w.samples) peak = std::max(peak, std::fabs(v));
    return peak;
}

struct Sound {
    const char* file;
    double minSeconds, maxSeconds;
};

const Sound kSounds[] = {
    {"audio/move_from.wav", 0.05, 0.12},   {"audio/put_it_back.wav", 0.07, 0.15},
    {"audio/move_to.wav", 0.08, 0.18},     {"audio/jare.wav", 0.3, 0.5},
    {"audio/remove_opponent.wav", 0.18, 0.35},
};

TEST(Sounds, ShortCleanPcmThatStartsAndEndsInSilence) {
    for (const Sound& s : kSounds) {
        SCOPED_TRACE(s.file);
        Wav w;
        ASSERT_TRUE(readWav(s.file, w));
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.rate, 44100);
        double seconds = double(w.samples.size()) / w.rate;
        EXPECT_GE(seconds, s.minSeconds);
        EXPECT_LE(seconds, s.maxSeconds);
        double peak = peakOf(w);
        EXPECT_GT(peak, 0.3);   // audible
        EXPECT_LT(peak, 0.99);  // not clipped
        EXPECT_LT(std::fabs(w.samples.front()), 0.01);
        EXPECT_LT(std::fabs(w.samples.back()), 0.01);
        // No jump at the start, and the tail has died away.
        for (size_t i = 1; i < 8; ++i) EXPECT_LT(std::fabs(w.samples[i] - w.samples[i - 1]), 0.2);
        double tail = 0;
        for (size_t i = w.samples.size() - size_t(w.rate / 200); i < w.samples.size(); ++i)
            tail = std::max(tail, std::fabs(w.samples[i]));
        EXPECT_LT(tail, 0.05);
    }
}

TEST(Sounds, TheTwoDrumBeatsAreTellApart) {
    // They are played 240 ms apart as the drums: each must be over by then,
    // the first crisp and high, the second lower and softer.
    Wav high, low;
    ASSERT_TRUE(readWav("audio/move_from.wav", high));
    ASSERT_TRUE(readWav("audio/put_it_back.wav", low));
    EXPECT_LT(double(high.samples.size()) / high.rate, 0.24);
    EXPECT_LT(double(low.samples.size()) / low.rate, 0.24);
    EXPECT_GT(zeroCrossingsPerSecond(high), 1.5 * zeroCrossingsPerSecond(low));
    EXPECT_LT(peakOf(low), peakOf(high));
}

// ------------------------------------------------------------ music file

// Walks the whole Extended Module, checking each size field against what
// follows it, and decodes every packed pattern.
TEST(Music, BackgroundIsAWellFormedExtendedModule) {
    std::vector<uint8_t> d = readFile(dataPath("audio/background.xm"));
    ASSERT_GT(d.size(), 336u);
    EXPECT_EQ(std::string(d.begin(), d.begin() + 17), "Extended Module: ");
    EXPECT_EQ(d[37], 0x1A);
    EXPECT_EQ(le16(d, 58), 0x0104);
    ASSERT_EQ(le32(d, 60), 276u);
    const int songLength = le16(d, 64), restart = le16(d, 66), channels = le16(d, 68);
    const int patterns = le16(d, 70), instruments = le16(d, 72);
    EXPECT_GE(songLength, 1);
    EXPECT_LT(restart, songLength);
    EXPECT_GE(channels, 4);
    EXPECT_GE(instruments, 3);
    EXPECT_GT(le16(d, 76), 0);  // ticks per row
    EXPECT_GT(le16(d, 78), 0);  // beats per minute
    for (int i = 0; i < songLength; ++i) EXPECT_LT(d[80 + size_t(i)], patterns);

    size_t at = 60 + 276;
    int notes = 0;
    for (int p = 0; p < patterns; ++p) {
        SCOPED_TRACE("pattern " + std::to_string(p));
        ASSERT_LE(at + 9, d.size());
        ASSERT_EQ(le32(d, at), 9u);
        EXPECT_EQ(d[at + 4], 0);
        const int rows = le16(d, at + 5);
        const size_t packed = le16(d, at + 7);
        at += 9;
        ASSERT_LE(at + packed, d.size());
        size_t pos = at, cells = 0;
        while (pos < at + packed) {
            uint8_t flags = d[pos];
            uint8_t cell[5] = {0, 0, 0, 0, 0};
            if (flags & 0x80) {
                ++pos;
                for (int k = 0; k < 5; ++k)
                    if (flags & (1 << k)) cell[k] = d[pos++];
            } else {
                for (int k = 0; k < 5; ++k) cell[k] = d[pos++];
            }
            EXPECT_LE(cell[0], 97);
            EXPECT_LE(cell[1], instruments);
            notes += cell[0] > 0 && cell[0] < 97;
            ++cells;
        }
        EXPECT_EQ(pos, at + packed);
        EXPECT_EQ(cells, size_t(rows) * size_t(channels));
        at += packed;
    }
    EXPECT_GT(notes, 100);

    for (int i = 0; i < instruments; ++i) {
        SCOPED_TRACE("instrument " + std::to_string(i + 1));
        ASSERT_LE(at + 29, d.size());
        const size_t headerSize = le32(d, at);
        const int samples = le16(d, at + 27);
        ASSERT_GE(samples, 1);
        ASSERT_LE(at + 33, d.size());
        const size_t sampleHeaderSize = le32(d, at + 29);
        EXPECT_EQ(sampleHeaderSize, 40u);
        at += headerSize;
        std::vector<uint32_t> lengths;
        for (int s = 0; s < samples; ++s) {
            ASSERT_LE(at + 40, d.size());
            uint32_t length = le32(d, at), loopStart = le32(d, at + 4), loopLength = le32(d, at + 8);
            uint8_t type = d[at + 14];
            EXPECT_LE(d[at + 12], 64);  // volume
            if (type & 3) {
                EXPECT_LE(loopStart + loopLength, length);
            }
            EXPECT_TRUE(type & 0x10);   // 16-bit
            lengths.push_back(length);
            at += sampleHeaderSize;
        }
        for (uint32_t length : lengths) {
            ASSERT_LE(at + length, d.size());
            ASSERT_GT(length, 0u);
            // The first sample value is stored as is; a sample that starts
            // loud would click every time a note is struck.
            EXPECT_LT(std::abs(int16_t(le16(d, at))), 1000);
            at += length;
        }
    }
    EXPECT_EQ(at, d.size());
}

// ------------------------------------------------------------ playback

class Audio : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("SDL_VIDEODRIVER", "dummy", 0);
    }
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048), 0) << Mix_GetError();
    }
    void TearDown() override {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        SDL_Quit();
    }

    // Largest sample the mixer has put out since `listen` was called.
    static std::atomic<int> loudest;
    static void measure(void*, Uint8* stream, int len) {
        const Sint16* s = reinterpret_cast<const Sint16*>(stream);
        int peak = loudest.load();
        for (int i = 0; i < len / 2; ++i) peak = std::max(peak, std::abs(int(s[i])));
        loudest.store(peak);
    }
    static void listen() {
        loudest = 0;
        Mix_SetPostMix(measure, nullptr);
    }
    // Waits up to `ms` for output louder than `level`.
    static bool heard(int level, int ms) {
        for (int waited = 0; waited < ms; waited += 20) {
            if (loudest.load() > level) return true;
            SDL_Delay(20);
        }
        return false;
    }
};

std::atomic<int> Audio::loudest{0};

TEST_F(Audio, EverySoundLoadsAndPlays) {
    for (const Sound& s : kSounds) {
        SCOPED_TRACE(s.file);
        Mix_Chunk* chunk = Mix_LoadWAV(dataPath(s.file).c_str());
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        // Converted to the device format: 16-bit stereo.
        double seconds = chunk->alen / 4.0 / 44100.0;
        EXPECT_GE(seconds, s.minSeconds);
        EXPECT_LE(seconds, s.maxSeconds);
        listen();
        EXPECT_GE(Mix_PlayChannel(-1, chunk, 0), 0) << Mix_GetError();
        EXPECT_TRUE(heard(3000, 1500));
        while (Mix_Playing(-1)) SDL_Delay(10);
        Mix_SetPostMix(nullptr, nullptr);
        Mix_FreeChunk(chunk);
    }
}

TEST_F(Audio, BackgroundMusicLoadsStartsAndSounds) {
    Mix_Music* music = Mix_LoadMUS(dataPath("audio/background.xm").c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    listen();
    EXPECT_EQ(Mix_PlayMusic(music, -1), 0) << Mix_GetError();
    EXPECT_TRUE(Mix_PlayingMusic());
    // The first row strikes the drum, the bass and the melody.
    EXPECT_TRUE(heard(2000, 3000));
    Mix_HaltMusic();
    Mix_SetPostMix(nullptr, nullptr);
    Mix_FreeMusic(music);
}

}  // namespace
