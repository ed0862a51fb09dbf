// Drawing helpers shared by every picture: colours, an RGBA image on an
// SDL software surface, coverage masks built from distance functions or
// from SDL_gfx polygons, painting, blur for soft shadows, value noise for
// wood grain, and the final step that turns a picture into a white-keyed one.
#pragma once

#include <SDL/SDL.h>

#include <functional>
#include <vector>

namespace art {

// A colour with channels in 0..255 (floats so shading can be done freely).
struct Colour {
    float r = 0, g = 0, b = 0;
};

Colour rgb(int r, int g, int b);
Colour mix(Colour a, Colour b, float t);
Colour scaled(Colour c, float k);
float luminance(Colour c);  // 0..1, perceptual weights
float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);

// 32-bit RGBA picture, bytes R,G,B,A in memory. Starts fully transparent.
class Image {
public:
    Image(int width, int height);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    Image(Image&& other) noexcept;

    int width() const { return surface_->w; }
    int height() const { return surface_->h; }
    SDL_Surface* surface() { return surface_; }
    const SDL_Surface* surface() const { return surface_; }

    Colour colourAt(int x, int y) const;
    float alphaAt(int x, int y) const;  // 0..1
    void set(int x, int y, Colour c, float alpha = 1.0f);
    // Source-over compositing; keeps the result un-premultiplied.
    void blend(int x, int y, Colour c, float alpha);
    void fill(Colour c, float alpha = 1.0f);
    // Draws `src` over this picture with its top-left at (x, y).
    void drawImage(const Image& src, int x, int y);

private:
    SDL_Surface* surface_;
};

// Coverage values in 0..1, one per pixel.
struct Mask {
    int w = 0, h = 0;
    std::vector<float> v;

    Mask() = default;
    Mask(int width, int height) : w(width), h(height), v(size_t(width) * height, 0.0f) {}
    float get(int x, int y) const {
        return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : v[size_t(y) * w + x];
    }
    float& at(int x, int y) { return v[size_t(y) * w + x]; }
};

// Signed distance functions: negative inside, in pixels.
using Sdf = std::function<float(float x, float y)>;
struct Point {
    float x, y;
};
float sdCircle(float x, float y, float cx, float cy, float r);
float sdEllipse(float x, float y, float cx, float cy, float rx, float ry);
float sdRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius);
float sdSegment(float x, float y, Point a, Point b);
float sdPolygon(float x, float y, const std::vector<Point>& pts);

// Mask from a distance function, one pixel of antialiasing at the edge.
Mask sdfMask(int w, int h, const Sdf& sdf);
Mask circleMask(int w, int h, float cx, float cy, float r);
Mask ringMask(int w, int h, float cx, float cy, float rInner, float rOuter);
Mask roundRectMask(int w, int h, float x0, float y0, float x1, float y1, float radius);
Mask capsuleMask(int w, int h, Point a, Point b, float halfWidth);
// Polygon filled with SDL_gfx at 4x and shrunk with SDL_rotozoom.
Mask polygonMask(int w, int h, const std::vector<Point>& pts);

Mask blurred(const Mask& m, int radius);  // three box passes
Mask shifted(const Mask& m, int dx, int dy);
Mask intersected(const Mask& a, const Mask& b);
Mask subtracted(const Mask& a, const Mask& b);
Mask united(const Mask& a, const Mask& b);
Mask scaledMask(const Mask& m, float k);

using Shader = std::function<Colour(float x, float y)>;
void paint(Image& img, const Mask& m, Colour c, float opacity = 1.0f);
void paint(Image& img, const Mask& m, const Shader& shader, float opacity = 1.0f);
void paintAt(Image& img, const Mask& m, int dx, int dy, Colour c, float opacity = 1.0f);

// A copy of `src` turned by `degrees` (counter-clockwise) and scaled by
// `zoom` with SDL_rotozoom;
// the result is larger so nothing is cut off.
Image rotated(const Image& src, double degrees, double zoom = 1.0);

// Smooth value noise in about -1..1 and a few octaves of it.
float valueNoise(float x, float y, unsigned seed);
float fbm(float x, float y, unsigned seed, int octaves = 4);
// Fine per-pixel grain in -1..1.
float grain(int x, int y, unsigned seed);

// Turns `shapes` (soft edges allowed) into a white-keyed picture: pixels at
// least half covered become opaque, the rest pure white with alpha 0.
// `glow` (shadows, halos) shows through an ordered dither where `shapes`
// leaves the background free, so it reads as translucent over any backdrop.
// Opaque pixels never end up pure white.
void finishWhiteKeyed(Image& shapes, const Image* glow = nullptr);
// Makes every pixel opaque (for pictures drawn without transparency).
void finishOpaque(Image& img, Colour backdrop);

}  // namespace art
