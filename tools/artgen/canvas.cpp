// Drawing helpers: see canvas.hpp.
#include "canvas.hpp"

#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_rotozoom.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace art {

namespace {

constexpr Uint32 kRMask = 0x000000FF;
constexpr Uint32 kGMask = 0x0000FF00;
constexpr Uint32 kBMask = 0x00FF0000;
constexpr Uint32 kAMask = 0xFF000000;

Uint8 toByte(float v) { return Uint8(std::lround(std::clamp(v, 0.0f, 255.0f))); }

SDL_Surface* newRgbaSurface(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, kRMask, kGMask, kBMask, kAMask);
    if (!s) throw std::runtime_error(std::string("SDL_CreateRGBSurface: ") + SDL_GetError());
    return s;
}

Uint8* pixelAddress(SDL_Surface* s, int x, int y) {
    return static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 4;
}

}  // namespace

Colour rgb(int r, int g, int b) { return Colour{float(r), float(g), float(b)}; }

Colour mix(Colour a, Colour b, float t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(Colour c, float k) { return Colour{c.r * k, c.g * k, c.b * k}; }

float luminance(Colour c) { return (0.299f * c.r + 0.587f * c.g + 0.114f * c.b) / 255.0f; }

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

float smoothstep(float edge0, float edge1, float v) {
    float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

// ---------------------------------------------------------------- Image

Image::Image(int width, int height) : surface_(newRgbaSurface(width, height)) {
    SDL_FillRect(surface_, nullptr, 0);
}

Image::~Image() {
    if (surface_) SDL_FreeSurface(surface_);
}

Image::Image(Image&& other) noexcept : surface_(other.surface_) { other.surface_ = nullptr; }

Colour Image::colourAt(int x, int y) const {
    const Uint8* p = pixelAddress(surface_, x, y);
    return Colour{float(p[0]), float(p[1]), float(p[2])};
}

float Image::alphaAt(int x, int y) const { return pixelAddress(surface_, x, y)[3] / 255.0f; }

void Image::set(int x, int y, Colour c, float alpha) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    Uint8* p = pixelAddress(surface_, x, y);
    p[0] = toByte(c.r);
    p[1] = toByte(c.g);
    p[2] = toByte(c.b);
    p[3] = toByte(alpha * 255.0f);
}

void Image::blend(int x, int y, Colour c, float alpha) {
    if (alpha <= 0.0f || x < 0 || y < 0 || x >= width() || y >= height()) return;
    alpha = std::min(alpha, 1.0f);
    float dstA = alphaAt(x, y);
    float outA = alpha + dstA * (1 - alpha);
    Colour dst = colourAt(x, y);
    float wSrc = alpha / outA, wDst = dstA * (1 - alpha) / outA;
    set(x, y, Colour{c.r * wSrc + dst.r * wDst, c.g * wSrc + dst.g * wDst, c.b * wSrc + dst.b * wDst},
        outA);
}

void Image::fill(Colour c, float alpha) {
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x) set(x, y, c, alpha);
}

void Image::drawImage(const Image& src, int x0, int y0) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) blend(x0 + x, y0 + y, src.colourAt(x, y), src.alphaAt(x, y));
}

// ---------------------------------------------------------------- distances

float sdCircle(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

float sdEllipse(float x, float y, float cx, float cy, float rx, float ry) {
    // Good enough near the outline, which is all the antialiasing needs.
    float nx = (x - cx) / rx, ny = (y - cy) / ry;
    float k = std::hypot(nx, ny);
    if (k < 1e-6f) return -std::min(rx, ry);
    float gradient = std::hypot(nx / rx, ny / ry) / k;
    return (k - 1) / gradient;
}

float sdRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float sdSegment(float x, float y, Point a, Point b) {
    float px = x - a.x, py = y - a.y, bx = b.x - a.x, by = b.y - a.y;
    float len2 = bx * bx + by * by;
    float t = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - bx * t, py - by * t);
}

float sdPolygon(float x, float y, const std::vector<Point>& pts) {
    float best = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        best = std::min(best, sdSegment(x, y, pts[j], pts[i]));
        bool crosses = (pts[i].y > y) != (pts[j].y > y);
        if (crosses && x < (pts[j].x - pts[i].x) * (y - pts[i].y) / (pts[j].y - pts[i].y) + pts[i].x)
            inside = !inside;
    }
    return inside ? -best : best;
}

// ---------------------------------------------------------------- masks

Mask sdfMask(int w, int h, const Sdf& sdf) {
    Mask m(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) m.at(x, y) = clamp01(0.5f - sdf(x + 0.5f, y + 0.5f));
    return m;
}

Mask circleMask(int w, int h, float cx, float cy, float r) {
    return sdfMask(w, h, [=](float x, float y) { return sdCircle(x, y, cx, cy, r); });
}

Mask ringMask(int w, int h, float cx, float cy, float rInner, float rOuter) {
    float mid = (rInner + rOuter) / 2, half = (rOuter - rInner) / 2;
    return sdfMask(w, h, [=](float x, float y) { return std::fabs(sdCircle(x, y, cx, cy, mid)) - half; });
}

Mask roundRectMask(int w, int h, float x0, float y0, float x1, float y1, float radius) {
    return sdfMask(w, h, [=](float x, float y) { return sdRoundRect(x, y, x0, y0, x1, y1, radius); });
}

Mask capsuleMask(int w, int h, Point a, Point b, float halfWidth) {
    return sdfMask(w, h, [=](float x, float y) { return sdSegment(x, y, a, b) - halfWidth; });
}

Mask polygonMask(int w, int h, const std::vector<Point>& pts) {
    constexpr int kScale = 4;
    SDL_Surface* big = newRgbaSurface(w * kScale, h * kScale);
    SDL_FillRect(big, nullptr, SDL_MapRGBA(big->format, 0, 0, 0, 255));
    std::vector<Sint16> vx, vy;
    for (const Point& p : pts) {
        vx.push_back(Sint16(std::lround(p.x * kScale)));
        vy.push_back(Sint16(std::lround(p.y * kScale)));
    }
    filledPolygonRGBA(big, vx.data(), vy.data(), int(pts.size()), 255, 255, 255, 255);
    SDL_Surface* small = shrinkSurface(big, kScale, kScale);
    SDL_FreeSurface(big);
    if (!small) throw std::runtime_error("shrinkSurface failed");
    Mask m(w, h);
    SDL_LockSurface(small);
    for (int y = 0; y < h && y < small->h; ++y)
        for (int x = 0; x < w && x < small->w; ++x) {
            Uint32 px = *reinterpret_cast<Uint32*>(static_cast<Uint8*>(small->pixels) + y * small->pitch + x * 4);
            Uint8 r, g, b;
            SDL_GetRGB(px, small->format, &r, &g, &b);
            m.at(x, y) = r / 255.0f;
        }
    SDL_UnlockSurface(small);
    SDL_FreeSurface(small);
    return m;
}

namespace {

void boxBlurLine(const float* src, float* dst, int n, int stride, int radius) {
    float sum = 0;
    int window = 2 * radius + 1;
    auto sample = [&](int i) { return (i < 0 || i >= n) ? 0.0f : src[i * stride]; };
    for (int i = -radius; i <= radius; ++i) sum += sample(i);
    for (int i = 0; i < n; ++i) {
        dst[i * stride] = sum / window;
        sum += sample(i + radius + 1) - sample(i - radius);
    }
}

}  // namespace

Mask blurred(const Mask& m, int radius) {
    if (radius <= 0) return m;
    Mask a = m, b = m;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < m.h; ++y) boxBlurLine(&a.v[size_t(y) * m.w], &b.v[size_t(y) * m.w], m.w, 1, radius);
        for (int x = 0; x < m.w; ++x) boxBlurLine(&b.v[x], &a.v[x], m.h, m.w, radius);
    }
    return a;
}

Mask shifted(const Mask& m, int dx, int dy) {
    Mask out(m.w, m.h);
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) out.at(x, y) = m.get(x - dx, y - dy);
    return out;
}

namespace {

template <typename Op>
Mask combined(const Mask& a, const Mask& b, Op op) {
    Mask out(a.w, a.h);
    for (size_t i = 0; i < out.v.size(); ++i) out.v[i] = clamp01(op(a.v[i], b.v[i]));
    return out;
}

}  // namespace

Mask intersected(const Mask& a, const Mask& b) {
    return combined(a, b, [](float p, float q) { return p * q; });
}
Mask subtracted(const Mask& a, const Mask& b) {
    return combined(a, b, [](float p, float q) { return p * (1 - q); });
}
Mask united(const Mask& a, const Mask& b) {
    return combined(a, b, [](float p, float q) { return p + q - p * q; });
}
Mask scaledMask(const Mask& m, float k) {
    Mask out = m;
    for (float& v : out.v) v = clamp01(v * k);
    return out;
}

// ---------------------------------------------------------------- painting

void paint(Image& img, const Mask& m, Colour c, float opacity) {
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            float a = m.get(x, y) * opacity;
            if (a > 0) img.blend(x, y, c, a);
        }
}

void paint(Image& img, const Mask& m, const Shader& shader, float opacity) {
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            float a = m.get(x, y) * opacity;
            if (a > 0) img.blend(x, y, shader(x + 0.5f, y + 0.5f), a);
        }
}

void paintAt(Image& img, const Mask& m, int dx, int dy, Colour c, float opacity) {
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            float a = m.get(x, y) * opacity;
            if (a > 0) img.blend(x + dx, y + dy, c, a);
        }
}

Image rotated(const Image& src, double degrees, double zoom) {
    SDL_Surface* turned = rotozoomSurface(const_cast<SDL_Surface*>(src.surface()), degrees, zoom, SMOOTHING_ON);
    if (!turned) throw std::runtime_error("rotozoomSurface failed");
    Image out(turned->w, turned->h);
    SDL_LockSurface(turned);
    for (int y = 0; y < turned->h; ++y)
        for (int x = 0; x < turned->w; ++x) {
            Uint32 px = *reinterpret_cast<Uint32*>(static_cast<Uint8*>(turned->pixels) + y * turned->pitch + x * 4);
            Uint8 r, g, b, a;
            SDL_GetRGBA(px, turned->format, &r, &g, &b, &a);
            out.set(x, y, rgb(r, g, b), a / 255.0f);
        }
    SDL_UnlockSurface(turned);
    SDL_FreeSurface(turned);
    return out;
}

// ---------------------------------------------------------------- noise

namespace {

float hashToUnit(int x, int y, unsigned seed) {
    unsigned h = unsigned(x) * 374761393u + unsigned(y) * 668265263u + seed * 2654435761u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / float(0xFFFFFF) * 2.0f - 1.0f;
}

}  // namespace

float valueNoise(float x, float y, unsigned seed) {
    int xi = int(std::floor(x)), yi = int(std::floor(y));
    float fx = x - xi, fy = y - yi;
    float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    float top = hashToUnit(xi, yi, seed) + (hashToUnit(xi + 1, yi, seed) - hashToUnit(xi, yi, seed)) * sx;
    float bottom =
        hashToUnit(xi, yi + 1, seed) + (hashToUnit(xi + 1, yi + 1, seed) - hashToUnit(xi, yi + 1, seed)) * sx;
    return top + (bottom - top) * sy;
}

float fbm(float x, float y, unsigned seed, int octaves) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + unsigned(i) * 101u);
        total += amplitude;
        x *= 2.03f;
        y *= 2.03f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

float grain(int x, int y, unsigned seed) { return hashToUnit(x, y, seed); }

// ---------------------------------------------------------------- finishing

void finishWhiteKeyed(Image& shapes, const Image* glow) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const Colour kKey = rgb(255, 255, 255);
    for (int y = 0; y < shapes.height(); ++y)
        for (int x = 0; x < shapes.width(); ++x) {
            Colour c = shapes.colourAt(x, y);
            bool visible = shapes.alphaAt(x, y) >= 0.5f;
            if (!visible && glow) {
                float threshold = (kBayer[y & 3][x & 3] + 0.5f) / 16.0f;
                if (glow->alphaAt(x, y) > threshold) {
                    c = glow->colourAt(x, y);
                    visible = true;
                }
            }
            if (!visible) {
                shapes.set(x, y, kKey, 0.0f);
                continue;
            }
            if (c.r > 250.4f && c.g > 250.4f && c.b > 250.4f) c = rgb(250, 250, 250);
            shapes.set(x, y, c, 1.0f);
        }
}

void finishOpaque(Image& img, Colour backdrop) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            float a = img.alphaAt(x, y);
            img.set(x, y, mix(backdrop, img.colourAt(x, y), a), 1.0f);
        }
}

}  // namespace art
