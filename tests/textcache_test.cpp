// The rendered-text cache: found again by text and colour, bounded, and the
// least recently used text goes first.
#include <gtest/gtest.h>

#include <string>

#include "app/textcache.h"

namespace {

SDL_Surface* surface() {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u);
}

const SDL_Color black = {0, 0, 0, 255}, white = {255, 255, 255, 255};

TEST(TextCache, FindsATextOnlyInTheColourItWasKeptIn) {
    TextCache cache;
    SDL_Surface* kept = surface();
    cache.keep("Has 12 on board", black, kept);
    EXPECT_EQ(cache.find("Has 12 on board", black), kept);
    EXPECT_EQ(cache.find("Has 12 on board", white), nullptr);
    EXPECT_EQ(cache.find("Has 11 on board", black), nullptr);
}

TEST(TextCache, StaysBoundedAndDropsTheLeastRecentlyUsed) {
    TextCache cache;
    SDL_Surface* level = surface();
    cache.keep("    level: Beginner", white, level);
    cache.keep("00:00:01", black, surface());
    for (int hundredths = 2; hundredths < 200; ++hundredths) {
        EXPECT_EQ(cache.find("    level: Beginner", white), level);  // drawn every frame
        cache.keep("00:00:" + std::to_string(hundredths), black, surface());
    }
    EXPECT_EQ(cache.size(), TextCache::capacity);
    EXPECT_EQ(cache.find("    level: Beginner", white), level);
    EXPECT_EQ(cache.find("00:00:01", black), nullptr);
    EXPECT_NE(cache.find("00:00:199", black), nullptr);
}

}  // namespace
