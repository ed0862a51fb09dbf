// Frame sets: the "info" format, loading failures, and stepping by time.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/globals.h"
#include "settings/log.h"
#include "sprites/entity.h"
#include "sprites/janim.h"
#include "support/testenv.h"

namespace {

// A frame picture of the given size and colour, written as a BMP.
void writeFrame(const std::string& path, int width, int height, Uint8 r = 10, Uint8 g = 20,
                Uint8 b = 30) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000,
                                                0xFF00, 0xFF, 0);
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, r, g, b));
    SDL_SaveBMP(picture, path.c_str());
    SDL_FreeSurface(picture);
}

std::string makeSet(const std::string& name, const std::string& info, int frames = 3) {
    mkdir(name.c_str(), 0755);
    for (int i = 0; i < frames; ++i)
        writeFrame(name + "/" + std::to_string(i) + ".bmp", 20 + i, 30 + i);
    writeFile(name + "/info", info);
    return name;
}

class FrameSet : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessGame();
        ILog.setLevel(4);
    }
    void TearDown() override { set.release(); }
    JAnimBase set = {};
};

}  // namespace

TEST_F(FrameSet, LoadsTheDeclaredFramesWithTheirPausesAndTheFirstFramesSize) {
    makeSet("walk",
            "FILES: 3\n"
            "# the waiting loop\n"
            "\n"
            "\r\n"
            "0.bmp 200 255 255 255\n"
            "1.bmp 150 255 0 255\n"
            "2.bmp\n"
            "3.bmp 10 0 0 0\n");
    ASSERT_EQ(set.init("walk"), 0);
    EXPECT_EQ(set.loaded, 1);
    EXPECT_EQ(set.count, 3);
    EXPECT_EQ(set.width, 20);
    EXPECT_EQ(set.height, 30);
    for (int i = 0; i < 3; ++i) EXPECT_NE(set.frames[i].image, nullptr) << i;
    EXPECT_EQ(set.frames[0].pause, 200);
    EXPECT_EQ(set.frames[1].pause, 150);
    EXPECT_EQ(set.frames[2].pause, 150) << "a bare file name carries the previous values over";
}

TEST_F(FrameSet, FewerLinesThanDeclaredLeavesTheRestEmpty) {
    makeSet("short", "FILES: 5\n0.bmp 100 -1 0 0\n1.bmp 100 -1 0 0\n");
    ASSERT_EQ(set.init("short"), 0);
    EXPECT_EQ(set.count, 5);
    EXPECT_NE(set.frames[1].image, nullptr);
    EXPECT_EQ(set.frames[2].image, nullptr);
    EXPECT_EQ(set.frames[4].image, nullptr);
}

TEST_F(FrameSet, ZeroFramesIsALoadedEmptySetAndPresetSizesStay) {
    makeSet("none", "FILES: 0\n0.bmp 100 0 0 0\n");
    set.width = 100;
    set.height = 120;
    ASSERT_EQ(set.init("none"), 0);
    EXPECT_EQ(set.loaded, 1);
    EXPECT_EQ(set.count, 0);
    EXPECT_EQ(set.width, 100);
    Entity sprite;
    sprite.init(&set, screen);
    EXPECT_FALSE(sprite.hasFrames());
    sprite.draw();  // draws nothing, and does not crash
}

TEST_F(FrameSet, BadFilesAreLoggedAndRefusedWithoutHugeAllocations) {
    const std::pair<const char*, std::string> cases[] = {
        {"negative", "FILES: -5\n0.bmp 1 0 0 0\n"},
        {"minusone", "FILES: -1\n"},
        {"million", "FILES: 1000000\n0.bmp 1 0 0 0\n"},
        {"missingframe", "FILES: 2\n0.bmp 1 0 0 0\nnothere.bmp 1 0 0 0\n"},
        {"directory", "FILES: 1\nsub 1 0 0 0\n"},
        {"corrupt", "FILES: 1\nbroken.png 1 0 0 0\n"},
        {"longname", "FILES: 1\n" + std::string(300, 'x') + " 1 0 0 0\n"},
    };
    for (const auto& [name, info] : cases) {
        makeSet(name, info);
        mkdir((std::string(name) + "/sub").c_str(), 0755);
        writeFile(std::string(name) + "/broken.png", std::string("\x89PNG\r\n\x1a\n\0\0\0", 11));
        JAnimBase bad = {};
        EXPECT_NE(bad.init(name), 0) << name;
        bad.release();
    }
    EXPECT_EQ(set.init("no-such-dir"), -1);
    EXPECT_EQ(set.loaded, 0);
    const std::string log = logText();
    EXPECT_NE(log.find("ERROR opening file no-such-dir/info: "), std::string::npos);
    EXPECT_NE(log.find("ERROR opening file missingframe/nothere.bmp: "), std::string::npos);
    EXPECT_NE(log.find("ERROR opening file directory/sub: "), std::string::npos);
    EXPECT_NE(log.find("ERROR opening file corrupt/broken.png: "), std::string::npos);
}

// The set still loads, empty, as before; but a person replacing the
// pictures learns from the log why the animation is gone.
TEST_F(FrameSet, AHeaderThatDoesNotParseGivesNoFramesAndIsLogged) {
    const std::pair<const char*, std::string> cases[] = {
        {"garbled", "FRAMES 3\n0.bmp 100 0 0 0\n"},
        {"commentfirst", "# frames\nFILES: 1\n0.bmp 100 0 0 0\n"},
        {"empty", ""},
        {"huge", "FILES: 2147483648\n0.bmp 1 0 0 0\n"},
    };
    for (const auto& [name, info] : cases) {
        makeSet(name, info);
        JAnimBase garbled = {};
        ASSERT_EQ(garbled.init(name), 0) << name;
        EXPECT_EQ(garbled.count, 0) << name;
        Entity sprite;
        sprite.init(&garbled, screen);
        EXPECT_FALSE(sprite.hasFrames()) << name;
        garbled.release();
        EXPECT_NE(logText().find(std::string("ERROR opening file ") + name +
                                 "/info: the first line is not \"FILES: <count>\""),
                  std::string::npos)
            << name;
    }
}

// Like the catalogue: what is not a plain file is refused without waiting.
TEST_F(FrameSet, AnInfoThatIsNotAPlainFileIsRefused) {
    mkdir("fifo", 0755);
    ASSERT_EQ(mkfifo("fifo/info", 0644), 0);
    EXPECT_EQ(set.init("fifo"), -1);
    EXPECT_EQ(set.loaded, 0);
    EXPECT_NE(logText().find("ERROR opening file fifo/info: not a plain file"), std::string::npos);
}

TEST_F(FrameSet, FramesAdvanceOnlyAfterTheirPause) {
    makeSet("timed", "FILES: 3\n0.bmp 200 -1 0 0\n1.bmp 200 -1 0 0\n2.bmp 400 -1 0 0\n");
    ASSERT_EQ(set.init("timed"), 0);
    while (SDL_GetTicks() < 500) SDL_Delay(10);  // so that "now - 401" is a past tick
    int frame = 0;
    const Uint32 now = SDL_GetTicks();
    Uint32 last = now;
    sprite_frames::step(&set, frame, last, 1.0f);
    EXPECT_EQ(frame, 0) << "no time has passed";
    last = now - 201;
    sprite_frames::step(&set, frame, last, 1.0f);
    EXPECT_EQ(frame, 1);
    EXPECT_GE(last, now);
    last = SDL_GetTicks() - 201;
    sprite_frames::step(&set, frame, last, 1.0f);
    EXPECT_EQ(frame, 2);
    last = SDL_GetTicks() - 300;
    sprite_frames::step(&set, frame, last, 1.0f);
    EXPECT_EQ(frame, 2) << "the third frame stays 400 ms";
    last = SDL_GetTicks() - 401;
    sprite_frames::step(&set, frame, last, 1.0f);
    EXPECT_EQ(frame, 0) << "and the set wraps around";
    last = SDL_GetTicks() - 300;
    sprite_frames::step(&set, frame, last, 2.0f);
    EXPECT_EQ(frame, 0) << "a frame speed of 2 doubles every pause";
}

TEST_F(FrameSet, TransparentColourOfAFrameIsNotDrawn) {
    mkdir("keyed", 0755);
    writeFrame("keyed/0.bmp", 10, 10, 255, 0, 255);
    writeFrame("keyed/1.bmp", 10, 10, 255, 0, 255);
    writeFile("keyed/info", "FILES: 2\n0.bmp 100 255 0 255\n1.bmp 100 -1 0 0\n");
    ASSERT_EQ(set.init("keyed"), 0);
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    sprite_frames::blit(&set, 0, 5, 5, screen);
    Uint8 r, g, b;
    SDL_GetRGB(static_cast<Uint32*>(screen->pixels)[7 * screen->pitch / 4 + 7], screen->format, &r,
               &g, &b);
    EXPECT_EQ(r + g + b, 0) << "keyed magenta is transparent";
    sprite_frames::blit(&set, 1, 5, 5, screen);
    SDL_GetRGB(static_cast<Uint32*>(screen->pixels)[7 * screen->pitch / 4 + 7], screen->format, &r,
               &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(b, 255) << "a frame without a key shows all its pixels";
}
