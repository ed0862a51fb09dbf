// A little-endian byte buffer for the WAV and XM writers.
#pragma once

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace snd {

class Bytes {
public:
    void u8(uint8_t v) { data_.push_back(v); }
    void u16(uint16_t v) {
        u8(uint8_t(v & 0xFF));
        u8(uint8_t(v >> 8));
    }
    void u32(uint32_t v) {
        u16(uint16_t(v & 0xFFFF));
        u16(uint16_t(v >> 16));
    }
    void text(const std::string& s) { data_.insert(data_.end(), s.begin(), s.end()); }
    // `s` cut or padded with `pad` to exactly `width` bytes.
    void field(const std::string& s, size_t width, char pad = '\0') {
        for (size_t i = 0; i < width; ++i) u8(uint8_t(i < s.size() ? s[i] : pad));
    }
    void zeros(size_t n) { data_.insert(data_.end(), n, 0); }
    void append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }

    size_t size() const { return data_.size(); }
    const std::vector<uint8_t>& data() const { return data_; }

    void save(const std::string& path) const {
        std::ofstream f(path, std::ios::binary);
        f.write(reinterpret_cast<const char*>(data_.data()), std::streamsize(data_.size()));
        if (!f) throw std::runtime_error("cannot write " + path);
    }

private:
    std::vector<uint8_t> data_;
};

}  // namespace snd
