// WAV writer: see wav.hpp.
#include "wav.hpp"

#include "bytes.hpp"

#include <filesystem>
#include <stdexcept>

namespace snd {

void writeWav(const Signal& s, const std::string& path) {
    std::vector<int16_t> pcm = toPcm16(s);
    const uint32_t dataBytes = uint32_t(pcm.size() * 2);
    Bytes out;
    out.text("RIFF");
    out.u32(36 + dataBytes);
    out.text("WAVE");
    out.text("fmt ");
    out.u32(16);
    out.u16(1);  // PCM
    out.u16(1);  // mono
    out.u32(kRate);
    out.u32(kRate * 2);  // bytes per second
    out.u16(2);          // bytes per frame
    out.u16(16);         // bits per sample
    out.text("data");
    out.u32(dataBytes);
    for (int16_t v : pcm) out.u16(uint16_t(v));
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    out.save(path);
}

}  // namespace snd
