// Stones: a low polished dome with a soft key light from the top left, a
// warm bounce light on the lower right rim and a small highlight. The ebony
// stone carries a bronze inlay ring, the ivory one a dark brown outline, so
// the two sides differ in brightness and in pattern.
#include "stone.hpp"

#include "palette.hpp"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

struct Vec3 {
    float x, y, z;
};

Vec3 normalised(Vec3 v) {
    float len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return Vec3{v.x / len, v.y / len, v.z / len};
}

float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

const Vec3 kLight = normalised(Vec3{-0.55f, -0.7f, 0.75f});
const Vec3 kHalfway = normalised(Vec3{kLight.x, kLight.y, kLight.z + 1.0f});

// Surface normal of the dome at a point given relative to the radius.
Vec3 domeNormal(float px, float py) {
    float d = std::min(std::hypot(px, py), 0.999f);
    float slope = 0.45f * d + 2.4f * std::pow(d, 7.0f);
    if (d < 1e-4f) return Vec3{0, 0, 1};
    return normalised(Vec3{px / d * slope, py / d * slope, 1.0f});
}

}  // namespace

Shader stoneShader(Side side, float cx, float cy, float r) {
    return [=](float x, float y) {
        float px = (x - cx) / r, py = (y - cy) / r;
        float d = std::hypot(px, py);
        Vec3 n = domeNormal(px, py);
        float diffuse = std::max(0.0f, dot(n, kLight));
        float specular = std::pow(std::max(0.0f, dot(n, kHalfway)), 60.0f);
        float bounce = smoothstep(0.75f, 1.0f, d) * clamp01(0.5f + 0.7f * (px + py) / std::max(d, 1e-3f));
        float texture = fbm(x * 0.35f + cx, y * 0.09f + cy, side == Side::Left ? 7u : 11u, 3);

        Colour c;
        if (side == Side::Left) {
            Colour base = scaled(palette::kEbony, 1.0f + 0.12f * texture);
            c = scaled(base, 0.55f + 0.75f * diffuse);
            c = mix(c, palette::kEbonyRim, 0.35f * bounce);
            // Bronze inlay ring.
            float ring = 1.0f - smoothstep(0.0f, 0.05f, std::fabs(d - 0.66f));
            c = mix(c, scaled(palette::kEbonyRim, 0.7f + 0.5f * diffuse), 0.55f * ring);
            c = mix(c, rgb(250, 244, 232), 0.85f * specular);
        } else {
            Colour base = scaled(palette::kIvory, 1.0f + 0.03f * texture);
            c = mix(rgb(178, 146, 102), base, clamp01(0.25f + 0.95f * diffuse));
            c = mix(c, rgb(255, 214, 150), 0.25f * bounce);
            // Fine carved ring, darker than the stone.
            float ring = 1.0f - smoothstep(0.0f, 0.04f, std::fabs(d - 0.66f));
            c = mix(c, rgb(176, 146, 104), 0.5f * ring);
            // Dark outline at the rim.
            c = mix(c, palette::kIvoryRim, smoothstep(0.86f, 0.97f, d));
            c = mix(c, rgb(250, 248, 240), 0.7f * specular);
        }
        return c;
    };
}

void drawStone(Image& shapes, Image* shadows, Side side, float cx, float cy, float r) {
    int w = shapes.width(), h = shapes.height();
    if (shadows) {
        // Mostly solid, so the key-colour dither only shows at its soft edge.
        Mask shadow = blurred(circleMask(w, h, cx + r * 0.12f, cy + r * 0.17f, r * 0.97f), 1);
        paint(*shadows, scaledMask(shadow, 1.4f), rgb(62, 40, 24), 1.0f);
    }
    paint(shapes, circleMask(w, h, cx, cy, r), stoneShader(side, cx, cy, r));
}

void drawPickedRing(Image& shapes, Image* glow, float cx, float cy, float rInner, float rOuter) {
    int w = shapes.width(), h = shapes.height();
    if (glow) {
        Mask halo = blurred(ringMask(w, h, cx, cy, rInner, rOuter + 1.5f), 2);
        paint(*glow, halo, palette::kGoldLight, 1.0f);
    }
    float mid = (rInner + rOuter) / 2, half = (rOuter - rInner) / 2;
    paint(shapes, ringMask(w, h, cx, cy, rInner, rOuter), [=](float x, float y) {
        float dx = x - cx, dy = y - cy;
        float across = (std::hypot(dx, dy) - mid) / half;  // -1 inner edge .. 1 outer edge
        float facing = -(dx + dy) / std::max(std::hypot(dx, dy), 1e-3f) * 0.7071f;  // 1 towards the light
        float light = 0.6f + 0.3f * facing + 0.3f * (1.0f - across * across);
        return light > 0.85f ? mix(palette::kGold, palette::kGoldLight, (light - 0.85f) * 3.0f)
                             : mix(palette::kGoldDark, palette::kGold, light / 0.85f);
    });
}

}  // namespace art

namespace art {

void drawHole(Image& shapes, float cx, float cy, float r) {
    int w = shapes.width(), h = shapes.height();
    const Colour deep = rgb(74, 44, 24), wall = rgb(176, 124, 72), lip = rgb(246, 222, 178);
    // Concave cup: the wall facing the light (lower right) is bright, the far
    // wall (upper left) lies in shadow.
    paint(shapes, circleMask(w, h, cx, cy, r + 1.0f), [=](float x, float y) {
        float px = (x - cx) / r, py = (y - cy) / r;
        float d = std::hypot(px, py);
        float facing = (px + py) * 0.7071f;  // > 0 on the lower right
        float bowl = smoothstep(0.0f, 1.0f, d);
        Colour c = mix(deep, wall, clamp01(0.35f + 0.65f * facing * bowl + 0.15f * (1 - d)));
        float edge = smoothstep(0.82f, 1.0f, d);
        Colour rim = facing > 0 ? mix(wall, lip, clamp01(facing * 1.4f)) : mix(wall, deep, clamp01(-facing));
        return mix(c, rim, edge);
    });
}

}  // namespace art
