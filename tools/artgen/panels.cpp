// Panels: the yes/no dialog (400 x 300) and the about panel (700 x 525),
// both white-keyed parchment with a dark border and dark button shapes
// under the captions the game writes; and the splash picture (400 x 480,
// opaque): the name, a subtitle, an evening sky with an acacia and a
// wooden board with a few stones on it.
#include "emblem.hpp"
#include "palette.hpp"
#include "pictures.hpp"
#include "stone.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace art {

namespace {

Shader parchmentShader(int w, int h, unsigned seed) {
    return [=](float x, float y) {
        float dx = (x - w / 2.0f) / w, dy = (y - h / 2.0f) / h;
        float vignette = 1.0f - 0.18f * (dx * dx + dy * dy) * 2.0f;
        float blotch = 0.025f * fbm(x * 0.02f, y * 0.02f, seed, 4) + 0.01f * grain(int(x), int(y), seed);
        return scaled(palette::kParchment, vignette + blotch);
    };
}

// Parchment card with a shadow, a dark brown edge, a thin gold line inside
// it and small gold diamonds in the corners.
void drawCard(Image& shapes, Image& shadows, float x1, float y1, float radius, unsigned seed) {
    int w = shapes.width(), h = shapes.height();
    Mask card = roundRectMask(w, h, 0.5f, 0.5f, x1, y1, radius);
    paint(shadows, blurred(shifted(card, 4, 5), 2), palette::kShadow, 0.8f);
    paint(shapes, card, parchmentShader(w, h, seed));
    Mask edge = sdfMask(w, h, [=](float x, float y) {
        return std::fabs(sdRoundRect(x, y, 1.5f, 1.5f, x1 - 1, y1 - 1, radius - 1)) - 1.3f;
    });
    paint(shapes, edge, rgb(96, 58, 30));
    Mask gold = sdfMask(w, h, [=](float x, float y) {
        return std::fabs(sdRoundRect(x, y, 5.5f, 5.5f, x1 - 5, y1 - 5, radius - 4)) - 0.5f;
    });
    paint(shapes, gold, palette::kGoldDark, 0.9f);
    const Point corners[] = {{14, 14}, {x1 - 14, 14}, {14, y1 - 14}, {x1 - 14, y1 - 14}};
    for (Point c : corners) {
        std::vector<Point> diamond = {{c.x, c.y - 4}, {c.x + 4, c.y}, {c.x, c.y + 4}, {c.x - 4, c.y}};
        paint(shapes, polygonMask(w, h, diamond), palette::kGoldDark, 0.9f);
    }
}

// A dark rounded button under a caption that the game draws.
void drawDarkButton(Image& shapes, float x, float y, float bw, float bh, Colour colour) {
    int w = shapes.width(), h = shapes.height();
    Mask button = roundRectMask(w, h, x, y, x + bw, y + bh, 7);
    paint(shapes, blurred(shifted(button, 2, 2), 1), rgb(120, 96, 70), 0.6f);
    paint(shapes, button, [=](float, float py) { return scaled(colour, 1.25f - 0.5f * (py - y) / bh); });
    Mask rim = sdfMask(w, h, [=](float px, float py) {
        return std::fabs(sdRoundRect(px, py, x + 0.5f, y + 0.5f, x + bw - 0.5f, y + bh - 0.5f, 6.5f)) - 0.6f;
    });
    paint(shapes, rim, scaled(colour, 0.5f));
    Mask sheen = subtracted(button, shifted(button, 0, 2));
    paint(shapes, sheen, mix(colour, rgb(255, 240, 210), 0.45f), 0.8f);
}

// The black slate at the right of the about panel where the credits go,
// set into the card so its right side sits on the card's edge.
void drawCreditsBox(Image& shapes) {
    int w = shapes.width(), h = shapes.height();
    constexpr float x0 = 495, y0 = 198, x1 = 695, y1 = 448;
    Mask slate = roundRectMask(w, h, x0, y0, x1, y1, 6);
    paint(shapes, blurred(shifted(slate, 2, 2), 1), rgb(150, 120, 84), 0.7f);
    paint(shapes, slate, [](float x, float y) {
        return scaled(rgb(22, 16, 12), 1.0f + 0.15f * fbm(x * 0.03f, y * 0.03f, 109u) - 0.2f * (y - y0) / (y1 - y0));
    });
    Mask rim = sdfMask(w, h, [=](float x, float y) {
        return std::fabs(sdRoundRect(x, y, x0 + 3.5f, y0 + 3.5f, x1 - 3.5f, y1 - 3.5f, 4)) - 0.5f;
    });
    paint(shapes, rim, palette::kGoldDark, 0.8f);
}

void drawDialog(const Output& out) {
    constexpr int kW = 400, kH = 300;
    Image shapes(kW, kH), shadows(kW, kH);
    drawCard(shapes, shadows, 394, 293, 14, 101u);
    drawDarkButton(shapes, 165, 250, 105, 30, rgb(30, 96, 52));
    drawDarkButton(shapes, 283, 250, 105, 30, rgb(136, 32, 30));
    finishWhiteKeyed(shapes, &shadows);
    out.png(shapes, "images/presentation/yesno.png", PngKind::Rgba);
}

void drawAbout(const Output& out, Fonts& fonts) {
    constexpr int kW = 700, kH = 525;
    Image shapes(kW, kH), shadows(kW, kH);
    drawCard(shapes, shadows, 694, 518, 16, 103u);
    // Title band: walnut with a gold rule beneath it.
    Mask band = intersected(roundRectMask(kW, kH, 3, 3, 691, 112, 14), roundRectMask(kW, kH, 0, 0, kW, 112, 0));
    paint(shapes, band, [](float x, float y) {
        return scaled(palette::kWalnut, 1.15f - 0.3f * y / 112 + 0.06f * fbm(x * 0.01f, y * 0.2f, 107u));
    });
    paint(shapes, capsuleMask(kW, kH, {8, 114}, {686, 114}, 1.0f), palette::kGold);
    TTF_Font* title = fonts.get(FontStyle::SerifBold, 58);
    Mask name = centredTextMask(kW, kH, title, "Zelk", 347, 44);
    paint(shapes, shifted(name, 2, 3), rgb(20, 10, 4), 0.8f);
    paint(shapes, name, [](float, float y) { return mix(palette::kGoldLight, palette::kGold, clamp01((y - 20) / 50)); });
    // The subtitle under the name is the game's to write, in the player's language.
    EmblemStyle style{palette::kGold, 1.6f, palette::kGoldLight, 2.6f};
    drawBoardEmblem(shapes, 40, 18, 78, style);
    drawBoardEmblem(shapes, 582, 18, 78, style);
    drawCreditsBox(shapes);
    drawDarkButton(shapes, 12, 468, 103, 25, rgb(92, 50, 24));
    drawDarkButton(shapes, 147, 468, 103, 25, rgb(92, 50, 24));
    drawDarkButton(shapes, 433, 468, 103, 25, rgb(28, 50, 104));
    drawDarkButton(shapes, 561, 468, 103, 25, rgb(28, 50, 104));
    finishWhiteKeyed(shapes, &shadows);
    out.png(shapes, "images/presentation/zelkabout.png", PngKind::Rgba);
}

// ---------------------------------------------------------------- splash

constexpr int kSplashW = 400, kSplashH = 480;
constexpr float kHorizon = 236;

void drawSky(Image& img) {
    Mask all = roundRectMask(kSplashW, kSplashH, -10, -10, kSplashW + 10, kSplashH + 10, 0);
    paint(img, all, [](float x, float y) {
        const Colour night = rgb(34, 26, 58), dusk = rgb(150, 70, 70), glow = rgb(244, 160, 84);
        float t = y / kHorizon;
        Colour sky = t < 0.6f ? mix(night, dusk, t / 0.6f) : mix(dusk, glow, (t - 0.6f) / 0.4f);
        float stars = (grain(int(x), int(y), 131u) > 0.996f && y < 120) ? 0.6f : 0.0f;
        return mix(sky, rgb(250, 240, 220), stars * (1 - t));
    });
    paint(img, circleMask(kSplashW, kSplashH, 118, kHorizon - 6, 34), rgb(252, 214, 140), 0.9f);
    paint(img, blurred(circleMask(kSplashW, kSplashH, 118, kHorizon - 6, 44), 6), rgb(252, 196, 120), 0.35f);
}

void drawLand(Image& img) {
    Mask land = sdfMask(kSplashW, kSplashH, [](float x, float y) {
        return kHorizon + 6.0f * std::sin(x * 0.02f) + 4.0f * std::sin(x * 0.051f + 1.0f) - y;
    });
    paint(img, land, [](float x, float y) {
        float t = clamp01((y - kHorizon) / (kSplashH - kHorizon));
        return scaled(mix(rgb(120, 64, 36), rgb(196, 132, 76), t), 1.0f + 0.05f * fbm(x * 0.03f, y * 0.1f, 137u));
    });
    // Flat-topped acacia on the right.
    const Colour bark = rgb(44, 24, 20);
    paint(img, capsuleMask(kSplashW, kSplashH, {318, kHorizon + 2}, {312, kHorizon - 40}, 2.6f), bark);
    paint(img, capsuleMask(kSplashW, kSplashH, {312, kHorizon - 40}, {290, kHorizon - 62}, 1.8f), bark);
    paint(img, capsuleMask(kSplashW, kSplashH, {312, kHorizon - 40}, {338, kHorizon - 64}, 1.8f), bark);
    Mask crown = sdfMask(kSplashW, kSplashH, [](float x, float y) {
        float wobble = 2.0f * std::sin(x * 0.4f) + 1.5f * std::sin(x * 0.9f);
        return sdEllipse(x, y, 314, kHorizon - 70 + wobble * 0.3f, 48, 9 + wobble * 0.4f);
    });
    paint(img, crown, bark);
}

// The board, drawn flat on its own picture and then turned a little.
Image splashBoard() {
    constexpr int kSize = 230;
    Image board(kSize, kSize);
    board.fill(rgb(120, 72, 38), 0.0f);
    paint(board, roundRectMask(kSize, kSize, 6, 6, kSize - 6, kSize - 6, 10), [](float x, float y) {
        return scaled(palette::kFieldWood, 1.0f + 0.06f * fbm(x * 0.01f, y * 0.15f, 139u));
    });
    Mask rim = sdfMask(kSize, kSize, [](float x, float y) {
        return std::fabs(sdRoundRect(x, y, 7, 7, kSize - 7, kSize - 7, 9)) - 2.0f;
    });
    paint(board, rim, rgb(120, 72, 38));
    const float x0 = 30, size = kSize - 60;
    drawBoardEmblem(board, x0, x0, size, EmblemStyle{palette::kGroove, 1.6f, palette::kGroove, 0});
    for (int i = 0; i < 24; ++i) {
        Point p = emblemPoint(i, x0, x0, size);
        drawHole(board, p.x, p.y, 7.0f);
    }
    const int ebony[] = {0, 4, 10, 19}, ivory[] = {2, 7, 13, 22, 17};
    for (int i : ebony) {
        Point p = emblemPoint(i, x0, x0, size);
        drawStone(board, &board, Side::Left, p.x, p.y, 10.5f);
    }
    for (int i : ivory) {
        Point p = emblemPoint(i, x0, x0, size);
        drawStone(board, &board, Side::Right, p.x, p.y, 10.5f);
    }
    return board;
}

void drawSplash(const Output& out, Fonts& fonts) {
    Image img(kSplashW, kSplashH);
    drawSky(img);
    drawLand(img);
    Image board = rotated(splashBoard(), 9.0);
    int bx = (kSplashW - board.width()) / 2, by = 300 - board.height() / 2 + 14;
    Mask shadow(kSplashW, kSplashH);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            if (bx + x + 8 < kSplashW && by + y + 10 < kSplashH && bx + x + 8 >= 0 && by + y + 10 >= 0)
                shadow.at(bx + x + 8, by + y + 10) = board.alphaAt(x, y);
    paint(img, blurred(shadow, 5), palette::kShadow, 0.55f);
    img.drawImage(board, bx, by);

    Mask title = centredTextMask(kSplashW, kSplashH, fonts.get(FontStyle::SerifBold, 84), "Zelk", 200, 62);
    paint(img, blurred(shifted(title, 3, 4), 2), rgb(10, 6, 16), 0.8f);
    paint(img, title, [](float, float y) { return mix(palette::kGoldLight, palette::kGold, clamp01((y - 25) / 70)); });
    paint(img, subtracted(title, shifted(title, -1, -1)), rgb(120, 70, 10), 0.8f);
    // The subtitle and the footer are the game's to write, in the player's language.

    Mask frame = sdfMask(kSplashW, kSplashH, [](float x, float y) {
        return std::fabs(sdRoundRect(x, y, 4, 4, kSplashW - 4, kSplashH - 4, 6)) - 1.0f;
    });
    paint(img, frame, palette::kGold, 0.9f);
    finishOpaque(img, rgb(0, 0, 0));
    out.png(img, "images/presentation/zelkinit.png", PngKind::Rgb);
}

}  // namespace

void drawPanelPictures(const Output& out, Fonts& fonts) {
    drawDialog(out);
    drawAbout(out, fonts);
    drawSplash(out, fonts);
}

}  // namespace art
