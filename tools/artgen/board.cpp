// The board (800 x 600, opaque): a wooden table with a raised playing field,
// the three squares and their joins as carved grooves, a carved cup at each
// of the 24 points, a dark walnut field inside the inner square for the
// game's white messages, recessed trays for the pieces at home, niches for
// the two players and parchment labels for the status texts. Also the two
// plain backgrounds, the icon (the window's and the desktop's) and the small
// board emblem.
#include "emblem.hpp"
#include "layout.hpp"
#include "palette.hpp"
#include "pictures.hpp"
#include "stone.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace art {

namespace {

using namespace layout;

// Wood with long horizontal grain, slow colour drift and fine pores.
Shader woodShader(Colour base, unsigned seed, float contrast) {
    return [=](float x, float y) {
        float drift = fbm(x * 0.004f, y * 0.01f, seed, 3);
        float rings = std::sin(y * 0.22f + 9.0f * fbm(x * 0.006f, y * 0.03f, seed + 5, 4));
        float streak = fbm(x * 0.02f, y * 0.6f, seed + 9, 2);
        float k = 1.0f + contrast * (0.5f * drift + 0.35f * rings + 0.25f * streak) + 0.02f * grain(int(x), int(y), seed);
        return scaled(base, k);
    };
}

Mask fullMask(int w, int h) {
    Mask m(w, h);
    std::fill(m.v.begin(), m.v.end(), 1.0f);
    return m;
}

// Light on the upper-left edge and shade on the lower-right edge of a raised shape.
void bevelRaised(Image& img, const Mask& shape, int width, float strength) {
    paint(img, blurred(subtracted(shape, shifted(shape, width, width)), 1), rgb(255, 240, 208), 0.55f * strength);
    paint(img, blurred(subtracted(shape, shifted(shape, -width, -width)), 1), rgb(70, 40, 20), 0.6f * strength);
}

// Shade on the upper-left inner edge of a hollow, a little light opposite.
void bevelRecessed(Image& img, const Mask& shape, int width, float strength) {
    Mask shade = intersected(shape, blurred(subtracted(fullMask(shape.w, shape.h), shifted(shape, width, width)), width));
    paint(img, shade, rgb(50, 28, 14), 0.75f * strength);
    paint(img, blurred(subtracted(shape, shifted(shape, -1, -1)), 1), rgb(250, 228, 190), 0.4f * strength);
}

void dropShadow(Image& img, const Mask& shape, int dx, int dy, int blur, float opacity) {
    paint(img, blurred(shifted(shape, dx, dy), blur), palette::kShadow, opacity);
}

void drawTable(Image& board) {
    paint(board, fullMask(kWindowW, kWindowH), woodShader(palette::kTableWood, 21u, 0.09f));
}

Mask playingFieldMask() { return roundRectMask(kWindowW, kWindowH, 124, 36, 656, 498, 10); }

void drawPlayingField(Image& board) {
    Mask field = playingFieldMask();
    dropShadow(board, field, 5, 6, 4, 0.45f);
    paint(board, field, woodShader(palette::kFieldWood, 33u, 0.07f));
    bevelRaised(board, field, 2, 1.0f);
    // Thin inlaid border just inside the edge.
    Mask border = sdfMask(kWindowW, kWindowH,
                          [](float x, float y) { return std::fabs(sdRoundRect(x, y, 131, 43, 649, 491, 6)) - 0.7f; });
    paint(board, border, palette::kGroove, 0.7f);
    paint(board, shifted(border, 1, 1), rgb(250, 228, 186), 0.45f);
}

// The walnut field covers the inner square and a margin around it, as a
// plain rounded rectangle (the right side of the inner square bends a little).
constexpr float kWalnutX0 = 276, kWalnutY0 = 196, kWalnutX1 = 504, kWalnutY1 = 347;

Mask walnutFieldMask() { return roundRectMask(kWindowW, kWindowH, kWalnutX0, kWalnutY0, kWalnutX1, kWalnutY1, 8); }

void drawWalnutField(Image& board) {
    Mask walnut = walnutFieldMask();
    paint(board, walnut, woodShader(palette::kWalnut, 47u, 0.12f));
    bevelRecessed(board, walnut, 3, 1.0f);
    Mask inlay = sdfMask(kWindowW, kWindowH, [](float x, float y) {
        return std::fabs(sdRoundRect(x, y, kWalnutX0 + 5, kWalnutY0 + 5, kWalnutX1 - 5, kWalnutY1 - 5, 5)) - 0.6f;
    });
    paint(board, inlay, palette::kGoldDark, 0.8f);
}

void drawLines(Image& board) {
    Mask grooves(kWindowW, kWindowH);
    for (const auto& line : kLines)
        for (int k = 0; k < 2; ++k) grooves = united(grooves, capsuleMask(kWindowW, kWindowH, centre(line[k]), centre(line[k + 1]), 2.2f));
    Mask walnut = walnutFieldMask();
    Mask onWood = subtracted(grooves, walnut), onWalnut = intersected(grooves, walnut);
    // Carved into the light wood: dark groove with a lit lower edge.
    paint(board, subtracted(shifted(onWood, 1, 1), onWood), rgb(252, 232, 192), 0.7f);
    paint(board, onWood, [](float x, float y) { return scaled(palette::kGroove, 0.9f + 0.1f * fbm(x * 0.1f, y * 0.1f, 3u)); });
    // Brass inlay across the walnut, where a groove would not show.
    paint(board, onWalnut, [](float x, float y) {
        return mix(palette::kGoldDark, palette::kGold, 0.5f + 0.5f * fbm(x * 0.05f, y * 0.05f, 5u));
    });
}

void drawHoles(Image& board) {
    for (int i = 0; i < kPointCount; ++i) {
        Point c = centre(i);
        drawHole(board, c.x, c.y, 12.5f);
    }
}

void drawTray(Image& board, float x0, float x1) {
    Mask tray = roundRectMask(kWindowW, kWindowH, x0, 96, x1, 458, 8);
    paint(board, tray, woodShader(palette::kTrayWood, 59u, 0.08f));
    bevelRecessed(board, tray, 4, 1.0f);
    float middle = (x0 + x1) / 2;
    Mask divider = capsuleMask(kWindowW, kWindowH, {middle, 104}, {middle, 450}, 0.6f);
    paint(board, divider, rgb(120, 80, 46), 0.6f);
}

// Faint resting places where the pieces wait at home.
void drawHomeDimples(Image& board, const int columns[2]) {
    Image dimples(kWindowW, kWindowH);
    for (int c = 0; c < 2; ++c)
        for (int row = 0; row < kHomeRows; ++row)
            drawHole(dimples, columns[c] + 25.0f, kHomeTop + row * kHomeStep + 25.0f, 16.0f);
    for (int y = 90; y < 465; ++y)
        for (int x = 0; x < kWindowW; ++x) board.blend(x, y, dimples.colourAt(x, y), 0.3f * dimples.alphaAt(x, y));
}

void drawAvatarNiche(Image& board, float x0) {
    Mask niche = roundRectMask(kWindowW, kWindowH, x0, 487, x0 + 68, 592, 10);
    paint(board, niche, woodShader(palette::kTrayWood, 61u, 0.06f));
    bevelRecessed(board, niche, 3, 0.8f);
}

// Status texts are written from y 500 to 575; the label leaves a margin round them.
constexpr float kLabelTop = 494, kLabelBottom = 586;

void drawStatusLabel(Image& board, float x0, float x1) {
    Mask label = roundRectMask(kWindowW, kWindowH, x0, kLabelTop, x1, kLabelBottom, 6);
    dropShadow(board, label, 2, 3, 2, 0.35f);
    paint(board, label, [](float x, float y) {
        float down = (y - kLabelTop) / (kLabelBottom - kLabelTop);
        return scaled(palette::kParchment, 1.0f + 0.025f * fbm(x * 0.05f, y * 0.05f, 71u) - 0.03f * down);
    });
    Mask edge = sdfMask(kWindowW, kWindowH, [=](float x, float y) {
        return std::fabs(sdRoundRect(x, y, x0 + 0.5f, kLabelTop + 0.5f, x1 - 0.5f, kLabelBottom - 0.5f, 6)) - 0.7f;
    });
    paint(board, edge, rgb(140, 96, 54), 0.9f);
}

void drawBoard(const Output& out) {
    Image board(kWindowW, kWindowH);
    drawTable(board);
    drawTray(board, 8, 121);
    drawTray(board, 659, 766);
    drawHomeDimples(board, kLeftColumns);
    drawHomeDimples(board, kRightColumns);
    drawAvatarNiche(board, 0);
    drawAvatarNiche(board, 729);
    drawStatusLabel(board, 72, 218);
    drawStatusLabel(board, 620, 727);
    drawPlayingField(board);
    drawWalnutField(board);
    drawLines(board);
    drawHoles(board);
    finishOpaque(board, palette::kTableWood);
    out.png(board, "images/background/zelkboard.png", PngKind::Rgb);
}

void drawPlainBackgrounds(const Output& out) {
    Image menu(kWindowW, kWindowH);
    paint(menu, fullMask(kWindowW, kWindowH), [](float x, float y) {
        Colour top = rgb(250, 226, 150), bottom = rgb(236, 196, 110);
        return scaled(mix(top, bottom, y / kWindowH), 1.0f + 0.03f * fbm(x * 0.01f, y * 0.01f, 81u));
    });
    finishOpaque(menu, rgb(240, 210, 130));
    out.png(menu, "images/background/yellowbackformenu.png", PngKind::Rgb);

    Image bar(kWindowW, 100);
    paint(bar, fullMask(kWindowW, 100), [](float x, float y) {
        return scaled(mix(rgb(252, 248, 238), rgb(236, 228, 210), y / 100), 1.0f + 0.01f * fbm(x * 0.02f, y * 0.02f, 83u));
    });
    finishOpaque(bar, palette::kCream);
    out.png(bar, "images/background/whitebackforinfobar.png", PngKind::Rgb);
}

// The emblem on a rounded wooden tile with a stone of each side in opposite
// corners; drawn for 32 pixels and scaled, so every size shows the same.
Image iconPicture(int size) {
    const float k = size / 32.0f;
    Image icon(size, size);
    Shader wood = woodShader(palette::kFieldWood, 91u, 0.05f);
    paint(icon, roundRectMask(size, size, 0, 0, size, size, 5 * k),
          [=](float x, float y) { return wood(x / k, y / k); });
    drawBoardEmblem(icon, 4 * k, 4 * k, 24 * k, EmblemStyle{palette::kGroove, 0.8f * k, palette::kGroove, 0});
    drawStone(icon, nullptr, Side::Left, 9.5f * k, 9.5f * k, 4.8f * k);
    drawStone(icon, nullptr, Side::Right, 22.5f * k, 22.5f * k, 4.8f * k);
    return icon;
}

// The window's icon, and the desktop's at the sizes its menus ask for (with
// their corners transparent).
void drawIcon(const Output& out) {
    Image icon = iconPicture(32);
    finishOpaque(icon, palette::kTableWood);
    writeBmp(icon, out.path("images/zelk.icon"));
    for (int size : {48, 64, 128, 256})
        out.png(iconPicture(size), "icons/zelk-" + std::to_string(size) + ".png", PngKind::Rgba);
}

}  // namespace

Point emblemPoint(int index, float x0, float y0, float size) {
    // Points 0..23 row by row, as on the board: outer, middle, inner square.
    static const float kUnit[kPointCount][2] = {
        {0, 0},   {3, 0},   {6, 0},   {1, 1}, {3, 1}, {5, 1}, {2, 2}, {3, 2}, {4, 2}, {0, 3}, {1, 3}, {2, 3},
        {4, 3},   {5, 3},   {6, 3},   {2, 4}, {3, 4}, {4, 4}, {1, 5}, {3, 5}, {5, 5}, {0, 6}, {3, 6}, {6, 6},
    };
    return Point{x0 + kUnit[index][0] * size / 6, y0 + kUnit[index][1] * size / 6};
}

void drawBoardEmblem(Image& img, float x0, float y0, float size, const EmblemStyle& style) {
    int w = img.width(), h = img.height();
    Mask lines(w, h);
    for (const auto& line : kLines)
        for (int k = 0; k < 2; ++k)
            lines = united(lines, capsuleMask(w, h, emblemPoint(line[k], x0, y0, size),
                                              emblemPoint(line[k + 1], x0, y0, size), style.lineHalfWidth));
    paint(img, lines, style.line);
    if (style.holeRadius > 0)
        for (int i = 0; i < kPointCount; ++i) {
            Point p = emblemPoint(i, x0, y0, size);
            paint(img, circleMask(w, h, p.x, p.y, style.holeRadius), style.hole);
        }
}

void drawBoardPictures(const Output& out, Fonts&) {
    drawBoard(out);
    drawPlainBackgrounds(out);
    drawIcon(out);
}

}  // namespace art
