// Rendered texts of one font kept for reuse. A frame draws the same dozen
// lines (names, kinds, counts, the level, the phase) over and over, and the
// rasterising costs more than the blit; the few that change (the clock, a
// count) push the least recently used ones out, so the cache stays bounded.
#pragma once

#include <SDL/SDL.h>

#include <list>
#include <string>
#include <unordered_map>

class TextCache {
public:
    static constexpr size_t capacity = 64;

    TextCache() = default;
    TextCache(const TextCache&) = delete;
    TextCache& operator=(const TextCache&) = delete;
    ~TextCache();

    // The surface kept for `text` in `colour` (all four bytes count), or
    // null; it stays owned by the cache.
    SDL_Surface* find(const std::string& text, SDL_Color colour);
    // Takes ownership of `rendered` as the surface of `text` in `colour`.
    void keep(const std::string& text, SDL_Color colour, SDL_Surface* rendered);
    size_t size() const { return entries.size(); }

private:
    struct Entry {
        std::string key;
        SDL_Surface* surface;
    };
    static std::string keyOf(const std::string& text, SDL_Color colour);

    std::list<Entry> entries;  // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> index;
};
