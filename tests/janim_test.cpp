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
void writeFrame(const std::string& path, int width, int height, Uint8 r = 10, Uint8 g = 20, Uint8 b = 30) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, r, g, b));
    SDL_SaveBMP(picture, path.c_str());
    SDL_FreeSurface(picture);
}

// Three frames 20 x 30, 21 x 31 and 22 x 32, a directory and a broken
// picture beside them, and the info file.
void makeSet(const std::string& name, const std::string& info) {
    mkdir(name.c_str(), 0755);
    for (int i = 0; i < 3; ++i) writeFrame(name + "/" + std::to_string(i) + ".bmp", 20 + i, 30 + i);
    mkdir((name + "/sub").c_str(), 0755);
    writeFile(name + "/broken.png", std::string("\x89PNG\r\n\x1a\n\0\0\0", 11));
    writeFile(name + "/info", info);
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
    makeSet("walk", "FILES: 3\n# the waiting loop\n\n\r\n0.bmp 200 255 255 255\n1.bmp 150 255 0 255\n2.bmp\n3.bmp 10 0 0 0\n");
    ASSERT_EQ(set.init("walk"), 0);
    EXPECT_EQ(std::make_pair(set.loaded, set.count), std::make_pair(1, 3));
    EXPECT_EQ(std::make_pair(set.width, set.height), std::make_pair(20, 30));
    for (int i = 0; i < 3; ++i) EXPECT_NE(set.frames[i].image, nullptr) << i;
    EXPECT_EQ(set.frames[0].pause, 200);
    EXPECT_EQ(set.frames[1].pause, 150);
    EXPECT_EQ(set.frames[2].pause, 150) << "a bare file name carries the previous values over";
    set.release();

    makeSet("short", "FILES: 5\n0.bmp 100 -1 0 0\n1.bmp 100 -1 0 0\n");
    ASSERT_EQ(set.init("short"), 0);
    EXPECT_EQ(set.count, 5);
    EXPECT_NE(set.frames[1].image, nullptr);
    EXPECT_TRUE(set.frames[2].image == nullptr && set.frames[4].image == nullptr) << "the rest stays empty";
    set.release();

    makeSet("none", "FILES: 0\n0.bmp 100 0 0 0\n");
    set.width = 100;
    set.height = 120;
    ASSERT_EQ(set.init("none"), 0);
    EXPECT_EQ(std::make_pair(set.loaded, set.count), std::make_pair(1, 0));
    EXPECT_EQ(set.width, 100) << "a preset size stays";
    Entity sprite;
    sprite.init(&set, screen);
    EXPECT_FALSE(sprite.hasFrames());
    sprite.draw();  // draws nothing, and does not crash
}

TEST_F(FrameSet, BadFilesAreLoggedAndRefusedOrLoadedEmptyWithoutHugeAllocations) {
    const struct {
        const char* name;
        std::string info;
        bool loadsEmpty;  // else refused
        const char* logged;
    } cases[] = {
        {"negative", "FILES: -5\n0.bmp 1 0 0 0\n", false, nullptr},
        {"million", "FILES: 1000000\n0.bmp 1 0 0 0\n", false, nullptr},
        {"missingframe", "FILES: 2\n0.bmp 1 0 0 0\nnothere.bmp 1 0 0 0\n", false, "missingframe/nothere.bmp: "},
        {"directory", "FILES: 1\nsub 1 0 0 0\n", false, "directory/sub: "},
        {"corrupt", "FILES: 1\nbroken.png 1 0 0 0\n", false, "corrupt/broken.png: "},
        {"longname", "FILES: 1\n" + std::string(300, 'x') + " 1 0 0 0\n", false, nullptr},
        // Still loaded, empty, as ever; the log says why the animation is gone.
        {"garbled", "FRAMES 3\n0.bmp 100 0 0 0\n", true, "garbled/info: the first line is not \"FILES: <count>\""},
        {"commentfirst", "# frames\nFILES: 1\n0.bmp 100 0 0 0\n", true, "commentfirst/info: the first line is not"},
        {"empty", "", true, "empty/info: the first line is not"},
        {"huge", "FILES: 2147483648\n0.bmp 1 0 0 0\n", true, "huge/info: the first line is not"},
    };
    for (const auto& c : cases) {
        makeSet(c.name, c.info);
        JAnimBase bad = {};
        EXPECT_EQ(bad.init(c.name), c.loadsEmpty ? 0 : -1) << c.name;
        if (c.loadsEmpty) {
            Entity sprite;
            sprite.init(&bad, screen);
            EXPECT_FALSE(sprite.hasFrames()) << c.name;
        }
        bad.release();
        if (c.logged) {
            EXPECT_NE(logText().find(std::string("ERROR opening file ") + c.logged), std::string::npos) << c.name;
        }
    }
    EXPECT_EQ(set.init("no-such-dir"), -1);
    EXPECT_EQ(set.loaded, 0);
    EXPECT_NE(logText().find("ERROR opening file no-such-dir/info: "), std::string::npos);
    // Like the catalogue: what is not a plain file is refused without waiting.
    mkdir("fifo", 0755);
    ASSERT_EQ(mkfifo("fifo/info", 0644), 0);
    EXPECT_EQ(set.init("fifo"), -1);
    EXPECT_NE(logText().find("ERROR opening file fifo/info: not a plain file"), std::string::npos);
}

TEST_F(FrameSet, FramesAdvanceOnlyAfterTheirPause) {
    makeSet("timed", "FILES: 3\n0.bmp 200 -1 0 0\n1.bmp 200 -1 0 0\n2.bmp 400 -1 0 0\n");
    ASSERT_EQ(set.init("timed"), 0);
    while (SDL_GetTicks() < 500) SDL_Delay(10);  // so that "now - 401" is a past tick
    int frame = 0;
    Uint32 last = SDL_GetTicks();
    const struct {
        Uint32 ago;
        float speed;
        int frame;
        const char* why;
    } steps[] = {{0, 1, 0, "no time has passed"},  {201, 1, 1, "the first pause is over"}, {201, 1, 2, "the second"},
                 {300, 1, 2, "the third frame stays 400 ms"}, {401, 1, 0, "and the set wraps around"},
                 {300, 2, 0, "a frame speed of 2 doubles every pause"}};
    for (const auto& step : steps) {
        const Uint32 now = SDL_GetTicks();
        if (step.ago) last = now - step.ago;
        sprite_frames::step(&set, frame, last, step.speed);
        EXPECT_EQ(frame, step.frame) << step.why;
        if (step.frame != 0 && step.ago == 201) {
            EXPECT_GE(last, now) << "the pause starts again";
        }
    }
}
