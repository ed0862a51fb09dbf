// Writing pictures out: a small PNG writer on libpng (RGBA, or RGB for
// opaque pictures), BMP through SDL, and the `info` file of a frame set.
#pragma once

#include "canvas.hpp"

#include <string>
#include <vector>

namespace art {

enum class PngKind { Rgb, Rgba };

// Writes `img` to `path`, creating parent directories. Throws on failure.
void writePng(const Image& img, const std::string& path, PngKind kind);
void writeBmp(const Image& img, const std::string& path);

struct Frame {
    std::string file;  // relative to the frame set's directory
    int pauseMs = 100;
    int keyR = 255, keyG = 255, keyB = 255;  // keyR = -1: no transparent colour
};

// Writes `<dir>/info`: "FILES: n", a comment, then one line per frame.
void writeFrameInfo(const std::string& dir, const std::string& comment, const std::vector<Frame>& frames);

// Where the generator writes; every picture path is relative to it.
class Output {
public:
    explicit Output(std::string root) : root_(std::move(root)) {}
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }
    void png(const Image& img, const std::string& relative, PngKind kind) const {
        writePng(img, path(relative), kind);
    }

private:
    std::string root_;
};

}  // namespace art
