// zelk-soundgen <outdir>: synthesises the game's sound effects and writes
// them with the background music under <outdir>/audio.
#include "effects.hpp"
#include "song.hpp"
#include "wav.hpp"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    try {
        const std::string audio = std::string(argv[1]) + "/audio";
        std::filesystem::create_directories(audio);
        for (const snd::Effect& e : snd::allEffects()) snd::writeWav(e.signal, audio + "/" + e.file);
        snd::xm::encode(snd::backgroundSong()).save(audio + "/background.xm");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zelk-soundgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
