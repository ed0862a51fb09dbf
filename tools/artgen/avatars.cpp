// The two players (64 x 97, white-keyed), drawn from simple shapes with
// light from the top left: for the left side an elder herder in ebony
// brown with a cap and a crooked stick, for the right side a woman in an
// ivory shawl with a brown border. Both stand on a small soft shadow.
#include "palette.hpp"
#include "pictures.hpp"

#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr int kW = 64, kH = 97;

// Side lighting across the figure: brighter on the left.
Shader litFrom(Colour base, float left, float right) {
    return [=](float x, float y) {
        float t = clamp01((x - left) / (right - left));
        return scaled(base, 1.12f - 0.38f * t - 0.04f * y / kH);
    };
}

Mask ellipse(float cx, float cy, float rx, float ry) {
    return sdfMask(kW, kH, [=](float x, float y) { return sdEllipse(x, y, cx, cy, rx, ry); });
}

Mask poly(std::vector<Point> pts) { return polygonMask(kW, kH, pts); }

Mask limb(Point a, Point b, float halfWidth) { return capsuleMask(kW, kH, a, b, halfWidth); }

const Colour kSkin = rgb(150, 96, 62);

void drawGroundShadow(Image& glow, float cx) {
    paint(glow, blurred(ellipse(cx, 92, 20, 3.5f), 2), palette::kShadow, 0.9f);
}

void drawFace(Image& shapes, float cx, float cy, float r) {
    paint(shapes, circleMask(kW, kH, cx, cy, r), [=](float x, float y) {
        float light = clamp01(0.5f - 0.5f * ((x - cx) + (y - cy)) / r);
        return mix(scaled(kSkin, 0.78f), scaled(kSkin, 1.18f), light);
    });
    const Colour eye = rgb(30, 18, 12);
    paint(shapes, circleMask(kW, kH, cx - r * 0.36f, cy - r * 0.05f, 1.1f), eye);
    paint(shapes, circleMask(kW, kH, cx + r * 0.36f, cy - r * 0.05f, 1.1f), eye);
    paint(shapes, circleMask(kW, kH, cx - r * 0.55f, cy + r * 0.3f, 1.8f), rgb(196, 110, 80), 0.35f);
    paint(shapes, circleMask(kW, kH, cx + r * 0.55f, cy + r * 0.3f, 1.8f), rgb(196, 110, 80), 0.35f);
}

void drawSmile(Image& shapes, float cx, float cy, float halfWidth, Colour colour) {
    for (int k = 0; k < 4; ++k) {
        float a0 = 0.5f + k * 0.55f, a1 = a0 + 0.55f;
        Point p0 = {cx + std::cos(a0) * halfWidth, cy + std::sin(a0) * halfWidth * 0.6f};
        Point p1 = {cx + std::cos(a1) * halfWidth, cy + std::sin(a1) * halfWidth * 0.6f};
        paint(shapes, limb(p0, p1, 0.55f), colour);
    }
}

void drawHerder(const Output& out) {
    Image shapes(kW, kH), glow(kW, kH);
    drawGroundShadow(glow, 32);
    const Colour robe = rgb(76, 54, 44), bronze = palette::kEbonyRim, wood = rgb(150, 98, 52);
    const Colour offWhite = rgb(226, 216, 198);
    // Herding stick with a crook, held in the right hand.
    paint(shapes, limb({51, 16}, {54, 92}, 1.5f), wood);
    paint(shapes, limb({51, 16}, {48, 10}, 1.5f), wood);
    paint(shapes, limb({48, 10}, {43, 11}, 1.5f), wood);
    // Robe, with a plaid sarong below the waist.
    paint(shapes, poly({{19, 38}, {42, 38}, {47, 89}, {14, 89}}), litFrom(robe, 14, 47));
    Mask sarong = poly({{16.5f, 64}, {44.5f, 64}, {47, 89}, {14, 89}});
    paint(shapes, sarong, litFrom(rgb(92, 64, 50), 14, 47));
    for (int k = 0; k < 4; ++k) {
        float y = 68 + k * 6.0f;
        paint(shapes, intersected(sarong, limb({10, y}, {50, y}, 0.6f)), bronze, 0.8f);
        float x = 19 + k * 8.0f;
        paint(shapes, intersected(sarong, limb({x, 62}, {x + 1.5f, 92}, 0.6f)), bronze, 0.8f);
    }
    // Bronze shawl across the chest from the left shoulder.
    paint(shapes, poly({{19, 38}, {26, 38}, {44, 62}, {38, 64}}), litFrom(bronze, 14, 47));
    // Arms: left hanging, right reaching for the stick.
    paint(shapes, limb({20, 42}, {16, 64}, 3.6f), litFrom(robe, 10, 30));
    paint(shapes, circleMask(kW, kH, 16, 67, 3.0f), kSkin);
    paint(shapes, limb({41, 42}, {51, 53}, 3.6f), litFrom(robe, 36, 56));
    paint(shapes, circleMask(kW, kH, 52, 55, 3.0f), kSkin);
    // Neck, head, beard and cap.
    paint(shapes, roundRectMask(kW, kH, 27, 30, 35, 39, 2), scaled(kSkin, 0.85f));
    drawFace(shapes, 31, 24, 9.5f);
    Mask beard = intersected(ellipse(31, 31, 7.5f, 6.0f), poly({{20, 27}, {42, 27}, {42, 40}, {20, 40}}));
    paint(shapes, beard, litFrom(offWhite, 22, 40));
    drawSmile(shapes, 31, 27.5f, 3.2f, rgb(90, 60, 44));
    Mask cap = roundRectMask(kW, kH, 21.5f, 11, 40.5f, 19.5f, 3);
    paint(shapes, cap, litFrom(offWhite, 21, 41));
    for (int k = 0; k < 6; ++k) {
        float x = 23 + k * 3.0f;
        paint(shapes, limb({x, 17}, {x + 1.5f, 14}, 0.5f), bronze);
        paint(shapes, limb({x + 1.5f, 14}, {x + 3.0f, 17}, 0.5f), bronze);
    }
    // Sandals.
    paint(shapes, ellipse(25, 90, 5, 2.2f), rgb(60, 36, 20));
    paint(shapes, ellipse(37, 90, 5, 2.2f), rgb(60, 36, 20));
    finishWhiteKeyed(shapes, &glow);
    out.png(shapes, "images/players/left/01.png", PngKind::Rgba);
}

void drawWoman(const Output& out) {
    Image shapes(kW, kH), glow(kW, kH);
    drawGroundShadow(glow, 32);
    const Colour ivory = palette::kIvory, brown = palette::kIvoryRim, dress = rgb(222, 198, 160);
    // Long dress flaring to the ankles, with a patterned hem.
    Mask gown = poly({{19, 42}, {45, 42}, {52, 90}, {12, 90}});
    paint(shapes, gown, litFrom(dress, 12, 52));
    Mask hem = intersected(gown, poly({{0, 82}, {64, 82}, {64, 92}, {0, 92}}));
    paint(shapes, hem, litFrom(brown, 12, 52));
    for (int k = 0; k < 8; ++k) paint(shapes, circleMask(kW, kH, 15.5f + k * 4.7f, 86, 1.0f), palette::kGold);
    // Shawl over head and shoulders, with a brown border.
    Mask hood = ellipse(32, 25, 13.5f, 14.5f);
    const std::vector<Point> capeOutline = {{20, 36}, {44, 36}, {52, 61}, {32, 67}, {12, 61}};
    Mask cape = sdfMask(kW, kH, [&](float x, float y) { return sdPolygon(x, y, capeOutline) - 3.5f; });
    Mask shawl = united(hood, cape);
    paint(shapes, shawl, litFrom(ivory, 9, 55));
    Mask border = subtracted(shawl, sdfMask(kW, kH, [&](float x, float y) {
                                 return std::min(sdEllipse(x, y, 32, 25, 11.5f, 12.5f),
                                                 sdPolygon(x, y, capeOutline) - 1.5f);
                             }));
    paint(shapes, border, litFrom(brown, 9, 55));
    for (int k = 0; k < 7; ++k) {
        float x = 14 + k * 6.0f;
        paint(shapes, intersected(cape, circleMask(kW, kH, x, 52 + std::fabs(x - 32) * 0.28f, 1.2f)), brown, 0.9f);
    }
    // Hands folded in front.
    paint(shapes, circleMask(kW, kH, 29, 70, 2.8f), kSkin);
    paint(shapes, circleMask(kW, kH, 35, 70, 2.8f), scaled(kSkin, 0.9f));
    // Face inside the hood, gold earrings.
    drawFace(shapes, 32, 25, 8.5f);
    drawSmile(shapes, 32, 28, 3.0f, rgb(120, 50, 40));
    paint(shapes, circleMask(kW, kH, 23.8f, 29, 1.2f), palette::kGold);
    paint(shapes, circleMask(kW, kH, 40.2f, 29, 1.2f), palette::kGold);
    // Sandals peeking out.
    paint(shapes, ellipse(26, 91, 4.5f, 2.0f), rgb(96, 60, 32));
    paint(shapes, ellipse(38, 91, 4.5f, 2.0f), rgb(96, 60, 32));
    finishWhiteKeyed(shapes, &glow);
    out.png(shapes, "images/players/right/01.png", PngKind::Rgba);
}

}  // namespace

void drawAvatarPictures(const Output& out) {
    drawHerder(out);
    drawWoman(out);
}

}  // namespace art
