#include "app/textcache.h"

TextCache::~TextCache() {
    for (Entry& entry : entries) SDL_FreeSurface(entry.surface);
}

std::string TextCache::keyOf(const std::string& text, SDL_Color colour) {
    std::string key(reinterpret_cast<const char*>(&colour), sizeof colour);
    return key + text;
}

SDL_Surface* TextCache::find(const std::string& text, SDL_Color colour) {
    auto found = index.find(keyOf(text, colour));
    if (found == index.end()) return nullptr;
    entries.splice(entries.begin(), entries, found->second);
    return found->second->surface;
}

void TextCache::keep(const std::string& text, SDL_Color colour, SDL_Surface* rendered) {
    const std::string key = keyOf(text, colour);
    auto found = index.find(key);
    if (found != index.end()) {
        SDL_FreeSurface(found->second->surface);
        entries.erase(found->second);
        index.erase(found);
    }
    if (entries.size() >= capacity) {
        SDL_FreeSurface(entries.back().surface);
        index.erase(entries.back().key);
        entries.pop_back();
    }
    entries.push_front(Entry{key, rendered});
    index[key] = entries.begin();
}
