// Pieces (50 x 50, white-keyed): the ebony and ivory stones, each also in a
// "picked up" form with a gold ring; the empty and highlighted points; and
// the frame sets of a stone sliding and of a stone shattering.
#include "palette.hpp"
#include "pictures.hpp"
#include "stone.hpp"

#include <cmath>
#include <string>

namespace art {

namespace {

constexpr int kPieceSize = 50;
constexpr float kStoneRadius = 19.5f;

const char* sideDir(Side side) { return side == Side::Left ? "left" : "right"; }

void drawRestingPiece(const Output& out, Side side) {
    Image shapes(kPieceSize, kPieceSize), shadows(kPieceSize, kPieceSize);
    drawStone(shapes, &shadows, side, 24.0f, 24.0f, kStoneRadius);
    finishWhiteKeyed(shapes, &shadows);
    out.png(shapes, std::string("images/pawns/") + sideDir(side) + "/0.png", PngKind::Rgba);
}

void drawPickedPiece(const Output& out, Side side) {
    Image shapes(kPieceSize, kPieceSize), glow(kPieceSize, kPieceSize);
    drawPickedRing(shapes, &glow, 25.0f, 25.0f, 18.5f, 22.5f);
    drawStone(shapes, nullptr, side, 25.0f, 25.0f, 19.0f);
    finishWhiteKeyed(shapes, &glow);
    out.png(shapes, std::string("images/pawns/") + sideDir(side) + "/chosen.png", PngKind::Rgba);
}

void drawEmptyPoint(const Output& out) {
    Image shapes(kPieceSize, kPieceSize);
    drawHole(shapes, 25.0f, 25.0f, 12.5f);
    finishWhiteKeyed(shapes);
    out.png(shapes, "images/cells/emptycell.png", PngKind::Rgba);
}

void drawHighlightedPoint(const Output& out) {
    Image shapes(kPieceSize, kPieceSize), glow(kPieceSize, kPieceSize);
    const Colour lime = rgb(196, 236, 84), leaf = rgb(86, 150, 40);
    paint(glow, blurred(ringMask(kPieceSize, kPieceSize, 25, 25, 14, 21), 2), rgb(222, 246, 120), 0.95f);
    drawHole(shapes, 25.0f, 25.0f, 12.5f);
    paint(shapes, ringMask(kPieceSize, kPieceSize, 25, 25, 12.8f, 19.0f), [](float x, float y) {
        float facing = -((x - 25) + (y - 25)) / std::max(std::hypot(x - 25, y - 25), 1e-3f) * 0.7071f;
        return mix(rgb(86, 150, 40), rgb(236, 250, 150), clamp01(0.55f + 0.45f * facing));
    });
    paint(shapes, ringMask(kPieceSize, kPieceSize, 25, 25, 13.0f, 14.2f), leaf);
    paint(shapes, circleMask(kPieceSize, kPieceSize, 25, 25, 4.0f), lime, 0.9f);
    finishWhiteKeyed(shapes, &glow);
    out.png(shapes, "images/cells/shadowcell.png", PngKind::Rgba);
}

// ---------------------------------------------------------------- frame sets

constexpr int kFrameW = 100, kFrameH = 120;

void drawSlidingFrames(const Output& out, Side side) {
    std::string dir = std::string("images/pawns/") + sideDir(side) + "/moving";
    std::vector<Frame> frames;
    const float positions[] = {30.0f, 50.0f, 70.0f};
    for (int i = 0; i < 3; ++i) {
        Image shapes(kFrameW, kFrameH), trail(kFrameW, kFrameH);
        float cx = positions[i], cy = 56.0f;
        // Speed lines behind the stone, fading out to the left.
        for (int k = 0; k < 3; ++k) {
            float y = cy - 10 + 10 * k, length = 14.0f + 6.0f * i;
            Mask line = capsuleMask(kFrameW, kFrameH, {cx - 22 - length, y}, {cx - 22, y}, 1.5f);
            paint(trail, line, rgb(120, 84, 50), 0.7f);
        }
        drawStone(shapes, &trail, side, cx, cy, kStoneRadius);
        finishWhiteKeyed(shapes, &trail);
        std::string file = std::to_string(i) + ".png";
        out.png(shapes, dir + "/" + file, PngKind::Rgba);
        frames.push_back({file, 90});
    }
    writeFrameInfo(out.path(dir), "stone sliding to its new point", frames);
}

// A stone breaking into four shards that drift apart and fade to dust.
void drawShatterFrames(const Output& out, Side side) {
    std::string dir = std::string("images/pawns/") + sideDir(side) + "/killing";
    std::vector<Frame> frames;
    const float cx = 50.0f, cy = 56.0f, r = kStoneRadius;
    const Point crack = {cx + 2, cy - 1};
    const float cornerAngles[] = {-2.4f, -0.7f, 0.9f, 2.5f};
    for (int step = 0; step < 4; ++step) {
        Image shapes(kFrameW, kFrameH), dust(kFrameW, kFrameH);
        float spread = step * 7.0f;
        for (int s = 0; s < 4; ++s) {
            float a0 = cornerAngles[s], a1 = cornerAngles[(s + 1) % 4] + (s == 3 ? 6.2832f : 0.0f);
            float mid = (a0 + a1) / 2;
            float dx = std::cos(mid) * spread, dy = std::sin(mid) * spread + step * step * 1.5f;
            std::vector<Point> wedge = {{crack.x + dx, crack.y + dy}};
            for (int k = 0; k <= 6; ++k) {
                float a = a0 + (a1 - a0) * k / 6.0f;
                wedge.push_back({cx + dx + std::cos(a) * (r + 3), cy + dy + std::sin(a) * (r + 3)});
            }
            Mask shard = intersected(polygonMask(kFrameW, kFrameH, wedge),
                                     circleMask(kFrameW, kFrameH, cx + dx, cy + dy, r * (1.0f - 0.12f * step)));
            Shader base = stoneShader(side, cx, cy, r);
            paint(shapes, shard, [=](float x, float y) { return base(x - dx, y - dy); });
        }
        if (step == 0) {
            for (float a : cornerAngles) {
                Point end = {cx + std::cos(a) * r, cy + std::sin(a) * r};
                paint(shapes, capsuleMask(kFrameW, kFrameH, crack, end, 0.8f), rgb(20, 12, 8));
            }
        }
        for (int k = 0; k < 10 * step; ++k) {
            float a = k * 2.39996f, dist = 10.0f + step * 6.0f + (k % 5) * 3.0f;
            Mask speck = circleMask(kFrameW, kFrameH, cx + std::cos(a) * dist, cy + std::sin(a) * dist, 1.6f);
            paint(dust, speck, side == Side::Left ? palette::kEbony : palette::kIvoryRim, 1.0f - 0.2f * step);
        }
        finishWhiteKeyed(shapes, &dust);
        std::string file = std::to_string(step) + ".png";
        out.png(shapes, dir + "/" + file, PngKind::Rgba);
        frames.push_back({file, 80});
    }
    writeFrameInfo(out.path(dir), "stone shattering when it is taken", frames);
}

}  // namespace

void drawPiecePictures(const Output& out) {
    for (Side side : {Side::Left, Side::Right}) {
        drawRestingPiece(out, side);
        drawPickedPiece(out, side);
        drawSlidingFrames(out, side);
        drawShatterFrames(out, side);
    }
    drawEmptyPoint(out);
    drawHighlightedPoint(out);
}

}  // namespace art
