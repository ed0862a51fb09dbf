// The "your turn" marker (frame set, 100 x 120, white-keyed; the game shows
// only its upper 100 x 100): a gold ring that swells and glows, an hourglass
// whose sand runs down and that then turns over (rotated with SDL_rotozoom),
// and three sparks running round the ring.
#include "palette.hpp"
#include "pictures.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace art {

namespace {

constexpr int kW = 100, kH = 120;
constexpr float kCx = 50, kCy = 50;
constexpr int kFrames = 8, kFlowFrames = 6;
constexpr float kPi = 3.14159265f;

// Hourglass on its own 40 x 48 picture; `sandBelow` runs 0 (all sand on top) to 1.
Image hourglass(float sandBelow) {
    constexpr int w = 40, h = 48;
    const Colour wood = rgb(110, 66, 32), glass = rgb(222, 236, 234), sand = rgb(232, 176, 70);
    Image img(w, h);
    img.fill(wood, 0.0f);
    const std::vector<Point> upper = {{9, 6}, {31, 6}, {21.5f, 23}, {18.5f, 23}};
    const std::vector<Point> lower = {{18.5f, 25}, {21.5f, 25}, {31, 42}, {9, 42}};
    Mask bulbs = united(polygonMask(w, h, upper), polygonMask(w, h, lower));
    bulbs = united(bulbs, roundRectMask(w, h, 18, 21, 22, 27, 1));
    paint(img, scaledMask(blurred(bulbs, 1), 2.0f), wood);
    paint(img, bulbs, [=](float x, float) { return mix(rgb(250, 250, 246), glass, clamp01((x - 9) / 14)); });
    // Sand: the top heap shrinks from its surface down, the bottom heap grows.
    float topLevel = 8 + 15 * sandBelow, bottomLevel = 41 - 14 * sandBelow;
    Mask topSand = intersected(polygonMask(w, h, upper), roundRectMask(w, h, 0, topLevel, w, 24, 0));
    Mask bottomSand = intersected(polygonMask(w, h, lower), roundRectMask(w, h, 0, bottomLevel, w, h, 0));
    paint(img, united(topSand, bottomSand), sand);
    if (sandBelow > 0 && sandBelow < 1) paint(img, capsuleMask(w, h, {20, 23}, {20, bottomLevel}, 0.7f), sand);
    // Turned wooden caps top and bottom.
    paint(img, roundRectMask(w, h, 5, 1, 35, 6, 2), [](float, float y) { return mix(rgb(176, 118, 62), rgb(110, 66, 32), y / 6); });
    paint(img, roundRectMask(w, h, 5, 42, 35, 47, 2), [](float, float y) { return mix(rgb(176, 118, 62), rgb(110, 66, 32), (y - 42) / 5); });
    return img;
}

void drawRing(Image& shapes, Image& glow, float pulse) {
    float r = 33 + 3 * pulse;
    paint(glow, blurred(ringMask(kW, kH, kCx, kCy, r - 5, r + 6), 3), palette::kGoldLight, 0.55f + 0.4f * pulse);
    paint(shapes, ringMask(kW, kH, kCx, kCy, r - 2.5f, r + 2.5f), [=](float x, float y) {
        float facing = -((x - kCx) + (y - kCy)) / std::max(std::hypot(x - kCx, y - kCy), 1e-3f) * 0.7071f;
        return mix(palette::kGoldDark, palette::kGoldLight, clamp01(0.5f + 0.5f * facing));
    });
}

void drawSparks(Image& shapes, float phase) {
    for (int k = 0; k < 3; ++k) {
        float a = phase + k * 2 * kPi / 3;
        float x = kCx + std::cos(a) * 42, y = kCy + std::sin(a) * 42;
        std::vector<Point> star;
        for (int p = 0; p < 8; ++p) {
            float ang = p * kPi / 4, len = (p % 2 == 0) ? 5.0f : 1.8f;
            star.push_back({x + std::cos(ang) * len, y + std::sin(ang) * len});
        }
        paint(shapes, polygonMask(kW, kH, star), rgb(255, 246, 200));
    }
}

}  // namespace

void drawTurnMarker(const Output& out) {
    const std::string dir = "images/players/waiting";
    std::vector<Frame> frames;
    for (int i = 0; i < kFrames; ++i) {
        Image shapes(kW, kH), glow(kW, kH);
        float pulse = 0.5f + 0.5f * std::sin(i * 2 * kPi / kFrames);
        drawRing(shapes, glow, pulse);
        drawSparks(shapes, i * 2 * kPi / kFrames / 3);
        // Sand runs for the first frames, then the glass turns over.
        float sandBelow = i < kFlowFrames ? i / float(kFlowFrames - 1) : 1.0f;
        double turn = i < kFlowFrames ? 0.0 : 60.0 * (i - kFlowFrames + 1);
        Image glass = rotated(hourglass(sandBelow), turn, 1.3);
        shapes.drawImage(glass, int(kCx - glass.width() / 2.0f), int(kCy - glass.height() / 2.0f));
        finishWhiteKeyed(shapes, &glow);
        std::string file = "turn" + std::to_string(i) + ".png";
        out.png(shapes, dir + "/" + file, PngKind::Rgba);
        frames.push_back({file, 120});
    }
    writeFrameInfo(out.path(dir), "turn marker: pulsing ring and turning hourglass", frames);
}

}  // namespace art
