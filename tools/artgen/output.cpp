// PNG, BMP and frame-set info writers: see output.hpp.
#include "output.hpp"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace art {

namespace {

void makeParentDirectory(const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
}

struct FileCloser {
    void operator()(FILE* f) const {
        if (f) std::fclose(f);
    }
};

}  // namespace

static void writeRows(png_structp png, const Image& img, PngKind kind) {
    const int channels = kind == PngKind::Rgba ? 4 : 3;
    std::vector<png_byte> row(size_t(img.width()) * channels);
    const SDL_Surface* s = img.surface();
    for (int y = 0; y < img.height(); ++y) {
        const Uint8* src = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < img.width(); ++x)
            for (int c = 0; c < channels; ++c) row[size_t(x) * channels + c] = src[x * 4 + c];
        png_write_row(png, row.data());
    }
}

void writePng(const Image& img, const std::string& path, PngKind kind) {
    makeParentDirectory(path);
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) throw std::runtime_error("cannot write " + path);

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng: out of memory");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed writing " + path);
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, img.width(), img.height(), 8,
                 kind == PngKind::Rgba ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    writeRows(png, img, kind);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

void writeBmp(const Image& img, const std::string& path) {
    makeParentDirectory(path);
    SDL_Surface* rgb = SDL_CreateRGBSurface(SDL_SWSURFACE, img.width(), img.height(), 24, 0x0000FF, 0x00FF00,
                                            0xFF0000, 0);
    if (!rgb) throw std::runtime_error(std::string("SDL_CreateRGBSurface: ") + SDL_GetError());
    SDL_LockSurface(rgb);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            Colour c = img.colourAt(x, y);
            Uint8* dst = static_cast<Uint8*>(rgb->pixels) + y * rgb->pitch + x * 3;
            dst[0] = Uint8(c.r);
            dst[1] = Uint8(c.g);
            dst[2] = Uint8(c.b);
        }
    SDL_UnlockSurface(rgb);
    int status = SDL_SaveBMP(rgb, path.c_str());
    SDL_FreeSurface(rgb);
    if (status != 0) throw std::runtime_error("cannot write " + path + ": " + SDL_GetError());
}

void writeFrameInfo(const std::string& dir, const std::string& comment, const std::vector<Frame>& frames) {
    std::filesystem::create_directories(dir);
    std::ofstream out(dir + "/info");
    out << "FILES: " << frames.size() << "\n";
    out << "# " << comment << "\n";
    out << "# file pause-ms transparent-r g b (r = -1: none)\n";
    for (const Frame& f : frames)
        out << f.file << " " << f.pauseMs << " " << f.keyR << " " << f.keyG << " " << f.keyB << "\n";
    if (!out) throw std::runtime_error("cannot write " + dir + "/info");
}

}  // namespace art
